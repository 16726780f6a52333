#include <algorithm>

#include "engine/Engine.h"

namespace {

constexpr int CounterWidth[3] = {5, 5, 2}; // "00000", "00000", "00"

} // namespace

Engine::Engine(EngineHost& host, TGameSettings& settings, EngineTexts texts)
    : host_(host), settings_(settings), texts_(std::move(texts)) {
    for (int i = 0; i < 3; ++i)
        counters_[i] = std::string(CounterWidth[i], '0');
}

void Engine::ResetBoard() {
    settings_.WellWidth = std::clamp(settings_.WellWidth, MinWellWidth, MaxWellSize);
    settings_.WellHeight = std::clamp(settings_.WellHeight, MinWellHeight, MaxWellSize);
    const int width = settings_.WellWidth;
    const int height = settings_.WellHeight;

    TheWell.Resize(width, height);
    host_.LayoutBoard(width, height);

    SetCounter(Counter::Line4, "00");
    SetCounter(Counter::Score, "00000");
    SetCounter(Counter::Kazu, "00000");

    for (int y = -Well::HiddenRows; y <= height; ++y) {
        TheWell.SetCell(-1, y, WallCell);
        TheWell.SetCell(width, y, WallCell);
    }
    for (int x = 0; x < width; ++x)
        TheWell.SetCell(x, height, WallCell);

    for (int x = 0; x < width; ++x) {
        for (int y = 0; y < height; ++y)
            host_.DrawCell(x, y, EmptyCell);
    }
    host_.ClearPreview();
}

void Engine::FormPaint() {
    // Recorded too: a repaint shows cells that an opening drop painted over.
    Note(GameEvent::Paint);
    host_.FillWellBlack();
    for (int y = 0; y < TheWell.Height(); ++y) {
        for (int x = 0; x < TheWell.Width(); ++x) {
            const int code = TheWell.GetCell(x, y);
            if (code != EmptyCell) host_.DrawCell(x, y, code);
        }
    }
    if (!IsIdle()) DrawFallingPiece();
}

void Engine::DrawPiece(int code) {
    for (const CellOffset& cell : ShapeTable[PieceShape]) {
        host_.DrawCell(PieceX + cell.dx, PieceY + cell.dy, code);
    }
}

const std::string& Engine::CounterText(Counter which) const {
    return counters_[static_cast<int>(which)];
}

void Engine::SetCounter(Counter which, std::string text) {
    counters_[static_cast<int>(which)] = std::move(text);
    host_.ShowCounter(which, CounterText(which));
}

void Engine::AddToCounter(Counter which, int amount) {
    // The counter is the text shown: read it back, add, and write it in its
    // format of at least n digits; a larger number simply has more digits.
    const int index = static_cast<int>(which);
    const long long value = std::stoll(counters_[index]) + amount;
    std::string text = std::to_string(value);
    if (static_cast<int>(text.size()) < CounterWidth[index]) {
        text.insert(0, CounterWidth[index] - text.size(), '0');
    }
    SetCounter(which, std::move(text));
}

#include <algorithm>

#include "engine/Engine.h"

namespace {

int Bonus(int rows) {
    constexpr int bonus[5] = {0, 3, 10, 40, 120};
    return bonus[rows];
}

int Points(int rows) {
    constexpr int points[5] = {0, 1, 4, 8, 16};
    return points[rows];
}

// How much a landing shortens a period of `interval` milliseconds.
int Decrease(int interval) {
    if (interval >= 1 && interval <= 10) return 0;
    if (interval >= 11 && interval <= 100) return 1;
    if (interval >= 101 && interval <= 200) return 3;
    if (interval >= 201 && interval <= 250) return 4;
    if (interval >= 251 && interval <= 350) return 7;
    return 9;
}

} // namespace

int Engine::RemoveFullRows() {
    const int width = settings_.WellWidth;
    int rows = 0;
    // Scan from the top row down: removing a row moves only rows above it,
    // and those have already been examined.
    for (int k = 3; k >= 0; --k) {
        const int y = PieceY - k;
        int blocks = 0;
        for (int x = 0; x < width; ++x) {
            const int code = TheWell.GetCell(x, y);
            if (code >= 1 && code <= 7) ++blocks;
        }
        if (blocks != width) continue;

        ++rows;
        // The row is blanked on the screen while the grid above it sinks;
        // the rows above the gap keep their old images until the repaint.
        for (int x = 0; x < width; ++x) {
            if (y >= -3) {
                host_.DrawCell(x, y, EmptyCell);
                for (int t = y; t >= -3; --t)
                    TheWell.SetCell(x, t, TheWell.GetCell(x, t - 1));
            }
            TheWell.SetCell(x, -Well::HiddenRows, EmptyCell);
        }
        host_.Wait(std::clamp(settings_.RowWait, MinRowWait, MaxRowWait));
    }
    return rows;
}

void Engine::RepaintCollapse() {
    if (PieceY < 0) return;
    for (int x = 0; x < settings_.WellWidth; ++x) {
        bool anyBlock = false;
        for (int y = PieceY; y >= 0 && !anyBlock; --y)
            anyBlock = TheWell.GetCell(x, y) != EmptyCell;
        if (!anyBlock) continue;
        for (int y = PieceY; y >= 0; --y)
            host_.DrawCell(x, y, TheWell.GetCell(x, y));
    }
}

void Engine::UpdateCountersAndPeriod(int rows) {
    if (settings_.SoundOn && rows >= 1 && rows <= 3) PlaySlot(1, true);

    const int interval = host_.TimerInterval();
    int period = interval + Bonus(rows);
    if (rows == 4) {
        AddToCounter(Counter::Line4, 1);
        if (settings_.SoundOn) PlaySlot(2, true);
    }
    AddToCounter(Counter::Kazu, 1);
    if (rows > 0) AddToCounter(Counter::Score, Points(rows));

    period -= Decrease(interval);
    host_.SetTimerInterval(std::min(period, 500));
}

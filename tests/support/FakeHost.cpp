#include "support/FakeHost.h"

#include <stdexcept>

#include "engine/BoardGeometry.h"
#include "support/TextWell.h"

std::string FakeHost::Screen() const {
    return BottomRows(Height);
}

std::string FakeHost::BottomRows(int rows) const {
    std::vector<std::string> lines;
    for (int y = Height - rows; y < Height; ++y) {
        std::string line;
        for (int x = 0; x < Width; ++x)
            line += CellChar(At(x, y));
        lines.push_back(line);
    }
    return JoinRows(lines);
}

bool FakeHost::AdvanceToTick() {
    if (!Enabled) return false;
    const std::uint64_t due = ArmedAt + static_cast<std::uint64_t>(Interval);
    if (due > Now) Now = due;
    return true;
}

void FakeHost::LayoutBoard(int width, int height) {
    Width = width;
    Height = height;
    Cells.assign(static_cast<size_t>(width * height), -1);
    Log.push_back("layout " + std::to_string(width) + "x" + std::to_string(height));
}

void FakeHost::DrawCell(int x, int y, int code) {
    if (x < 0 || x >= Width || y >= Height || !((code >= 0 && code <= 7))) {
        throw std::logic_error("drawn outside the well: " + std::to_string(x) + "," +
                               std::to_string(y) + " code " + std::to_string(code));
    }
    ++Draws;
    if (LogEverything) Log.push_back("draw");
    if (RecordDraws) DrawLog.push_back({x, y, code, Log.size()});
    if (y < 0) return; // hidden rows lie outside the box
    Cells[static_cast<size_t>(y * Width + x)] = code;
}

void FakeHost::FillWellBlack() {
    for (int& cell : Cells)
        cell = 0;
}

void FakeHost::DrawPreview(int shape) {
    Preview = shape;
}
void FakeHost::ClearPreview() {
    Preview = 0;
}
void FakeHost::ShowCounter(Counter which, const std::string& text) {
    Counters[which] = text;
    if (LogEverything) {
        const char* names[] = {"Score", "Kazu", "Line4"};
        Log.push_back(std::string(names[static_cast<int>(which)]) + " " + text);
    }
}
void FakeHost::SetCaption(GameState state, const std::string& caption) {
    State = state;
    Caption = caption;
}

void FakeHost::SetTimerEnabled(bool enabled) {
    if (enabled == Enabled) return;
    Enabled = enabled;
    if (enabled) {
        ArmedAt = Now;
        ++Armings;
    }
}

void FakeHost::SetTimerInterval(int milliseconds) {
    if (milliseconds < 1 || milliseconds > 1000000) throw std::out_of_range("interval");
    // A new period restarts a running event.
    if (milliseconds != Interval && Enabled) ArmedAt = Now;
    Interval = milliseconds;
    Periods.push_back({milliseconds, Log.size()});
    if (LogEverything) Log.push_back("period " + std::to_string(milliseconds));
}

void FakeHost::Wait(int milliseconds) {
    // A platform wait takes a negative length as "forever".
    if (milliseconds < 0) throw std::out_of_range("negative wait");
    if (SaveWaitScreens) WaitScreens.push_back(Screen());
    Log.push_back("wait " + std::to_string(milliseconds));
    if (OnWait) OnWait(milliseconds);
    Now += static_cast<std::uint64_t>(milliseconds);
}

void FakeHost::PlayClip(int slot, bool waitForEnd) {
    Log.push_back("clip " + std::to_string(slot) + (waitForEnd ? " wait" : ""));
    if (waitForEnd) Now += static_cast<std::uint64_t>(ClipLength[slot]);
}

void FakeHost::PlayFile(const std::string& path, bool waitForEnd) {
    Log.push_back("file " + path + (waitForEnd ? " wait" : ""));
    if (waitForEnd) Now += static_cast<std::uint64_t>(FileLength);
}

void FakeHost::Beep(BeepKind kind) {
    Log.push_back("beep " + std::to_string(static_cast<int>(kind)));
}

void FakeHost::ShowMessage(const std::string& text) {
    Messages.push_back(text);
    Log.push_back("message " + text);
}

void FakeHost::MovePointerBesideWell(int wellWidth) {
    // Logged as the client point the window moves the pointer to.
    Log.push_back("pointer " + std::to_string(BoardGeometry::PointerX(wellWidth)) + "," +
                  std::to_string(BoardGeometry::PointerY));
}

std::uint32_t FakeHost::MillisecondsSinceMidnightUtc() {
    return static_cast<std::uint32_t>(Now % (24ull * 3600 * 1000));
}

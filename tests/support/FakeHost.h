#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "engine/EngineHost.h"

// A host with virtual time that records what the engine shows: the well's
// visible cells as drawn, the preview, the counters, the title, and a log of
// waits, sounds, beeps, messages and pointer moves.
class FakeHost : public EngineHost {
public:
    // Virtual milliseconds since midnight UTC; waits and waited-for sounds
    // advance it.
    std::uint64_t Now = 12 * 3600 * 1000;

    // How long each built-in clip plays, by slot; files play for FileLength.
    int ClipLength[4] = {0, 107, 1249, 33};
    int FileLength = 500;

    // The fall clock.
    bool Enabled = false;
    int Interval = 1000;
    std::uint64_t ArmedAt = 0; // when the timer was last switched on
    int Armings = 0;

    // What is on the screen. Cells never drawn hold -1.
    int Width = 0;
    int Height = 0;
    std::vector<int> Cells;
    int Preview = -1; // 0 after ClearPreview, else the shape shown
    std::map<Counter, std::string> Counters;
    std::string Caption = "Brimal  ";  // the idle title the window starts with
    GameState State = GameState::Idle; // as the engine reported it with the title

    std::vector<std::string> Log; // "wait 200", "clip 3", "clip 1 wait", "beep 48", ...
    // While set, every cell drawn ("draw"), counter shown ("Kazu 00001") and
    // period set ("period 491") goes into Log too, so that a test sees the
    // order of everything the host was asked to show.
    bool LogEverything = false;
    std::vector<std::string> WaitScreens; // the screen at the start of every wait
    bool SaveWaitScreens = true;
    std::vector<std::string> Messages;
    int Draws = 0;

    // Every period set, with the length of Log at that moment, so that a test
    // can tell which waits and sounds came before it.
    struct PeriodSet {
        int Milliseconds;
        size_t LogIndex;
    };
    std::vector<PeriodSet> Periods;

    // Every DrawCell call, hidden rows included, while RecordDraws is set;
    // LogIndex is the length of Log at the moment of the draw.
    struct DrawnCell {
        int X, Y, Code;
        size_t LogIndex;
    };
    bool RecordDraws = false;
    std::vector<DrawnCell> DrawLog;

    // Called at the start of every wait, once the wait is logged: lets a test
    // look at the engine in the middle of an operation.
    std::function<void(int milliseconds)> OnWait;

    int At(int x, int y) const { return Cells[static_cast<size_t>(y * Width + x)]; }

    // The well as text, one line per visible row, '.' for empty, the code's
    // digit for a block, '?' for a cell never drawn.
    std::string Screen() const;
    // The same for the bottom `rows` rows only.
    std::string BottomRows(int rows) const;

    // Moves the virtual clock to the moment the armed timer fires. Returns
    // false when the timer is off.
    bool AdvanceToTick();

    void LayoutBoard(int width, int height) override;
    void DrawCell(int x, int y, int code) override;
    void FillWellBlack() override;
    void DrawPreview(int shape) override;
    void ClearPreview() override;
    void ShowCounter(Counter which, const std::string& text) override;
    void SetCaption(GameState state, const std::string& caption) override;
    void SetTimerEnabled(bool enabled) override;
    bool TimerEnabled() const override { return Enabled; }
    void SetTimerInterval(int milliseconds) override;
    int TimerInterval() const override { return Interval; }
    void Wait(int milliseconds) override;
    void PlayClip(int slot, bool waitForEnd) override;
    void PlayFile(const std::string& path, bool waitForEnd) override;
    void Beep(BeepKind kind) override;
    void ShowMessage(const std::string& text) override;
    void MovePointerBesideWell(int wellWidth) override;
    std::uint32_t MillisecondsSinceMidnightUtc() override;
};

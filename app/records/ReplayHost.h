#pragma once

#include "engine/EngineHost.h"

// The host of an engine that plays a record again in the window: it draws
// into the window's well, preview and counters and plays the sounds through
// the window's own host, with the waits shortened by the replay's speed. Its
// fall clock is its own and never ticks (the record holds the ticks); the
// title, the game-over message and the pointer are left alone, so the window
// stays idle to the player's keys while the replay plays.
//
// Threads: the engine's, like every host call.
class ReplayHost : public EngineHost {
public:
    ReplayHost(EngineHost& window, int speed) : window_(window), speed_(speed) {}

    void LayoutBoard(int width, int height) override { window_.LayoutBoard(width, height); }
    void DrawCell(int x, int y, int code) override { window_.DrawCell(x, y, code); }
    void FillWellBlack() override { window_.FillWellBlack(); }
    void DrawPreview(int shape) override { window_.DrawPreview(shape); }
    void ClearPreview() override { window_.ClearPreview(); }
    void ShowCounter(Counter which, const std::string& text) override {
        window_.ShowCounter(which, text);
    }
    void SetCaption(GameState, const std::string&) override {}

    void SetTimerEnabled(bool enabled) override { timerEnabled_ = enabled; }
    bool TimerEnabled() const override { return timerEnabled_; }
    void SetTimerInterval(int milliseconds) override { interval_ = milliseconds; }
    int TimerInterval() const override { return interval_; }

    void Wait(int milliseconds) override { window_.Wait(milliseconds / speed_); }
    void PlayClip(int slot, bool waitForEnd) override { window_.PlayClip(slot, waitForEnd); }
    void PlayFile(const std::string& path, bool waitForEnd) override {
        window_.PlayFile(path, waitForEnd);
    }
    void Beep(BeepKind kind) override { window_.Beep(kind); }
    void ShowMessage(const std::string&) override {}
    void MovePointerBesideWell(int) override {}
    std::uint32_t MillisecondsSinceMidnightUtc() override {
        return window_.MillisecondsSinceMidnightUtc();
    }

private:
    EngineHost& window_;
    int speed_;
    bool timerEnabled_ = false;
    int interval_ = 500;
};

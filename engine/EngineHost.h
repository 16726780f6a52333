#pragma once

#include <cstdint>
#include <string>

#include "engine/BeepKind.h"
#include "engine/GameState.h"

// The three counters beside the well.
enum class Counter { Score, Kazu, Line4 };

// What the engine needs from the window around it: drawing, the fall clock
// Timer1, waits, sounds, messages, the pointer and the clock. Every call
// happens on the thread that runs the engine.
class EngineHost {
public:
    virtual ~EngineHost() = default;

    // Sizes the window and its boxes for a well of width x height cells (the
    // layout half of ResetBoard).
    virtual void LayoutBoard(int width, int height) = 0;
    // Draws the image of `code` on cell (x, y) of the well at once. Cells
    // above row 0 lie outside the well's box and are not seen.
    virtual void DrawCell(int x, int y, int code) = 0;
    // Fills the whole well box black (the first step of a repaint).
    virtual void FillWellBlack() = 0;
    // Shows the preview picture of `shape` in the next-piece box.
    virtual void DrawPreview(int shape) = 0;
    // Draws the empty preview grid and shows it.
    virtual void ClearPreview() = 0;
    virtual void ShowCounter(Counter which, const std::string& text) = 0;
    // The window title, and the state it stands for.
    virtual void SetCaption(GameState state, const std::string& caption) = 0;

    // Timer1: switching it on starts a new period, so the next tick comes one
    // full interval later; switching it on while it runs changes nothing.
    virtual void SetTimerEnabled(bool enabled) = 0;
    virtual bool TimerEnabled() const = 0;
    virtual void SetTimerInterval(int milliseconds) = 0;
    virtual int TimerInterval() const = 0;

    // Blocks the engine for a visible pause.
    virtual void Wait(int milliseconds) = 0;
    // Plays the built-in clip of sound slot 1 to 3, or a WAV file; each sound
    // started stops the one still playing. With waitForEnd the call returns
    // when the sound has ended.
    virtual void PlayClip(int slot, bool waitForEnd) = 0;
    virtual void PlayFile(const std::string& path, bool waitForEnd) = 0;
    virtual void Beep(BeepKind kind) = 0;
    // The centred message over the main window, without icon, with OK alone.
    virtual void ShowMessage(const std::string& text) = 0;
    // Parks the mouse pointer just right of a well `wellWidth` cells wide, on
    // the client area's top edge (BoardGeometry::PointerX), out of the
    // player's way.
    virtual void MovePointerBesideWell(int wellWidth) = 0;
    // The current time of day in UTC, in milliseconds since midnight.
    virtual std::uint32_t MillisecondsSinceMidnightUtc() = 0;
};

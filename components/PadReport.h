#pragma once

#include <cstdint>

// One report of joystick 1: the turning buttons in bits 0 and 1 and any other
// buttons above them, and the stick's position on each axis from 0 (full
// left, full up) through 32768 (centre) to 65535 (full right, full down).
// Start is the game controller's Start button, kept apart from the buttons:
// holding it neither turns the piece nor stops a turn.
struct JoystickReport {
    std::uint32_t Buttons = 0;
    std::uint16_t X = 0;
    std::uint16_t Y = 0;
    bool Start = false;

    bool operator==(const JoystickReport&) const = default;
};

// What a pad shows at one moment, before it becomes a report: the stick as SDL
// reads it (-32768 to 32767), the D-pad or hat as SDL's hat bits, the buttons
// already numbered as the report numbers them, and Start.
struct PadState {
    std::int16_t StickX = 0;
    std::int16_t StickY = 0;
    std::uint8_t DPad = 0;
    std::uint32_t Buttons = 0;
    bool Start = false;
};

// The directions of PadState::DPad, SDL's own hat values (SDL_HAT_UP and so
// on); a diagonal is the sum of its two directions.
namespace DPadBits {
constexpr std::uint8_t Up = 1;
constexpr std::uint8_t Right = 2;
constexpr std::uint8_t Down = 4;
constexpr std::uint8_t Left = 8;
} // namespace DPadBits

// A D-pad direction counts as the stick pushed fully that way and wins over the
// stick on its axis; on an axis where the D-pad points neither way, or both
// ways at once, the stick decides. A diagonal is both of its directions, so
// up-left gives up, which the joystick table lets cancel the left.
JoystickReport ReportOf(const PadState& pad);

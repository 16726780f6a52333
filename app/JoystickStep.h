#pragma once

#include <cstdint>

struct JoyThresholds;

// Turns one joystick report into an action code, by the fixed joystick table:
// button 1 alone turns left, button 2 alone turns right, sideways moves
// (overriding a button), down drops one step, up cancels everything. The
// repeat state holds buttons off for two reports after a turn and sideways
// pushes for one report after a move; it is updated here.
int JoystickStep(int& repeatState, std::uint32_t buttons, std::uint32_t x, std::uint32_t y,
                 const JoyThresholds& thresholds);

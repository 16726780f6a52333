#pragma once

#include <array>

class QKeyEvent;

// Key codes of the game's key table, by the platform's virtual-key numbers.
namespace VirtualKey {
inline constexpr int Escape = 27;
inline constexpr int Space = 32;
inline constexpr int Left = 37;
inline constexpr int Up = 38;
inline constexpr int Right = 39;
inline constexpr int Down = 40;
inline constexpr int X = 88;
inline constexpr int Z = 90;
inline constexpr int Numpad0 = 96;
inline constexpr int Numpad2 = 98;
inline constexpr int Numpad4 = 100;
inline constexpr int Numpad5 = 101;
inline constexpr int Numpad6 = 102;
inline constexpr int Numpad8 = 104;
} // namespace VirtualKey

// Codes of the input hook's own that never reach the engine.
inline constexpr int NoAction = 9;
inline constexpr int MinimiseAction = 10;

// Whether a key press is what the platform sends while Alt is held (a system
// key-down): the key table matches plain key-downs only, so these yield
// nothing, Esc included.
bool IsSystemKeyDown(const QKeyEvent& event);

// The virtual-key number of a key press; keypad keys are told apart from the
// main keys by the keypad modifier, with Num Lock on (digits) and off (arrows,
// Insert, Clear). Shift and Ctrl are not looked at. 0 for a key the table does
// not know.
int VirtualKeyOf(const QKeyEvent& event);

// What a key yields: an action code (a stored key setting, used as it is, or
// the fixed 5 and 6), NoAction, or MinimiseAction for Esc.
int KeyYield(int virtualKey, const std::array<int, 10>& keyActions);

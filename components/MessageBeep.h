#pragma once

#include <functional>

// The desktop's message sounds by their platform numbers.
inline constexpr unsigned MB_ICONEXCLAMATION = 48;
inline constexpr unsigned MB_ICONASTERISK = 64;

// Sounds a message sound. The program's sound player stands behind it (the
// desktop's own bell is silent on most Linux desktops); until one is set, and
// in tests, nothing sounds.
void MessageBeep(unsigned type);

// Sets what MessageBeep does; an empty function makes it silent. Tests use it
// to record the beeps.
void SetMessageBeeper(std::function<void(unsigned type)> beeper);

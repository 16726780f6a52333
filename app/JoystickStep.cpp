#include "app/JoystickStep.h"

#include <limits>

#include "app/KeyTable.h"
#include "components/Joystick.h"
#include "engine/KeyAction.h"

int JoystickStep(int& repeatState, std::uint32_t buttons, std::uint32_t x, std::uint32_t y,
                 const JoyThresholds& thresholds) {
    int code = NoAction;
    if (repeatState != 1 && repeatState != 2) {
        if (buttons == 1) {
            code = kaRotateLeft;
        } else if (buttons == 2) {
            code = kaRotateRight;
        }
        if (x < thresholds.JoyLeft) {
            code = kaMoveLeft;
        } else if (x > thresholds.JoyRight) {
            code = kaMoveRight;
        }
    }
    if (code == kaRotateLeft || code == kaRotateRight) {
        repeatState = 2;
    } else if (code == kaMoveLeft || code == kaMoveRight) {
        repeatState = 1;
    } else if (repeatState > std::numeric_limits<int>::min()) {
        --repeatState;  // keeps falling while the stick is idle
    }
    // The vertical axis counts on every report, also while the repeat state
    // holds the others off.
    if (y < thresholds.JoyUp) {
        code = NoAction;
    } else if (y > thresholds.JoyDown) {
        code = kaDropFast;
    }
    return code;
}

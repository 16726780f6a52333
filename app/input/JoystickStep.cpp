#include "app/input/JoystickStep.h"

#include <limits>

#include "app/input/KeyTable.h"
#include "components/Joystick.h"
#include "engine/KeyAction.h"

int JoystickStep(int& repeatState, const JoystickReport& report, const JoyThresholds& thresholds) {
    int code = NoAction;
    if (repeatState != 1 && repeatState != 2) {
        // Other buttons held with the first two, or both together, give no turn.
        if (report.Buttons == 1) {
            code = kaRotateLeft;
        } else if (report.Buttons == 2) {
            code = kaRotateRight;
        }
        if (report.X < thresholds.JoyLeft) {
            code = kaMoveLeft;
        } else if (report.X > thresholds.JoyRight) {
            code = kaMoveRight;
        }
    }
    if (code == kaRotateLeft || code == kaRotateRight) {
        repeatState = 2;
    } else if (code == kaMoveLeft || code == kaMoveRight) {
        repeatState = 1;
    } else if (repeatState > std::numeric_limits<int>::min()) {
        // Keeps falling while the stick is idle; held at the bottom instead of
        // wrapping round, which would take a year of reports anyway.
        --repeatState;
    }
    // The vertical axis counts on every report, also while the repeat state
    // holds the others off; up cancels whatever the rest gave.
    if (report.Y < thresholds.JoyUp) {
        code = NoAction;
    } else if (report.Y > thresholds.JoyDown) {
        code = kaDropFast;
    }
    return code;
}

bool StartPressed(bool& startHeld, const JoystickReport& report) {
    const bool pressed = report.Start && !startHeld;
    startHeld = report.Start;
    return pressed;
}

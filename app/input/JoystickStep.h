#pragma once

struct JoyThresholds;
struct JoystickReport;

// Turns one joystick move report into an action code, by the fixed joystick
// table: button 1 alone turns left, button 2 alone turns right, a sideways push
// moves (overriding a button), down drops one step, up cancels everything. The
// repeat state holds buttons and sideways pushes off for two reports after a
// turn and for one report after a move; it is updated here and never reset, so
// it carries over between games and pauses.
int JoystickStep(int& repeatState, const JoystickReport& report, const JoyThresholds& thresholds);

// Whether the report presses the game controller's Start: held in it and not in
// the report before, whose state startHeld carries and is updated here. A held
// Start so acts once per press, however many reports show it.
bool StartPressed(bool& startHeld, const JoystickReport& report);

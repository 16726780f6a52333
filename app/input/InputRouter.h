#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <memory>

#include "app/input/KeyPressOnce.h"
#include "engine/GameSettings.h"

class GameSession;
class Joystick;
class SdlSession;
struct JoystickReport;

// The player's input: the application-wide key hook and joystick 1. The hook
// sees the key presses of every window of the program and looks at each once;
// in active play a key becomes the action its setting names, queued for the
// engine; Esc minimises the program in any state. Joystick 1's reports, every
// 15 ms while a pad is plugged in, become actions by the joystick table and
// its repeat state. A game controller's Start, once per press and in any state,
// calls padStart, which decides what it does. Nothing is consumed: every key
// takes its normal course afterwards.
//
// Threads: the UI thread. Whether a game is in active play is decided on the
// engine thread, where the state lives; an action is checked there again when
// it runs, and dropped if play has ended meanwhile.
class InputRouter : public QObject {
public:
    // padMappings is the user's file of game-controller mappings, read when
    // joystick 1 begins.
    InputRouter(GameSession& session, const TGameSettings& settings, const SdlSession& sdl,
                const QString& padMappings, std::function<void()> minimise,
                std::function<void()> padStart);
    ~InputRouter() override; // Stop()

    // Joystick 1 begins once SDL's joystick service has started (after the
    // window's first paint); nothing happens after Stop.
    void OpenJoystick(const SdlSession& sdl);
    // Takes the hook off and releases the joystick, at shut-down.
    void Stop();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void AppMessage(QObject* receiver, QEvent* event);
    void OnJoystickReport(const JoystickReport& report);
    void DispatchAction(int code);

    GameSession& session_;
    const TGameSettings& settings_;
    std::function<void()> minimise_;
    std::function<void()> padStart_;
    KeyPressOnce keyPresses_; // the key press the hook has seen last
    std::unique_ptr<Joystick> joystick_;
    int joyRepeat_ = 0;         // the joystick's auto-repeat state, never reset
    bool padStartHeld_ = false; // Start held in the last report
};

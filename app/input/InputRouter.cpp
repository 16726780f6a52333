#include "app/input/InputRouter.h"

#include <QApplication>
#include <QKeyEvent>

#include "app/input/JoystickStep.h"
#include "app/input/KeyTable.h"
#include "app/play/GameSession.h"
#include "components/Joystick.h"
#include "engine/Engine.h"

InputRouter::InputRouter(GameSession& session, const TGameSettings& settings, const SdlSession& sdl,
                         const QString& padMappings, std::function<void()> minimise,
                         std::function<void()> padStart)
    : session_(session), settings_(settings), minimise_(std::move(minimise)),
      padStart_(std::move(padStart)) {
    qApp->installEventFilter(this);
    // Joystick 1, polled every 15 ms once SDL has started.
    joystick_ = std::make_unique<Joystick>(
        sdl, [this](const JoystickReport& r) { OnJoystickReport(r); }, padMappings);
}

InputRouter::~InputRouter() {
    Stop();
}

void InputRouter::OpenJoystick(const SdlSession& sdl) {
    joystick_->Open(sdl);
}

void InputRouter::Stop() {
    qApp->removeEventFilter(this);
    if (joystick_) joystick_->Release();
}

bool InputRouter::eventFilter(QObject* watched, QEvent* event) {
    AppMessage(watched, event);
    return false;
}

// Installed on the application, so it sees the keys of the settings dialog and
// of message boxes too: Esc minimises the application from any of them, and
// the dialog then gets the key as usual.
void InputRouter::AppMessage(QObject* receiver, QEvent* event) {
    if (session_.Closed() || event->type() != QEvent::KeyPress) return;
    const auto& key = static_cast<const QKeyEvent&>(*event);
    if (!keyPresses_.IsFirstDelivery(receiver, key)) return;
    // An open menu takes the keys for itself (Esc closes it): they neither
    // minimise nor reach the game.
    if (QApplication::activePopupWidget()) return;
    if (IsSystemKeyDown(key)) return;

    const int virtualKey = VirtualKeyOf(key);
    if (!session_.InActivePlay()) {
        if (virtualKey == VirtualKey::Escape) minimise_();
        return;
    }
    // A stored key setting is used as it is: one below 0 reaches DoAction,
    // which ignores it; 7 to 9 and above 10 do nothing; 10 minimises like Esc.
    const int code = KeyYield(virtualKey, settings_.KeyActions);
    if (code < 7) DispatchAction(code);
    if (code == MinimiseAction) minimise_();
}

void InputRouter::OnJoystickReport(const JoystickReport& report) {
    // Start counts in every state: it starts a game as well as pausing one.
    if (StartPressed(padStartHeld_, report) && padStart_) padStart_();
    // The repeat state moves only in active play.
    if (!session_.InActivePlay()) return;
    const int code = JoystickStep(joyRepeat_, report, joystick_->Thresholds());
    if (code < 7) DispatchAction(code);
}

void InputRouter::DispatchAction(int code) {
    // A pause or a step queued before this action may have ended active play
    // by the time it runs. An action refused then is dropped, not kept.
    session_.Post([code](Engine& game) {
        if (game.InActivePlay()) game.DoAction(code);
    });
}

#include <QApplication>
#include <QKeyEvent>

#include "app/BrimalM.h"
#include "app/CentreCommand.h"
#include "app/EngineThread.h"
#include "app/FallClock.h"
#include "app/JoystickStep.h"
#include "app/KeyTable.h"
#include "components/Joystick.h"
#include "engine/Engine.h"

bool TBrimalM::InActivePlay() const {
    // Both halves are mirrors that the engine thread keeps: the title it last
    // set and Timer1's switch, which is off while a step is under way. The
    // hook is installed before either exists.
    return !Closed && Host && Timer1 && Host->CaptionIsPlaying() && Timer1->Enabled();
}

bool TBrimalM::eventFilter(QObject* watched, QEvent* event) {
    AppMessage(watched, event);
    return false; // every message takes its normal course afterwards
}

// Installed on the application, so it sees the keys of the settings dialog and
// of message boxes too: Esc minimises the application from any of them, and
// the dialog then gets the key as usual.
void TBrimalM::AppMessage(QObject* receiver, QEvent* event) {
    if (Closed || event->type() != QEvent::KeyPress) return;
    const auto& key = static_cast<const QKeyEvent&>(*event);
    if (!KeyPresses.IsFirstDelivery(receiver, key)) return;
    // An open menu takes the keys for itself (Esc closes it): they neither
    // minimise nor reach the game.
    if (QApplication::activePopupWidget()) return;
    if (IsSystemKeyDown(key)) return;

    const int virtualKey = VirtualKeyOf(key);
    if (!InActivePlay()) {
        if (virtualKey == VirtualKey::Escape) MinimiseApplication();
        return;
    }
    // A stored key setting is used as it is: one below 0 reaches DoAction,
    // which ignores it; 7 to 9 and above 10 do nothing; 10 minimises like Esc.
    const int code = KeyYield(virtualKey, Settings.KeyActions);
    if (code < 7) DispatchAction(code);
    if (code == MinimiseAction) MinimiseApplication();
}

void TBrimalM::OnJoystickReport(const JoystickReport& report) {
    // The repeat state moves only in active play.
    if (!InActivePlay()) return;
    const int code = JoystickStep(JoyRepeat, report, Joy->Thresholds());
    if (code < 7) DispatchAction(code);
}

void TBrimalM::WindowMenuCommand(int id) {
    if (Closed || InActivePlay() || id != CentreCommandId) return;
    if (isMinimized()) {
        showNormal();
        raise();
        activateWindow();
    }
    CentreOnDesktop();
}

void TBrimalM::DispatchAction(int code) {
    // Checked again on the engine thread: a pause or a step queued before
    // this action may have ended active play by the time it runs. An action
    // refused here is dropped, not kept for later.
    PostToEngine([this, code](Engine& game) {
        if (game.IsPlaying() && Timer1->Enabled()) game.DoAction(code);
    });
}

void TBrimalM::MinimiseApplication() {
    // Minimising the main window minimises the application; it then loses
    // activation, which pauses a game in play.
    showMinimized();
}

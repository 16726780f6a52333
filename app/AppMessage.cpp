#include <QApplication>
#include <QKeyEvent>

#include "app/BrimalM.h"
#include "app/FallClock.h"
#include "app/JoystickStep.h"
#include "app/KeyTable.h"
#include "components/Joystick.h"
#include "engine/Engine.h"

bool TBrimalM::InActivePlay() const {
    return !Closed && Host->CaptionIsPlaying() && Timer1->Enabled();
}

bool TBrimalM::eventFilter(QObject* watched, QEvent* event) {
    AppMessage(watched, event);
    return false;  // every message takes its normal course afterwards
}

void TBrimalM::AppMessage(QObject* receiver, QEvent* event) {
    if (event->type() != QEvent::KeyPress || Closed) return;
    // One key press reaches the filter several times on its way (the window,
    // the focus widget, its parents): act on it once, where it is aimed.
    QWidget* target = QApplication::focusWidget();
    if (!target) target = QApplication::activeWindow();
    if (!target) target = this;
    if (receiver != target) return;

    const int virtualKey = VirtualKeyOf(*static_cast<QKeyEvent*>(event));
    if (!InActivePlay()) {
        if (virtualKey == VirtualKey::Escape) MinimiseApplication();
        return;
    }
    const int code = KeyYield(virtualKey, Settings.KeyActions);
    if (code < 7) DispatchAction(code);
    if (code == MinimiseAction) MinimiseApplication();
}

void TBrimalM::OnJoystickReport(const JoystickReport& report) {
    if (!InActivePlay()) return;
    const int code = JoystickStep(JoyRepeat, report.Buttons, report.X, report.Y, Joy->Thresholds());
    if (code < 7) DispatchAction(code);
}

void TBrimalM::DispatchAction(int code) {
    // Checked again on the engine thread: a pause or a step queued before
    // this action may have ended active play by the time it runs.
    PostToEngine([this, code](Engine& game) {
        if (game.IsPlaying() && Timer1->Enabled()) game.DoAction(code);
    });
}

void TBrimalM::MinimiseApplication() {
    // Minimising the main window minimises the application; it then loses
    // activation, which pauses a game in play.
    showMinimized();
}

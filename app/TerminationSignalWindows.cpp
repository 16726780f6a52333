#include "app/TerminationSignal.h"

#include <QMetaObject>
#include <QPointer>
#include <QWidget>

#include <windows.h>

namespace {

QPointer<QWidget> target;

// Runs on a thread of the system's own: the close is queued to the window's.
BOOL WINAPI OnConsoleControl(DWORD) {
    QWidget* window = target.data();
    if (window == nullptr) return FALSE;
    QMetaObject::invokeMethod(window, &QWidget::close, Qt::QueuedConnection);
    return TRUE;
}

} // namespace

// A window closed by the system (the task manager's End task, the end of the
// session) gets its close message through Qt already. What is left are Ctrl+C
// and the closing of a console that the program was started from.
void CloseOnTermination(QWidget* window) {
    target = window;
    SetConsoleCtrlHandler(OnConsoleControl, TRUE);
}

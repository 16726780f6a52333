#include "support/DialogCatcher.h"

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

DialogCatcher::DialogCatcher(std::function<void(QDialog&)> onDialog, Answer answer)
    : onDialog_(std::move(onDialog)), answer_(answer) {
    QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
    timer_.start(5);
}

void DialogCatcher::Poll() {
    // Waiting for a dialog to become active runs the event loop, and with it
    // this timer: one dialog at a time.
    if (busy_) return;
    QPointer<QDialog> dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (!dialog || !dialog->isVisible()) return;
    busy_ = true;
    const auto* message = dialog->findChild<QLabel*>("Message");
    texts_ << (message ? message->text() : dialog->windowTitle());
    if (onDialog_) onDialog_(*dialog);
    if (dialog && dialog->isVisible() && answer_ == Answer::Enter) {
        EXPECT_TRUE(QTest::qWaitForWindowActive(dialog));
        // Sent to the dialog's own focus control, so that a dialog that failed
        // to come to the front cannot pass the key to a window behind it.
        QTest::keyClick(dialog->focusWidget() ? dialog->focusWidget() : dialog.data(),
                        Qt::Key_Return);
        if (dialog && dialog->isVisible()) ADD_FAILURE() << "Enter did not close the dialog";
    }
    if (dialog && dialog->isVisible()) dialog->reject();
    busy_ = false;
}

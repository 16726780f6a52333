#pragma once

#include <QDialog>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <functional>

// While it lives, catches every modal dialog that comes up, hands it to
// `onDialog`, and closes it unless onDialog has closed it: the program's
// messages and its settings dialog run their own event loop and would wait
// for a user otherwise. It keeps what each dialog said.
class DialogCatcher {
public:
    // How a caught dialog is closed: cancelled, or answered with Enter sent
    // to its focus control once it is active, as a user would (a test then
    // fails if Enter leaves it open).
    enum class Answer { Cancel, Enter };

    explicit DialogCatcher(std::function<void(QDialog&)> onDialog = {},
                           Answer answer = Answer::Cancel);
    explicit DialogCatcher(Answer answer) : DialogCatcher({}, answer) {}

    int Count() const { return static_cast<int>(texts_.size()); }
    // The text of each caught dialog's message, or its title when it shows
    // no message, in the order they came.
    const QStringList& Texts() const { return texts_; }

private:
    void Poll();

    std::function<void(QDialog&)> onDialog_;
    Answer answer_;
    QTimer timer_;
    QStringList texts_;
    bool busy_ = false;
};

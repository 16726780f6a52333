#pragma once

#include <QPointer>
#include <QWidget>

class QKeyEvent;
class QObject;

// Tells the first delivery of a key press from its later ones. An
// application-wide filter sees one press several times: at the window-system
// window, then at the widget the press is aimed at (the focus widget, or the
// window itself), then at that widget's parents for as long as none of them
// accepts it. The press counts once, at the first widget that receives it.
// An auto-repeated press is a press of its own.
//
// Threads: the user-interface thread.
class KeyPressOnce {
public:
    bool IsFirstDelivery(QObject* receiver, const QKeyEvent& event);

private:
    // The delivery seen last; the event is only compared, never read through.
    const QKeyEvent* lastEvent_ = nullptr;
    quint64 lastTimestamp_ = 0;
    QPointer<QWidget> lastReceiver_;
};

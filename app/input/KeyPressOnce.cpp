#include "app/input/KeyPressOnce.h"

#include <QKeyEvent>

bool KeyPressOnce::IsFirstDelivery(QObject* receiver, const QKeyEvent& event) {
    // The window-system window only hands the press on to a widget; a window
    // that a modal dialog blocks hands it on to none, and such a window takes
    // no keys.
    if (!receiver || !receiver->isWidgetType()) return false;
    auto* widget = static_cast<QWidget*>(receiver);
    // Propagation passes the same event object on to the parent of the widget
    // that had it last. A later press may reuse the address of an earlier
    // one; it is taken for a fresh press unless it also has the same time
    // stamp and goes to that parent.
    const bool propagated = &event == lastEvent_ && event.timestamp() == lastTimestamp_ &&
                            lastReceiver_ && widget == lastReceiver_->parentWidget();
    lastEvent_ = &event;
    lastTimestamp_ = event.timestamp();
    lastReceiver_ = widget;
    return !propagated;
}

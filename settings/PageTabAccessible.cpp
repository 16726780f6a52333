#include "settings/PageTabAccessible.h"

#include "settings/PageControl.h"

#include <QWidget>
#include <QWindow>

TPageTabAccessible::TPageTabAccessible(TPageControl* control, int index)
    : control_(control), index_(index) {}

bool TPageTabAccessible::isValid() const {
    return control_ && index_ >= 0 && index_ < control_->PageCount();
}

QWindow* TPageTabAccessible::window() const {
    return control_ ? control_->window()->windowHandle() : nullptr;
}

QAccessibleInterface* TPageTabAccessible::parent() const {
    return QAccessible::queryAccessibleInterface(control_.data());
}

QString TPageTabAccessible::text(QAccessible::Text t) const {
    if (!isValid() || t != QAccessible::Name) return {};
    return control_->Caption(index_);
}

QRect TPageTabAccessible::rect() const {
    if (!isValid()) return {};
    const QRect tab = control_->TabRect(index_);
    return QRect(control_->mapToGlobal(tab.topLeft()), tab.size());
}

QAccessible::State TPageTabAccessible::state() const {
    QAccessible::State state;
    if (!isValid()) {
        state.invalid = true;
        return state;
    }
    state.selectable = true;
    state.focusable = true;
    const bool active = control_->ActivePageIndex() == index_;
    state.selected = active;
    // The control takes the focus for its tabs and shows it on the active one.
    state.focused = active && control_->hasFocus();
    state.disabled = !control_->isEnabled();
    state.invisible = !control_->isVisible();
    return state;
}

void* TPageTabAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::ActionInterface) return static_cast<QAccessibleActionInterface*>(this);
    return nullptr;
}

QStringList TPageTabAccessible::actionNames() const {
    return {pressAction()};
}

void TPageTabAccessible::doAction(const QString& actionName) {
    // A disabled control takes no clicks, so it takes no presses either.
    if (actionName == pressAction() && isValid() && control_->isEnabled())
        control_->SetActivePageIndex(index_);
}

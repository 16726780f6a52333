#include "settings/PageControlAccessible.h"

#include "settings/PageControl.h"
#include "settings/PageTabAccessible.h"

TPageControlAccessible::TPageControlAccessible(TPageControl* control)
    : QAccessibleWidget(control, QAccessible::PageTabList) {}

TPageControlAccessible::~TPageControlAccessible() {
    for (QAccessible::Id id : std::as_const(tabs_))
        QAccessible::deleteAccessibleInterface(id);
}

TPageControl* TPageControlAccessible::Control() const {
    return static_cast<TPageControl*>(widget());
}

QAccessibleInterface* TPageControlAccessible::Tab(int index) const {
    if (index < 0 || index >= Control()->PageCount()) return nullptr;
    if (const auto known = tabs_.constFind(index); known != tabs_.constEnd())
        return QAccessible::accessibleInterface(*known);
    auto* tab = new TPageTabAccessible(Control(), index);
    tabs_.insert(index, QAccessible::registerAccessibleInterface(tab));
    return tab;
}

int TPageControlAccessible::childCount() const {
    return Control()->PageCount() + QAccessibleWidget::childCount();
}

QAccessibleInterface* TPageControlAccessible::child(int index) const {
    const int tabCount = Control()->PageCount();
    if (index < tabCount) return Tab(index);
    return QAccessibleWidget::child(index - tabCount);
}

int TPageControlAccessible::indexOfChild(const QAccessibleInterface* child) const {
    if (!child) return -1;
    if (child->role() == QAccessible::PageTab && child->parent() == this) {
        for (auto tab = tabs_.constBegin(); tab != tabs_.constEnd(); ++tab)
            if (QAccessible::accessibleInterface(tab.value()) == child) return tab.key();
    }
    const int page = QAccessibleWidget::indexOfChild(child);
    return page < 0 ? -1 : Control()->PageCount() + page;
}

QAccessibleInterface* TPageControlAccessible::childAt(int x, int y) const {
    const QPoint point = Control()->mapFromGlobal(QPoint(x, y));
    for (int i = 0; i < Control()->PageCount(); ++i)
        if (Control()->TabRect(i).contains(point)) return Tab(i);
    return QAccessibleWidget::childAt(x, y);
}

QAccessibleInterface* TPageControlAccessible::focusChild() const {
    if (Control()->hasFocus()) return Tab(Control()->ActivePageIndex());
    return QAccessibleWidget::focusChild();
}

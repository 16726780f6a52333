#pragma once

#include <QAccessible>
#include <QAccessibleWidget>
#include <QHash>

class TPageControl;

// A page control as assistive technology sees it: a page tab list whose first
// children are its tabs, one per page in page order, followed by the pages
// themselves (only the active one visible). The tabs' interfaces are made
// when first asked for and live as long as this one.
class TPageControlAccessible : public QAccessibleWidget {
public:
    explicit TPageControlAccessible(TPageControl* control);
    ~TPageControlAccessible() override;

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;

    // The interface of the tab of the given page, or null.
    QAccessibleInterface* Tab(int index) const;

private:
    TPageControl* Control() const;

    mutable QHash<int, QAccessible::Id> tabs_;
};

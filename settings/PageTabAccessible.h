#pragma once

#include <QAccessibleActionInterface>
#include <QAccessibleInterface>
#include <QPointer>

class TPageControl;

// One tab of a page control as assistive technology sees it: a page tab named
// by its caption, selected while its page is shown. Pressing it through the
// accessibility interface chooses its page, as a click on it does. The tab has
// no widget of its own; the page control's interface makes and owns it.
class TPageTabAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    TPageTabAccessible(TPageControl* control, int index);

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::PageTab; }
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QPointer<TPageControl> control_;
    int index_;
};

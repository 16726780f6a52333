#pragma once

#include <QAccessibleValueInterface>
#include <QAccessibleWidget>

class TUpDown;

// A spin button as assistive technology sees it: a spin box with its position
// as the value, its range and its increment. A value set through the
// interface is reached step by step, as by presses on the arrows, so that
// the dialog hears each step as it hears the user's.
class TUpDownAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit TUpDownAccessible(TUpDown* spin);

    void* interface_cast(QAccessible::InterfaceType type) override;
    // Without a name of its own, a spin is named as the field it steps.
    QString text(QAccessible::Text t) const override;

    QVariant currentValue() const override;
    void setCurrentValue(const QVariant& value) override;
    QVariant maximumValue() const override;
    QVariant minimumValue() const override;
    QVariant minimumStepSize() const override;

private:
    TUpDown* Spin() const;
};

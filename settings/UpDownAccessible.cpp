#include "settings/UpDownAccessible.h"

#include "settings/UpDown.h"

#include <QLineEdit>

#include <algorithm>

TUpDownAccessible::TUpDownAccessible(TUpDown* spin)
    : QAccessibleWidget(spin, QAccessible::SpinBox) {}

TUpDown* TUpDownAccessible::Spin() const {
    return static_cast<TUpDown*>(widget());
}

void* TUpDownAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::ValueInterface) return static_cast<QAccessibleValueInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QString TUpDownAccessible::text(QAccessible::Text t) const {
    if (t == QAccessible::Name && widget()->accessibleName().isEmpty() && Spin()->Associate()) {
        if (QAccessibleInterface* field =
                QAccessible::queryAccessibleInterface(Spin()->Associate()))
            return field->text(QAccessible::Name);
    }
    return QAccessibleWidget::text(t);
}

QVariant TUpDownAccessible::currentValue() const {
    return Spin()->Position();
}

void TUpDownAccessible::setCurrentValue(const QVariant& value) {
    bool number = false;
    const int asked = value.toInt(&number);
    TUpDown* spin = Spin();
    if (!number || !spin->isEnabled()) return;
    // The steps stop at the last position short of the value where the
    // increment does not lead onto it, and at a bound where the value lies
    // beyond it. Each step moves the position, so the loop ends.
    const int target = std::clamp(asked, spin->Min(), spin->Max());
    while (spin->Position() != target) {
        const int before = spin->Position();
        const int direction = target > before ? 1 : -1;
        const qint64 next = std::clamp<qint64>(
            qint64(before) + direction * qint64(spin->Increment()), spin->Min(), spin->Max());
        if (direction > 0 ? next > target : next < target) break;
        spin->Step(direction);
        if (spin->Position() == before) break;
    }
}

QVariant TUpDownAccessible::maximumValue() const {
    return Spin()->Max();
}

QVariant TUpDownAccessible::minimumValue() const {
    return Spin()->Min();
}

QVariant TUpDownAccessible::minimumStepSize() const {
    return Spin()->Increment();
}

#include "components/KePanel.h"

#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QPaintEvent>
#include <QPainter>
#include <QPointer>

namespace {

// Draws one bevel of the frame just inside rect and returns the rect that is
// left inside it. Top and left edges take the top colour, bottom and right
// edges the bottom colour, which also owns the top-right and bottom-left
// corners, as a classic raised or sunken panel shows them.
QRect DrawBevel(QPainter& painter, const QRect& rect, TBevelCut cut, const QPalette& palette) {
    if (cut == bvNone) return rect;
    if (cut != bvSpace && rect.width() > 0 && rect.height() > 0) {
        // The frame keeps its look when the panel is disabled; only the
        // controls inside grey out.
        const QColor light = palette.color(QPalette::Active, QPalette::Light);
        const QColor dark = palette.color(QPalette::Active, QPalette::Dark);
        const QColor top = cut == bvLowered ? dark : light;
        const QColor bottom = cut == bvLowered ? light : dark;
        const int l = rect.left(), t = rect.top(), r = rect.right(), b = rect.bottom();
        painter.fillRect(QRect(QPoint(l, t), QPoint(r - 1, t)), top);
        painter.fillRect(QRect(QPoint(l, t), QPoint(l, b - 1)), top);
        painter.fillRect(QRect(QPoint(r, t), QPoint(r, b)), bottom);
        painter.fillRect(QRect(QPoint(l, b), QPoint(r, b)), bottom);
    }
    return rect.adjusted(1, 1, -1, -1);
}

// The children that EnableChildren walks into. Our panels and group boxes
// hold controls by design; a widget of the plain QWidget or QFrame class can
// only be a holder. Any other class is a control in its own right, whose
// inner widgets are its own business.
bool IsContainer(const QWidget* widget) {
    const QMetaObject* kind = widget->metaObject();
    return qobject_cast<const TKePanel*>(widget) || qobject_cast<const QGroupBox*>(widget) ||
           kind == &QWidget::staticMetaObject || kind == &QFrame::staticMetaObject;
}

} // namespace

TKePanel::TKePanel(QWidget* parent) : QWidget(parent) {}

void TKePanel::SetBevelInner(TBevelCut value) {
    if (value == bevelInner_) return;
    bevelInner_ = value;
    update();
}

void TKePanel::SetBevelOuter(TBevelCut value) {
    if (value == bevelOuter_) return;
    bevelOuter_ = value;
    update();
}

void TKePanel::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() != QEvent::EnabledChange) return;

    const bool enabled = isEnabled();
    QWidget* parent = parentWidget();
    if (updateParent_ && parent) {
        // Only a change of the parent's effective state is passed up: when
        // the panel went dark because an ancestor did, the parent is already
        // dark, and forcing it off would leave it off when the ancestor
        // comes back.
        if (parent->isEnabled() != enabled) parent->setEnabled(enabled);
        if (qobject_cast<QGroupBox*>(parent)) parent->update();
    }
    EnableChildren(this, enabled);
}

void TKePanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(backgroundRole()));
    const QRect inside = DrawBevel(painter, rect(), bevelOuter_, palette());
    DrawBevel(painter, inside, bevelInner_, palette());
}

void EnableChildren(QWidget* container, bool value) {
    // A child's enabled-changed handler may add or delete widgets, so walk a
    // guarded copy of the list.
    QList<QPointer<QWidget>> children;
    for (QObject* object : container->children()) {
        auto* widget = qobject_cast<QWidget*>(object);
        if (widget && !widget->isWindow()) children.append(widget);
    }
    for (const QPointer<QWidget>& child : children) {
        if (!child) continue;
        child->setEnabled(value);
        if (!child) continue;
        if (qobject_cast<QGroupBox*>(child)) child->update();
        if (IsContainer(child)) EnableChildren(child, value);
    }
}

#include "components/KePanelAccessible.h"

#include "components/KePanel.h"

TKePanelAccessible::TKePanelAccessible(TKePanel* panel)
    : QAccessibleWidget(panel, QAccessible::Grouping) {}

QAccessibleInterface* TKePanelAccessible::TitleInterface() const {
    return QAccessible::queryAccessibleInterface(static_cast<TKePanel*>(widget())->Title());
}

QString TKePanelAccessible::text(QAccessible::Text t) const {
    QString text = QAccessibleWidget::text(t);
    if (t == QAccessible::Name && text.isEmpty()) {
        // A check box as the title reads as its text, without the mnemonic.
        if (QAccessibleInterface* title = TitleInterface()) text = title->text(QAccessible::Name);
    }
    return text;
}

QList<QPair<QAccessibleInterface*, QAccessible::Relation>>
TKePanelAccessible::relations(QAccessible::Relation match) const {
    auto related = QAccessibleWidget::relations(match);
    if (match & QAccessible::Label) {
        if (QAccessibleInterface* title = TitleInterface())
            related.append({title, QAccessible::Label});
    }
    return related;
}

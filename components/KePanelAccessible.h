#pragma once

#include <QAccessibleWidget>

class TKePanel;

// A bevelled panel as assistive technology sees it: a grouping of the
// controls inside it, named by its title where it has one (unless the panel
// has an accessible name of its own), and labelled by that title.
class TKePanelAccessible : public QAccessibleWidget {
public:
    explicit TKePanelAccessible(TKePanel* panel);

    QString text(QAccessible::Text t) const override;
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>>
    relations(QAccessible::Relation match = QAccessible::AllRelations) const override;

private:
    QAccessibleInterface* TitleInterface() const;
};

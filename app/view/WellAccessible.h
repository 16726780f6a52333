#pragma once

#include <QAccessibleWidget>

class WellView;

// The well as assistive technology sees it: a graphic named "井戸" whose
// description is the game's state in words, as the window gives it.
class WellAccessible : public QAccessibleWidget {
public:
    explicit WellAccessible(WellView* well);
    QString text(QAccessible::Text t) const override;
};

#include "app/view/WellAccessible.h"

#include "app/view/BoardWidgets.h"

WellAccessible::WellAccessible(WellView* well) : QAccessibleWidget(well, QAccessible::Graphic) {}

QString WellAccessible::text(QAccessible::Text t) const {
    const auto* well = static_cast<const WellView*>(widget());
    if (t == QAccessible::Name) return WellView::tr("井戸");
    if (t == QAccessible::Description) return well->Description();
    return QAccessibleWidget::text(t);
}

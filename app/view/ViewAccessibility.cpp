#include "app/view/ViewAccessibility.h"

#include "app/view/BoardWidgets.h"
#include "app/view/PreviewAccessible.h"
#include "app/view/WellAccessible.h"
#include "settings/SettingsAccessibility.h"

#include <QAccessible>

namespace {

QAccessibleInterface* ViewFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("WellView")) {
        if (auto* well = qobject_cast<WellView*>(object)) return new WellAccessible(well);
    } else if (className == QLatin1String("PreviewView")) {
        if (auto* preview = qobject_cast<PreviewView*>(object))
            return new PreviewAccessible(preview);
    }
    return nullptr;
}

} // namespace

void InstallViewAccessibility() {
    InstallSettingsAccessibility();
    QAccessible::installFactory(ViewFactory);
}

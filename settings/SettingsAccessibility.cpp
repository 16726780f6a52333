#include "settings/SettingsAccessibility.h"

#include "components/ComponentsAccessibility.h"
#include "settings/PageControl.h"
#include "settings/PageControlAccessible.h"
#include "settings/UpDown.h"
#include "settings/UpDownAccessible.h"

#include <QAccessible>

namespace {

QAccessibleInterface* SettingsFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("TPageControl")) {
        if (auto* control = qobject_cast<TPageControl*>(object))
            return new TPageControlAccessible(control);
    } else if (className == QLatin1String("TUpDown")) {
        if (auto* spin = qobject_cast<TUpDown*>(object)) return new TUpDownAccessible(spin);
    }
    return nullptr;
}

} // namespace

void InstallSettingsAccessibility() {
    InstallComponentsAccessibility();
    QAccessible::installFactory(SettingsFactory);
}

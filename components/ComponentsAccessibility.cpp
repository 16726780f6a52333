#include "components/ComponentsAccessibility.h"

#include "components/KePanel.h"
#include "components/KePanelAccessible.h"

#include <QAccessible>

namespace {

// Asked once for each class name of an object's class and its bases, most
// derived first: a panel's subclass gets the panel's interface.
QAccessibleInterface* ComponentsFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("TKePanel")) {
        if (auto* panel = qobject_cast<TKePanel*>(object)) return new TKePanelAccessible(panel);
    }
    return nullptr;
}

} // namespace

void InstallComponentsAccessibility() {
    // Qt keeps a factory once, however often it is installed.
    QAccessible::installFactory(ComponentsFactory);
}

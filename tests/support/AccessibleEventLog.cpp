#include "support/AccessibleEventLog.h"

#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

namespace {

AccessibleEventLog* current = nullptr;

void SetAccessibilityActive(bool active) {
    if (QPlatformAccessibility* accessibility =
            QGuiApplicationPrivate::platformIntegration()->accessibility())
        accessibility->setActive(active);
}

} // namespace

AccessibleEventLog::AccessibleEventLog() {
    current = this;
    SetAccessibilityActive(true);
    QAccessible::installUpdateHandler([](QAccessibleEvent* event) {
        QVariant value;
        if (event->type() == QAccessible::ValueChanged)
            value = static_cast<QAccessibleValueChangeEvent*>(event)->value();
        current->entries.push_back({event->object(), event->child(), event->type(), value});
    });
}

AccessibleEventLog::~AccessibleEventLog() {
    QAccessible::installUpdateHandler(nullptr);
    SetAccessibilityActive(false);
    current = nullptr;
}

std::vector<AccessibleEventLog::Entry> AccessibleEventLog::Of(const QObject* object,
                                                              QAccessible::Event type) const {
    std::vector<Entry> found;
    for (const Entry& entry : entries)
        if (entry.object == object && entry.type == type) found.push_back(entry);
    return found;
}

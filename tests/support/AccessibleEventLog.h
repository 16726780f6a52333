#pragma once

#include <QAccessible>
#include <QPointer>
#include <QVariant>

#include <vector>

// Listens to Qt's accessibility events as assistive technology would, while
// it lives: Qt's accessibility is switched on (Qt sends nothing otherwise, and
// the offscreen platform never switches it on by itself) and every event is
// recorded. One at a time.
class AccessibleEventLog {
public:
    AccessibleEventLog();
    ~AccessibleEventLog();
    AccessibleEventLog(const AccessibleEventLog&) = delete;
    AccessibleEventLog& operator=(const AccessibleEventLog&) = delete;

    struct Entry {
        QPointer<QObject> object;
        int child; // -1 for the object itself
        QAccessible::Event type;
        QVariant value; // the new value of a value change
    };
    std::vector<Entry> entries;

    // The events about one object, or one child of it, of one type.
    std::vector<Entry> Of(const QObject* object, QAccessible::Event type) const;
};

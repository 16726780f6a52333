#pragma once

#include <QObject>
#include <QString>
#include <gtest/gtest.h>

// A control of a window, found by its object name (every control of the
// program's windows has its name as object name). Fails the test when there
// is none.
template <class Control> Control* Find(const QObject& window, const char* name) {
    auto* control = window.findChild<Control*>(QString::fromLatin1(name));
    EXPECT_NE(control, nullptr) << "no control named " << name;
    return control;
}

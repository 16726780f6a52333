#include "settings/UpDown.h"

#include <QLineEdit>
#include <QWidget>

#include <gtest/gtest.h>

// This program runs in a German locale (LC_ALL=de_DE.UTF-8), whose thousands
// separator is the full stop: the number fields group with the system's
// separator, not always with a comma.
TEST(UpDownLocale, TheFieldGroupsWithTheSystemsThousandsSeparator) {
    QWidget window;
    QLineEdit* edit = new QLineEdit(&window);
    TUpDown* spin = new TUpDown(&window);
    spin->SetRange(0, 1000);
    spin->SetAssociate(edit);
    spin->SetPosition(1000);
    EXPECT_EQ(edit->text(), "1.000");
    EXPECT_EQ(ThousandsText(-1234567), "-1.234.567");
}

#include "settings/UpDown.h"

#include "support/QtPrinters.h"

#include <QLineEdit>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

struct SpinRig {
    QWidget window;
    QLineEdit* edit = new QLineEdit(&window);
    TUpDown* spin = new TUpDown(&window);
    int changing = 0;

    SpinRig(int min, int max, int increment, int position) {
        edit->setReadOnly(true);
        edit->setGeometry(40, 24, 41, 23);
        spin->SetRange(min, max);
        spin->SetIncrement(increment);
        spin->SetAssociate(edit);
        spin->SetPosition(position);
        QObject::connect(spin, &TUpDown::Changing, [this] { ++changing; });
        window.show();
    }
    void Press(bool up) {
        const QPoint point(spin->width() / 2, up ? 2 : spin->height() - 2);
        QTest::mousePress(spin, Qt::LeftButton, {}, point);
        QTest::mouseRelease(spin, Qt::LeftButton, {}, point);
    }
};

TEST(UpDown, ThousandsTextGroupsDigitsInThrees) {
    const std::pair<int, const char*> cases[] = {
        {0, "0"}, {999, "999"}, {1000, "1,000"}, {1234567, "1,234,567"}, {-1000, "-1,000"}};
    for (const auto& [value, text] : cases)
        EXPECT_EQ(ThousandsText(value), text) << value;
}

TEST(UpDown, StepsByItsIncrementAndStopsAtTheEndsWithoutWrapping) {
    struct Case {
        int min, max, increment, start;
        bool up;
        int presses;
        const char* shown;
    };
    const Case cases[] = {
        {0, 1000, 10, 980, true, 3, "1,000"}, {0, 1000, 10, 20, false, 5, "0"},
        {2, 100, 2, 10, true, 1, "12"},       {2, 100, 2, 3, false, 1, "2"},
        {17, 50, 1, 50, true, 1, "50"},       {6, 50, 1, 6, false, 1, "6"},
    };
    for (const Case& c : cases) {
        SpinRig rig(c.min, c.max, c.increment, c.start);
        for (int i = 0; i < c.presses; ++i)
            rig.Press(c.up);
        EXPECT_EQ(rig.edit->text(), c.shown) << c.start;
        // Every press announces its step, also one that meets the end.
        EXPECT_EQ(rig.changing, c.presses) << c.start;
    }
}

TEST(UpDown, PositionsFromOutsideTheRangeShowAtTheNearerEnd) {
    SpinRig rig(0, 100, 1, 250);
    EXPECT_EQ(rig.spin->Position(), 100);
    EXPECT_EQ(rig.edit->text(), "100");
    rig.spin->SetPosition(-7);
    EXPECT_EQ(rig.edit->text(), "0");
    EXPECT_EQ(rig.changing, 0);
}

TEST(UpDown, ArrowKeysInTheEditStepAndAPressFocusesTheEdit) {
    SpinRig rig(0, 100, 1, 50);
    EXPECT_TRUE(QTest::qWaitForWindowActive(&rig.window));
    rig.Press(true);
    EXPECT_TRUE(rig.edit->hasFocus());
    QTest::keyClick(rig.edit, Qt::Key_Up);
    QTest::keyClick(rig.edit, Qt::Key_Up);
    QTest::keyClick(rig.edit, Qt::Key_Down);
    EXPECT_EQ(rig.edit->text(), "52");
    EXPECT_EQ(rig.changing, 4);
    QTest::keyClicks(rig.edit, "9");
    EXPECT_EQ(rig.edit->text(), "52");
    rig.spin->setEnabled(false);
    QTest::keyClick(rig.edit, Qt::Key_Up);
    EXPECT_EQ(rig.edit->text(), "52");
}

} // namespace

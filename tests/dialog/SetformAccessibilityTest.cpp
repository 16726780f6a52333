// The settings dialog as a screen reader sees it through Qt's accessibility
// interfaces: the page control's tabs, the spin buttons' values and the
// panels' names.

#include "SetformRig.h"

#include "components/KePanel.h"
#include "settings/PageControl.h"
#include "settings/SettingsAccessibility.h"
#include "settings/UpDown.h"
#include "support/AccessibleEventLog.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAccessibleValueInterface>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <vector>

namespace {

class SetformAccessibility : public testing::Test {
protected:
    void SetUp() override { InstallSettingsAccessibility(); }

    static QAccessibleInterface* Of(QObject* object) {
        return QAccessible::queryAccessibleInterface(object);
    }
};

TEST_F(SetformAccessibility, ThePageControlIsATabListOfTheSixPagesWithTheShownOneSelected) {
    SetformRig rig;
    QAccessibleInterface* list = Of(rig.form->PageControl1);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->role(), QAccessible::PageTabList);
    const QStringList names = {"基本", "拡張", "発生割合", "サウンド", "キー1", "キー2"};
    ASSERT_GE(list->childCount(), 6);
    QStringList tabNames;
    for (int i = 0; i < 6; ++i) {
        QAccessibleInterface* tab = list->child(i);
        ASSERT_NE(tab, nullptr);
        EXPECT_EQ(tab->role(), QAccessible::PageTab);
        EXPECT_EQ(tab->parent(), list);
        EXPECT_EQ(list->indexOfChild(tab), i);
        EXPECT_EQ(tab->state().selected, i == 0) << i;
        const QRect onScreen(
            rig.form->PageControl1->mapToGlobal(rig.form->PageControl1->TabRect(i).topLeft()),
            rig.form->PageControl1->TabRect(i).size());
        EXPECT_EQ(tab->rect(), onScreen) << i;
        EXPECT_EQ(list->childAt(onScreen.center().x(), onScreen.center().y()), tab) << i;
        tabNames << tab->text(QAccessible::Name);
    }
    EXPECT_EQ(tabNames, names);
    // The pages follow the tabs, reachable for their controls.
    EXPECT_EQ(list->childCount(), 12);
    EXPECT_EQ(list->child(6)->object(), rig.form->PageControl1->Page(0));
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(list->child(6 + i)->text(QAccessible::Name), names[i]) << "page " << i;
}

TEST_F(SetformAccessibility, PressingATabShowsItsPageAsAClickDoesAndEachChoiceTellsTheTabs) {
    SetformRig rig;
    TPageControl* control = rig.form->PageControl1;
    QSignalSpy changes(control, &TPageControl::Change);
    QAccessibleInterface* sound = Of(control)->child(3);
    QAccessibleActionInterface* action = sound->actionInterface();
    ASSERT_NE(action, nullptr);
    ASSERT_EQ(action->actionNames(), QStringList{QAccessibleActionInterface::pressAction()});

    action->doAction(QAccessibleActionInterface::pressAction());

    EXPECT_EQ(control->ActivePageIndex(), 3);
    EXPECT_TRUE(control->Page(3)->isVisible());
    EXPECT_FALSE(control->Page(0)->isVisible());
    EXPECT_EQ(changes.count(), 1);
    EXPECT_TRUE(sound->state().selected);
    EXPECT_FALSE(Of(control)->child(0)->state().selected);

    // Choosing a page from code tells which tabs' selection changed, then
    // where the focus went.
    AccessibleEventLog log;
    control->setFocus();
    log.entries.clear();
    control->SetActivePageIndex(2);
    std::vector<std::pair<int, QAccessible::Event>> seen;
    for (const auto& entry : log.entries)
        if (entry.object == control) seen.emplace_back(entry.child, entry.type);
    const std::vector<std::pair<int, QAccessible::Event>> expected = {
        {3, QAccessible::StateChanged}, {2, QAccessible::StateChanged}, {2, QAccessible::Focus}};
    EXPECT_EQ(seen, expected);

    // A disabled control takes no presses, as it takes no clicks.
    control->setEnabled(false);
    Of(control)->child(1)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(control->ActivePageIndex(), 2);
}

TEST_F(SetformAccessibility, SpinsShowTheirPositionRangeAndStepAndTellEachChange) {
    SetformRig rig;
    struct Spin {
        TUpDown* spin;
        int value, min, max, step;
    };
    TSetform* f = rig.form;
    const Spin spins[] = {
        {f->SUpDown, 10, 2, 100, 2},    {f->YUpDown, 25, 17, 50, 1}, {f->XUpDown, 8, 6, 50, 1},
        {f->WUpDown, 200, 0, 1000, 10}, {f->UpDown1, 15, 0, 100, 1}, {f->UpDown7, 14, 0, 100, 1},
    };
    // The ratio fields, which have no labels, and their spins are named by
    // their kinds.
    EXPECT_EQ(Of(f->Edit1)->text(QAccessible::Name), "O型");
    EXPECT_EQ(Of(f->UpDown1)->text(QAccessible::Name), "O型");
    EXPECT_EQ(Of(f->UpDown7)->text(QAccessible::Name), "T型");
    for (const Spin& s : spins) {
        SCOPED_TRACE(s.spin->objectName().toStdString());
        QAccessibleInterface* spin = Of(s.spin);
        EXPECT_EQ(spin->role(), QAccessible::SpinBox);
        QAccessibleValueInterface* value = spin->valueInterface();
        ASSERT_NE(value, nullptr);
        EXPECT_EQ(value->currentValue(), s.value);
        EXPECT_EQ(value->minimumValue(), s.min);
        EXPECT_EQ(value->maximumValue(), s.max);
        EXPECT_EQ(value->minimumStepSize(), s.step);
    }

    // The wait steps by 10: 347 is reached as far as 340, beyond the end as
    // 1,000, and every step is heard as the user's own.
    QSignalSpy steps(f->WUpDown, &TUpDown::Changing);
    QAccessibleValueInterface* wait = Of(f->WUpDown)->valueInterface();
    wait->setCurrentValue(347);
    EXPECT_EQ(f->WUpDown->Position(), 340);
    EXPECT_EQ(f->WTime->text(), "340");
    EXPECT_EQ(steps.count(), 14);
    wait->setCurrentValue(5000);
    EXPECT_EQ(f->WUpDown->Position(), 1000);
    wait->setCurrentValue("many");
    EXPECT_EQ(f->WUpDown->Position(), 1000);

    // Every change of a value is told once, whoever makes it; setting the
    // same position again tells nothing.
    AccessibleEventLog log;
    f->XUpDown->Step(1);
    f->XUpDown->SetPosition(20);
    f->XUpDown->SetPosition(20);
    std::vector<QVariant> values;
    for (const auto& entry : log.Of(f->XUpDown, QAccessible::ValueChanged))
        values.push_back(entry.value);
    EXPECT_EQ(values, (std::vector<QVariant>{9, 20}));
}

TEST_F(SetformAccessibility, PanelsAreGroupingsNamedByTheirTitles) {
    SetformRig rig;
    const struct {
        TKePanel* panel;
        QString name;
        QWidget* title;
    } panels[] = {
        {rig.form->KePanel5, "", nullptr},
        {rig.form->KePanel6, "最初にブロックを降らせる", rig.form->FallCheck},
        {rig.form->KePanel2, "ゲーム領域の大きさ", rig.form->StaticText3},
        {rig.form->KePanel1, "並んだときの待ち時間", rig.form->StaticText1},
        {rig.form->KePanel4, "ブロックの発生割合を設定する", rig.form->KomaCheck},
        {rig.form->KePanel3, "サウンドを鳴らす", rig.form->SoundCheck},
    };
    for (const auto& p : panels) {
        SCOPED_TRACE(p.panel->objectName().toStdString());
        QAccessibleInterface* panel = Of(p.panel);
        EXPECT_EQ(panel->role(), QAccessible::Grouping);
        EXPECT_EQ(panel->text(QAccessible::Name), p.name);
        const auto labels = panel->relations(QAccessible::Label);
        if (p.title) {
            ASSERT_EQ(labels.size(), 1);
            EXPECT_EQ(labels[0].first->object(), p.title);
        } else {
            EXPECT_TRUE(labels.isEmpty());
        }
    }
}

} // namespace

#include "SetformRig.h"

#include "components/KePanel.h"
#include "settings/PageControl.h"
#include "settings/UpDown.h"
#include "support/LanguageForTest.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QStyleOption>
#include <QTest>

#include <gtest/gtest.h>

#include <set>

namespace {

// Where a control lies in its parent and what it says. A size of 0 x 0 stands
// for the natural size of a label's text.
struct Placement {
    const char* name;
    const char* parent;
    QRect rect;
    const char* text = nullptr;
};

const Placement Placements[] = {
    {"PageControl1", "Setform", {11, 8, 262, 277}},
    {"Button3", "Setform", {288, 50, 81, 31}, "OK"},
    {"Button4", "Setform", {288, 98, 81, 33}, "キャンセル"},
    {"HelpButton", "Setform", {288, 252, 81, 33}, "ヘルプ"},
    // 基本
    {"KePanel5", "TabSheet1", {24, 16, 209, 73}},
    {"NextCheck", "KePanel5", {32, 16, 161, 17}, "次の駒を表示する"},
    {"ColorCheck", "KePanel5", {32, 40, 129, 17}, "色を固定する"},
    {"FallCheck", "TabSheet1", {32, 120, 185, 17}, "最初にブロックを降らせる"},
    {"KePanel6", "TabSheet1", {24, 128, 209, 57}},
    {"SEdit1", "KePanel6", {40, 24, 41, 23}},
    {"Label12", "KePanel6", {104, 32, 0, 0}, "ピース"},
    // 拡張
    {"StaticText3", "TabSheet2", {32, 24, 131, 19}, "ゲーム領域の大きさ"},
    {"KePanel2", "TabSheet2", {24, 32, 209, 57}},
    {"Label14", "KePanel2", {16, 32, 0, 0}, "縦"},
    {"YEdit", "KePanel2", {40, 24, 33, 23}},
    {"Label16", "KePanel2", {96, 32, 0, 0}, "×"},
    {"Label17", "KePanel2", {112, 32, 0, 0}, "横"},
    {"XEdit", "KePanel2", {136, 24, 33, 23}},
    {"StaticText1", "TabSheet2", {32, 120, 144, 19}, "並んだときの待ち時間"},
    {"KePanel1", "TabSheet2", {24, 128, 209, 57}},
    {"WTime", "KePanel1", {40, 24, 47, 23}},        // 6 wider, for "1,000"
    {"Label15", "KePanel1", {110, 32, 0, 0}, "ms"}, // moved along with it
    // 発生割合
    {"KomaCheck", "TabSheet3", {16, 8, 217, 17}, "ブロックの発生割合を設定する"},
    {"KePanel4", "TabSheet3", {8, 16, 241, 201}},
    {"BP", "KePanel4", {16, 24, 48, 48}},
    {"Edit1", "KePanel4", {80, 24, 33, 23}},
    {"Edit2", "KePanel4", {80, 56, 33, 23}},
    {"Edit3", "KePanel4", {80, 88, 33, 23}},
    {"Edit4", "KePanel4", {80, 120, 33, 23}},
    {"Edit5", "KePanel4", {160, 24, 33, 23}},
    {"Edit6", "KePanel4", {160, 56, 33, 23}},
    {"Edit7", "KePanel4", {160, 88, 33, 23}},
    {"Label18", "KePanel4", {96, 168, 0, 0}, "合計"},
    {"SumEdit", "KePanel4", {136, 160, 33, 23}},
    {"Label19", "KePanel4", {176, 168, 0, 0}, "%"},
    // サウンド
    {"SoundCheck", "TabSheet4", {16, 8, 129, 17}, "サウンドを鳴らす"},
    {"KePanel3", "TabSheet4", {8, 16, 241, 201}},
    {"Label1", "KePanel3", {16, 28, 0, 0}, "消し"},
    {"WName1", "KePanel3", {96, 24, 129, 23}},
    {"Label2", "KePanel3", {16, 76, 0, 0}, "４段抜"},
    {"WName2", "KePanel3", {96, 72, 129, 23}},
    {"Label13", "KePanel3", {16, 124, 0, 0}, "接地"},
    {"WName3", "KePanel3", {96, 120, 129, 23}},
    {"ButtonStd", "KePanel3", {16, 168, 209, 25}, "標準のサウンドに戻す"},
    // キー1 and キー2: the lists are 6 wider, for "一気に落とす"
    {"KeyLabel1", "TabSheet5", {16, 8, 0, 0}, "上"},
    {"ComboBox1", "TabSheet5", {136, 8, 111, 23}},
    {"KeyLabel2", "TabSheet5", {16, 40, 0, 0}, "下"},
    {"ComboBox2", "TabSheet5", {136, 40, 111, 23}},
    {"KeyLabel10", "TabSheet5", {16, 72, 0, 0}, "左"},
    {"ComboBox10", "TabSheet5", {136, 72, 111, 23}, "左移動"},
    {"KeyLabel11", "TabSheet5", {16, 104, 0, 0}, "右"},
    {"ComboBox11", "TabSheet5", {136, 104, 111, 23}, "右移動"},
    {"KeyLabel3", "TabSheet5", {16, 136, 0, 0}, "スペース"},
    {"ComboBox3", "TabSheet5", {136, 136, 111, 23}},
    {"KeyLabel4", "TabSheet5", {16, 168, 0, 0}, "X"},
    {"ComboBox4", "TabSheet5", {136, 168, 111, 23}},
    {"KeyLabel5", "TabSheet5", {16, 200, 0, 0}, "Z"},
    {"ComboBox5", "TabSheet5", {136, 200, 111, 23}},
    {"KeyLabel6", "TabSheet6", {16, 8, 0, 0}, "テンキー ８"},
    {"ComboBox6", "TabSheet6", {136, 8, 111, 23}},
    {"KeyLabel7", "TabSheet6", {16, 40, 0, 0}, "テンキー ５"},
    {"ComboBox7", "TabSheet6", {136, 40, 111, 23}},
    {"KeyLabel9", "TabSheet6", {16, 72, 0, 0}, "テンキー ２"},
    {"ComboBox9", "TabSheet6", {136, 72, 111, 23}},
    {"KeyLabel8", "TabSheet6", {16, 104, 0, 0}, "テンキー ０"},
    {"ComboBox8", "TabSheet6", {136, 104, 111, 23}},
    {"KeyLabel12", "TabSheet6", {16, 136, 0, 0}, "テンキー ４"},
    {"ComboBox12", "TabSheet6", {136, 136, 111, 23}, "左移動"},
    {"KeyLabel13", "TabSheet6", {16, 168, 0, 0}, "テンキー ６"},
    {"ComboBox13", "TabSheet6", {136, 168, 111, 23}, "右移動"},
};

QString TextOf(const QWidget* widget) {
    if (auto* button = qobject_cast<const QAbstractButton*>(widget)) return button->text();
    if (auto* label = qobject_cast<const QLabel*>(widget)) return label->text();
    if (auto* list = qobject_cast<const QComboBox*>(widget)) return list->currentText();
    return {};
}

TEST(SetformLayout, TheWindowIsFixedWithSixPagesOpeningOnTheFirst) {
    SetformRig rig;
    EXPECT_EQ(rig.form->windowTitle(), "各種設定");
    EXPECT_EQ(rig.form->size(), QSize(381, 294));
    const QRect screen = rig.form->screen()->geometry();
    EXPECT_LE((rig.form->frameGeometry().center() - screen.center()).manhattanLength(), 1);
    EXPECT_EQ(rig.form->minimumSize(), rig.form->maximumSize());
    EXPECT_EQ(QFontInfo(rig.form->font()).family(), "IPAPGothic");
    EXPECT_EQ(rig.form->font().pixelSize(), 15);
    const TPageControl* pages = rig.form->PageControl1;
    QStringList captions;
    for (int i = 0; i < pages->PageCount(); ++i)
        captions << pages->Caption(i);
    EXPECT_EQ(captions, QStringList({"基本", "拡張", "発生割合", "サウンド", "キー1", "キー2"}));
    EXPECT_EQ(pages->ActivePageIndex(), 0);
    EXPECT_EQ(QApplication::focusWidget(), pages);
    EXPECT_TRUE(rig.form->Button3->isDefault());
}

TEST(SetformLayout, EveryControlHasItsParentPlaceAndText) {
    SetformRig rig;
    for (const Placement& p : Placements) {
        auto* widget = rig.Find<QWidget>(p.name);
        ASSERT_NE(widget, nullptr) << p.name;
        EXPECT_EQ(widget->parentWidget()->objectName(), p.parent) << p.name;
        const QSize size = p.rect.isEmpty() ? widget->sizeHint() : p.rect.size();
        EXPECT_EQ(widget->geometry(), QRect(p.rect.topLeft(), size)) << p.name;
        if (p.text) {
            EXPECT_EQ(TextOf(widget), QString(p.text)) << p.name;
        }
    }
}

TEST(SetformLayout, EveryNumberFieldIsAReadOnlyEditWithItsSpinAgainstItsRightEdge) {
    struct Spin {
        const char* name;
        const char* edit;
        int min, max, increment;
    };
    const Spin spins[] = {
        {"SUpDown", "SEdit1", 2, 100, 2}, {"YUpDown", "YEdit", 17, 50, 1},
        {"XUpDown", "XEdit", 6, 50, 1},   {"WUpDown", "WTime", 0, 1000, 10},
        {"UpDown1", "Edit1", 0, 100, 1},  {"UpDown2", "Edit2", 0, 100, 1},
        {"UpDown3", "Edit3", 0, 100, 1},  {"UpDown4", "Edit4", 0, 100, 1},
        {"UpDown5", "Edit5", 0, 100, 1},  {"UpDown6", "Edit6", 0, 100, 1},
        {"UpDown7", "Edit7", 0, 100, 1},
    };
    SetformRig rig;
    for (const Spin& s : spins) {
        auto* spin = rig.Find<TUpDown>(s.name);
        auto* edit = rig.Find<QLineEdit>(s.edit);
        ASSERT_TRUE(spin && edit) << s.name;
        EXPECT_EQ(spin->Associate(), edit) << s.name;
        EXPECT_TRUE(edit->isReadOnly()) << s.edit;
        EXPECT_EQ(spin->parentWidget(), edit->parentWidget()) << s.name;
        EXPECT_EQ(spin->geometry(), QRect(edit->geometry().right() + 1, edit->y(),
                                          TUpDown::ButtonWidth, edit->height()))
            << s.name;
        EXPECT_EQ(spin->Min(), s.min) << s.name;
        EXPECT_EQ(spin->Max(), s.max) << s.name;
        EXPECT_EQ(spin->Increment(), s.increment) << s.name;
    }
}

// The width a widget gives its text, by the style's own measure.
int TextRoom(QWidget* widget) {
    QStyle* style = widget->style();
    if (auto* check = qobject_cast<QCheckBox*>(widget)) {
        QStyleOptionButton option;
        option.initFrom(check);
        return style->subElementRect(QStyle::SE_CheckBoxContents, &option, check).width();
    }
    if (auto* button = qobject_cast<QPushButton*>(widget)) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.features = QStyleOptionButton::AutoDefaultButton;
        return style->subElementRect(QStyle::SE_PushButtonContents, &option, button).width();
    }
    if (auto* list = qobject_cast<QComboBox*>(widget)) {
        QStyleOptionComboBox option;
        option.initFrom(list);
        option.editable = false;
        option.frame = true;
        // The label is drawn one pixel in from each side of the field.
        return style
                   ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField,
                                    list)
                   .width() -
               2;
    }
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        QStyleOptionFrame option;
        option.initFrom(edit);
        option.lineWidth = style->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit);
        const QRect contents = style->subElementRect(QStyle::SE_LineEditContents, &option, edit)
                                   .marginsRemoved(edit->textMargins());
        // Qt keeps 2 pixels inside the margins, and a text scrolls unless one
        // more pixel is free after it.
        return contents.width() - 2 * 2 - 1;
    }
    return widget->width();
}

// Every text of the dialog, the page captions included, fits its control
// with the stand-in font, in the language in use.
void ExpectEveryTextShowsWhole() {
    SetformRig rig;
    // The number fields at their widest values.
    for (auto* spin : rig.form->findChildren<TUpDown*>())
        spin->SetPosition(spin->Max());
    rig.form->SumEdit->setText("700");
    const QFontMetrics metrics(rig.form->font());
    for (QWidget* widget : rig.form->findChildren<QWidget*>()) {
        QStringList texts{TextOf(widget)};
        if (auto* list = qobject_cast<QComboBox*>(widget))
            for (int i = 0; i < list->count(); ++i)
                texts << list->itemText(i);
        if (auto* edit = qobject_cast<QLineEdit*>(widget)) texts << edit->text();
        for (const QString& text : texts) {
            EXPECT_LE(metrics.horizontalAdvance(text), TextRoom(widget))
                << widget->objectName().toStdString() << " " << text.toStdString();
        }
        if (!TextOf(widget).isEmpty()) {
            EXPECT_LE(metrics.height(), widget->height()) << widget->objectName().toStdString();
        }
    }
    const TPageControl* pages = rig.form->PageControl1;
    for (int i = 0; i < pages->PageCount(); ++i)
        EXPECT_LT(metrics.horizontalAdvance(pages->Caption(i)), pages->TabRect(i).width()) << i;
}

TEST(SetformLayout, EveryTextShowsWholeWithTheStandInFont) {
    ExpectEveryTextShowsWhole();
}

TEST(SetformLayout, EveryEnglishTextShowsWholeWithTheStandInFont) {
    LanguageForTest english(Language::English);
    ExpectEveryTextShowsWhole();
}

TEST(SetformLayout, ControlsStayInsideTheirParentsAndOnlyTitlesLieOverPanels) {
    const std::set<std::pair<QString, QString>> titles{{"FallCheck", "KePanel6"},
                                                       {"StaticText3", "KePanel2"},
                                                       {"StaticText1", "KePanel1"},
                                                       {"KomaCheck", "KePanel4"},
                                                       {"SoundCheck", "KePanel3"}};
    SetformRig rig;
    // The dialog, the pages and the panels hold the controls (the pages lie
    // on each other inside the page control, one shown at a time).
    QList<QWidget*> parents{rig.form};
    for (int i = 0; i < rig.form->PageControl1->PageCount(); ++i)
        parents << rig.form->PageControl1->Page(i);
    for (QWidget* panel : rig.form->findChildren<TKePanel*>())
        parents << panel;
    for (QWidget* parent : parents) {
        QList<QWidget*> named;
        for (QObject* child : parent->children()) {
            auto* widget = qobject_cast<QWidget*>(child);
            if (widget && !widget->isWindow() && !widget->objectName().isEmpty()) named << widget;
        }
        for (QWidget* a : named) {
            EXPECT_TRUE(parent->rect().contains(a->geometry()))
                << a->objectName().toStdString() << " in " << parent->objectName().toStdString();
            for (QWidget* b : named) {
                if (a == b || !a->geometry().intersects(b->geometry())) continue;
                EXPECT_TRUE(titles.count({a->objectName(), b->objectName()}) ||
                            titles.count({b->objectName(), a->objectName()}))
                    << a->objectName().toStdString() << " overlaps "
                    << b->objectName().toStdString();
            }
        }
    }
    for (const auto& [title, panel] : titles) {
        QWidget* t = rig.Find<QWidget>(qPrintable(title));
        QWidget* p = rig.Find<QWidget>(qPrintable(panel));
        // Over the panel's top edge, and drawn above it.
        EXPECT_LT(t->y(), p->y());
        EXPECT_GT(t->geometry().bottom(), p->y() + 1);
        EXPECT_GT(t->parentWidget()->children().indexOf(t),
                  t->parentWidget()->children().indexOf(p));
        EXPECT_TRUE(t->autoFillBackground());
    }
}

TEST(SetformLayout, TabsWrapIntoTwoRowsWithTheActiveRowNextToThePages) {
    SetformRig rig;
    TPageControl* pages = rig.form->PageControl1;
    EXPECT_EQ(pages->TabRowCount(), 2);
    EXPECT_EQ(pages->PageRect(), QRect(4, 44, 254, 229));
    // The first four tabs fill the row next to the pages, the rest lie above.
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(pages->TabRect(i).bottom() + 1, i < 4 ? 42 : 22) << i;
    EXPECT_EQ(pages->TabRect(0).left(), pages->TabRect(4).left());
    EXPECT_EQ(pages->TabRect(3).right(), pages->TabRect(5).right());

    QTest::mouseClick(pages, Qt::LeftButton, {}, pages->TabRect(5).center());
    EXPECT_EQ(pages->ActivePageIndex(), 5);
    EXPECT_TRUE(pages->Page(5)->isVisible());
    EXPECT_FALSE(pages->Page(0)->isVisible());
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(pages->TabRect(i).bottom() + 1, i < 4 ? 22 : 42) << i;

    QTest::keyClick(pages, Qt::Key_Left);
    EXPECT_EQ(pages->ActivePageIndex(), 4);
    QTest::keyClick(pages, Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(pages->ActivePageIndex(), 5);
    QTest::keyClick(pages, Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(pages->ActivePageIndex(), 0);
    pages->SetActivePageIndex(3);
    QTest::keyClick(rig.form->ButtonStd, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(pages->ActivePageIndex(), 2);
}

} // namespace

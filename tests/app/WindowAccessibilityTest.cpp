// The main window as a screen reader sees it through Qt's accessibility
// interfaces, the events it hears during a game, and the patterned blocks.

#include <QAccessible>
#include <QAction>
#include <QLineEdit>
#include <QTest>

#include "app/view/BoardWidgets.h"
#include "engine/Catalogue.h"
#include "engine/Engine.h"
#include "resources/Resources.h"
#include "support/AccessibleEventLog.h"
#include "support/FindControl.h"
#include "support/WindowTest.h"

namespace {

using WindowAccessibilityTest = WindowTest;

QString Said(QObject* object, QAccessible::Text text) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(object);
    return face ? face->text(text) : QString("(none)");
}

TEST_F(WindowAccessibilityTest, TheWellThePreviewAndTheCountersReadByName) {
    WriteStore({{"Game/Color", "1"}});
    Open();
    StartGame();
    const int nextKind = KindOfShape(Piece().NextShape);
    const char* const kindLetters = "OISZJLT";
    const struct {
        const char* object;
        QAccessible::Role role;
        QString name;
        QString description;
    } rows[] = {
        {"GG", QAccessible::Graphic, "井戸", "プレイ中、得点 00000、総数 00000、４段抜 00"},
        {"NG", QAccessible::Graphic, "次の駒", QString(kindLetters[nextKind - 1]) + "型"},
        {"Score", QAccessible::EditableText, "得点", ""},
        {"Kazu", QAccessible::EditableText, "総数", ""},
        {"Line4", QAccessible::EditableText, "４段抜", ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.object);
        QObject* object = window->findChild<QObject*>(row.object);
        ASSERT_NE(object, nullptr);
        EXPECT_EQ(QAccessible::queryAccessibleInterface(object)->role(), row.role);
        EXPECT_EQ(Said(object, QAccessible::Name), row.name);
        EXPECT_EQ(Said(object, QAccessible::Description), row.description);
    }
    EXPECT_EQ(Said(Find<QLineEdit>(*window, "Score"), QAccessible::Value), "00000");

    PauseGame();
    EXPECT_EQ(Said(Find<WellView>(*window, "GG"), QAccessible::Description),
              "一時停止中、得点 00000、総数 00000、４段抜 00");
}

TEST_F(WindowAccessibilityTest, TheWellsDescriptionChangesAtEachChangeOfStateAndNeverPerCell) {
    Open();
    window->GameSettings().SoundOn = false;
    auto* well = Find<WellView>(*window, "GG");
    AccessibleEventLog log;
    const auto descriptions = [&] { return log.Of(well, QAccessible::DescriptionChanged).size(); };

    StartGame();
    EXPECT_EQ(descriptions(), 1u);
    PauseGame();
    EXPECT_EQ(descriptions(), 2u);
    window->GamePauseClick();
    Sync();
    EXPECT_EQ(descriptions(), 3u);

    DropUntilGameOver();
    DialogCatcher catcher;
    ASSERT_TRUE(QTest::qWaitFor([&] { return catcher.Count() == 1; }, 5000));
    Sync();
    EXPECT_EQ(descriptions(), 4u);
    EXPECT_EQ(Said(well, QAccessible::Description).left(4), "待機中、");

    // Dozens of pieces drawn cell by cell, and the well told nothing else,
    // the preview nothing; the counters told each change as one text update,
    // without moving their cursors.
    auto* preview = Find<PreviewView>(*window, "NG");
    auto* kazu = Find<QLineEdit>(*window, "Kazu");
    size_t aboutTheWell = 0, aboutThePreview = 0, aboutKazu = 0;
    for (const auto& entry : log.entries) {
        aboutTheWell += entry.object == well;
        aboutThePreview += entry.object == preview;
        aboutKazu += entry.object == kazu;
    }
    EXPECT_EQ(aboutTheWell, descriptions());
    EXPECT_EQ(aboutThePreview, 0u);
    EXPECT_GE(aboutKazu, 5u);
    EXPECT_EQ(log.Of(kazu, QAccessible::TextUpdated).size(), aboutKazu);
}

TEST_F(WindowAccessibilityTest, PatternsAreDrawnOnceChosenAndKeptInTheStore) {
    Open();
    FillCells({{0, 24}});
    Sync();
    const QImage plain = Resources::CellImage(1);
    const QImage patterned = Resources::CellImage(1, Resources::CellStyle::Patterned);
    ASSERT_NE(plain.pixel(8, 8), patterned.pixel(8, 8));
    EXPECT_EQ(ShownCell(0, 24), plain.pixel(8, 8));

    auto* item = window->findChild<QAction*>("MenuPatterns");
    ASSERT_NE(item, nullptr);
    EXPECT_FALSE(item->isChecked());
    item->trigger();
    Sync();
    EXPECT_TRUE(item->isChecked());
    EXPECT_EQ(ShownCell(0, 24), patterned.pixel(8, 8));
    EXPECT_EQ(StoredValue("Setup/Patterns"), "1");

    item->trigger();
    Sync();
    EXPECT_EQ(ShownCell(0, 24), plain.pixel(8, 8));
    EXPECT_EQ(StoredValue("Setup/Patterns"), "0");
}

TEST_F(WindowAccessibilityTest, AStoredPatternSettingIsTickedAndDrawnFromTheStart) {
    Open({{"Setup/Patterns", "1"}});
    EXPECT_TRUE(window->findChild<QAction*>("MenuPatterns")->isChecked());
    FillCells({{0, 24}});
    Sync();
    EXPECT_EQ(ShownCell(0, 24),
              Resources::CellImage(1, Resources::CellStyle::Patterned).pixel(8, 8));
}

} // namespace

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include "scores/HighScoreDialog.h"
#include "support/DialogCatcher.h"

namespace {

const TGameSettings Defaults;
const FinishedGame Game{40, 12, 0, QDateTime(QDate(2026, 12, 10), QTime(4, 0))};

// The name entry of a game that takes the first place, shown and active.
struct NameEntry {
    explicit NameEntry(HighScoreDialog::RecordName record)
        : dialog(nullptr, RuleSet::Of(Defaults)) {
        dialog.AskName(0, Game, "tester", std::move(record));
        dialog.show();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog));
    }
    QString Name() { return dialog.findChild<QLineEdit*>("Name")->text(); }
    // A key released since the prompt opened, and its first moment over.
    void Settle() {
        QTest::keyClick(dialog.windowHandle(), Qt::Key_Shift);
        QTest::qWait(450);
    }
    HighScoreDialog dialog;
};

TEST(HighScoreDialogTest, KeysHeldOrTappedFromPlayLeaveTheOfferedName) {
    QStringList recorded;
    NameEntry entry([&](const QString& name) {
        recorded << name;
        return HighScoreStore::Recorded{{}, 0, true};
    });
    QWidget* name = entry.dialog.findChild<QLineEdit*>("Name");
    // Presses still coming from play, before any key has been released.
    for (const auto& [key, modifiers] : {std::pair{Qt::Key_Space, Qt::NoModifier},
                                         {Qt::Key_X, Qt::NoModifier},
                                         {Qt::Key_Z, Qt::NoModifier},
                                         {Qt::Key_0, Qt::KeypadModifier}}) {
        QTest::keyPress(name, key, modifiers);
    }
    EXPECT_EQ(entry.Name(), "tester");
    // A release, but in the prompt's first moment: taps from play still.
    QTest::keyRelease(name, Qt::Key_Space);
    QTest::keyClick(name, Qt::Key_Space);
    QTest::keyClick(name, Qt::Key_Return);
    EXPECT_EQ(entry.Name(), "tester");
    EXPECT_TRUE(recorded.isEmpty());

    // Then the keys are the player's: a blank over the whole name is refused
    // and leaves it; a letter after it is typed.
    entry.Settle();
    QTest::keyClick(name, Qt::Key_Space);
    EXPECT_EQ(entry.Name(), "tester");
    QTest::keyClick(name, Qt::Key_End);
    QTest::keyClick(name, Qt::Key_X);
    QTest::keyClick(name, Qt::Key_Return);
    EXPECT_EQ(recorded, QStringList{"testerx"});
}

TEST(HighScoreDialogTest, AGameThatCouldNotBeSavedIsNotShownInTheTable) {
    // The score file's folder cannot be made: a file stands where it goes.
    QTemporaryDir dir;
    QFile blocker(dir.filePath("Kelvox"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    HighScoreStore store(dir.filePath("Kelvox/HighScores.txt"));
    DialogCatcher catcher; // the warning
    NameEntry entry([&](const QString& name) {
        return store.Record({RuleSet::Of(Defaults).Key(), Game.Score, Game.Pieces,
                             Game.FourRowClears, Game.Ended, name});
    });
    entry.Settle();
    QTest::keyClick(entry.dialog.findChild<QLineEdit*>("Name"), Qt::Key_Return);
    const auto* table = entry.dialog.findChild<QTableWidget*>("Table");
    ASSERT_TRUE(table->isVisible());
    for (int r = 0; r < table->rowCount(); ++r) {
        const QTableWidgetItem* name = table->item(r, 1);
        EXPECT_TRUE(!name || name->text().isEmpty()) << "row " << r << " shows a game";
    }
    const auto* note = entry.dialog.findChild<QLabel*>("Note");
    EXPECT_TRUE(note->isVisible());
    EXPECT_EQ(note->text(), "このゲームは保存できませんでした。");
}

} // namespace

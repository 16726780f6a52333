#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include "scores/HighScoreDialog.h"
#include "support/DialogCatcher.h"
#include "support/LanguageForTest.h"

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
    QLineEdit* Field() { return dialog.findChild<QLineEdit*>("Name"); }
    QString Name() { return Field()->text(); }
    HighScoreDialog dialog;
};

TEST(HighScoreDialogTest, KeysHeldOrTappedFromPlayLeaveTheOfferedName) {
    QStringList recorded;
    NameEntry entry([&](const QString& name) {
        recorded << name;
        return HighScoreStore::Recorded{{}, 0, true};
    });
    QWidget* name = entry.Field();
    // Taps from play in the prompt's first moment, Enter among them.
    for (const Qt::Key key : {Qt::Key_Space, Qt::Key_X, Qt::Key_Z})
        QTest::keyClick(name, key);
    QTest::keyClick(name, Qt::Key_0, Qt::KeypadModifier);
    QTest::keyClick(name, Qt::Key_Return);
    EXPECT_EQ(entry.Name(), "tester");
    EXPECT_TRUE(recorded.isEmpty());

    // A key held from play repeats after the first moment, until released.
    QTest::qWait(300); // the prompt's first moment over
    for (const QString text : {" ", "x", "0"}) {
        QKeyEvent repeat(QEvent::KeyPress, text == " " ? Qt::Key_Space : Qt::Key_X,
                         text == "0" ? Qt::KeypadModifier : Qt::NoModifier, text, true);
        QApplication::sendEvent(name, &repeat);
    }
    EXPECT_EQ(entry.Name(), "tester");

    // Pressed again, the keys are the player's: a blank over the whole name
    // is refused and leaves it; a letter after it is typed.
    QTest::keyRelease(name, Qt::Key_X);
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
    QTest::qWait(300); // the prompt's first moment over
    QTest::keyClick(entry.Field(), Qt::Key_Return);
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

TEST(HighScoreDialogTest, InEnglishThePromptAndTheTableHoldNoJapanese) {
    LanguageForTest english(Language::English);
    TGameSettings settings;
    settings.PreFill = true;
    settings.RatioOn = true;
    HighScoreDialog dialog(nullptr, RuleSet::Of(settings));
    dialog.AskName(2, Game, "tester", [](const QString&) {
        return HighScoreStore::Recorded{{}, -1, false};
    });
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    const auto shown = [&] {
        QStringList texts{dialog.windowTitle()};
        for (const QLabel* label : dialog.findChildren<QLabel*>())
            texts << label->text();
        const auto* table = dialog.findChild<QTableWidget*>("Table");
        for (int c = 0; c < table->columnCount(); ++c)
            texts << table->horizontalHeaderItem(c)->text();
        return texts;
    };
    for (const QString& text : shown())
        EXPECT_FALSE(HasJapanese(text)) << text.toStdString();
    EXPECT_TRUE(shown().contains("You made place 3. Please enter your name."));
    // The game that could not be saved: the table with its note.
    QTest::qWait(300);
    QTest::keyClick(dialog.findChild<QLineEdit*>("Name"), Qt::Key_Return);
    for (const QString& text : shown())
        EXPECT_FALSE(HasJapanese(text)) << text.toStdString();
    EXPECT_TRUE(shown().contains("This game could not be saved."));
}

} // namespace

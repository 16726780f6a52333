#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "app/records/ReplayMode.h"
#include "engine/Engine.h"
#include "replay/ReplayFiles.h"
#include "scores/HighScoreStore.h"
#include "scores/RuleSet.h"
#include "support/WindowTest.h"

namespace {

using ReplayWindowTest = WindowTest;

std::vector<int> Grid(Engine& game) {
    std::vector<int> cells;
    for (int y = -Well::HiddenRows; y < game.TheWell.Height(); ++y)
        for (int x = 0; x < game.TheWell.Width(); ++x)
            cells.push_back(game.TheWell.GetCell(x, y));
    return cells;
}

TEST_F(ReplayWindowTest, ARowsReplayPlaysFromTheTableToTheSameWellWithTheGameKeysInert) {
    Open();
    window->GameSettings().SoundOn = false;
    StartGame();
    // Two ticks first, so that the replay lasts a second.
    QTest::qWait(1100);
    DropUntilGameOver();
    const QString last = ReplayMode::LastGameFile();
    {
        DialogCatcher gameOver(DialogCatcher::Answer::Enter);
        ASSERT_TRUE(QTest::qWaitFor([&] { return gameOver.Count() == 1; }, 5000));
        EXPECT_TRUE(QFile::exists(last));
    }
    Sync();
    const std::vector<int> played = Read<std::vector<int>>(Grid);

    // The game as a row of the table, with its replay beside it; then a
    // cleared well.
    HighScoreStore store(HighScoreStore::UserFilePath());
    const HighScore row{
        RuleSet::Of(window->GameSettings()).Key(), 5, 20, 0, QDateTime::currentDateTime(), "Kei"};
    ASSERT_GE(store.Record(row).Place, 0);
    const QString rowFile = ReplayFiles::RowPath(store.FilePath(), row);
    QDir().mkpath(QFileInfo(rowFile).absolutePath());
    ASSERT_TRUE(QFile::copy(last, rowFile));
    window->GameStopClick();
    Sync();
    ASSERT_NE(Read<std::vector<int>>(Grid), played);

    QString statistics;
    DialogCatcher table([&](QDialog& dialog) {
        if (dialog.objectName() != "HighScoreDialog") return;
        statistics = dialog.findChild<QLabel*>("Statistics")->text();
        dialog.findChild<QPushButton*>("Replay")->click();
    });
    window->findChild<QAction*>("MenuHighScore")->trigger();
    ASSERT_TRUE(QTest::qWaitFor([&] { return Title() == "Brimal  -Replay-"; }, 5000));
    EXPECT_TRUE(statistics.startsWith("プレイ時間 ")) << statistics.toStdString();

    // Paused, it stays; the player's keys and the start command do nothing.
    window->GamePauseClick();
    Press(Qt::Key_Space);
    window->GameGameClick();
    QTest::qWait(1500);
    Sync();
    EXPECT_TRUE(Read<bool>([](Engine& game) { return game.IsIdle(); }));
    EXPECT_EQ(Title(), "Brimal  -Replay-");
    window->GamePauseClick();
    ASSERT_TRUE(QTest::qWaitFor([&] { return Title() == IdleTitle; }, 20000));
    Sync();
    EXPECT_EQ(Read<std::vector<int>>(Grid), played);
}

TEST_F(ReplayWindowTest, AFileThatIsNoReplayBringsAMessageNamingItAndTheWindowStaysIdle) {
    Open();
    QTemporaryDir folder;
    const QString garbage = folder.filePath("garbage.brimal-replay");
    QFile file(garbage);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("\x89PNG garbage");
    file.close();
    DialogCatcher catcher;
    window->Replays().PlayRequest({garbage, 1, {}});
    ASSERT_EQ(catcher.Count(), 1);
    EXPECT_TRUE(catcher.Texts()[0].contains(QDir::toNativeSeparators(garbage)));
    EXPECT_TRUE(catcher.Texts()[0].endsWith("Brimalのリプレイファイルではありません。"));
    EXPECT_EQ(Title(), IdleTitle);
    EXPECT_FALSE(window->Replays().Active());

    // A speed out of range is refused the same way.
    const std::optional<ReplayRequest> fast =
        ReplayArguments({"brimal", "--replay", garbage, "--speed", "17"});
    ASSERT_TRUE(fast);
    EXPECT_FALSE(fast->Problem.isEmpty());
    EXPECT_EQ(ReplayArguments({"brimal", "--replay", garbage, "--speed", "16"})->Problem, "");
    EXPECT_FALSE(ReplayArguments({"brimal"}));
}

} // namespace

TEST_F(ReplayWindowTest, TheTableSavesAsCsvThroughTheFileDialog) {
    Open();
    HighScoreStore store(HighScoreStore::UserFilePath());
    const HighScore row{
        RuleSet::Of(window->GameSettings()).Key(), 7, 3, 0, QDateTime::currentDateTime(), "Kei"};
    ASSERT_GE(store.Record(row).Place, 0);
    QTemporaryDir folder;
    const QString csv = folder.filePath("table.csv");

    // The file dialog opens inside the table's own loop: answered from a timer.
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&] {
        // As a player does: the folder, then the name typed and Enter.
        auto* files = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        auto* name = files ? files->findChild<QLineEdit*>("fileNameEdit") : nullptr;
        if (!name || !files->isVisible()) return;
        files->setDirectory(folder.path());
        name->setText("table.csv");
        QTest::keyClick(name, Qt::Key_Return);
    });
    DialogCatcher table([&](QDialog& dialog) {
        if (dialog.objectName() != "HighScoreDialog") return;
        answer.start(20);
        dialog.findChild<QPushButton*>("SaveCsv")->click();
        answer.stop();
    });
    window->findChild<QAction*>("MenuHighScore")->trigger();
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(csv); }, 5000));
    QFile saved(csv);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const QByteArray text = saved.readAll();
    EXPECT_TRUE(text.startsWith("\xEF\xBB\xBF順位,名前,得点"));
    EXPECT_TRUE(text.contains("\r\n1,\"Kei\",7,3,0,")) << text.toStdString();
}

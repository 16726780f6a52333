#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <random>

#include "engine/GameRecorder.h"
#include "engine/KeyAction.h"
#include "engine/ReplayCheck.h"
#include "engine/ReplayPlayer.h"
#include "replay/ReplayFile.h"
#include "replay/ReplayFiles.h"
#include "replay/ReplayStatistics.h"
#include "replay/ScoreCsv.h"
#include "support/GameRig.h"

namespace {

// A game of random keys and ticks to its end, under an opening drop and
// piece ratios, recorded as the program records it.
struct RecordedGame {
    GameRig Rig;
    GameRecord Record;

    RecordedGame() {
        Rig.Host.SaveWaitScreens = false;
        Rig.Settings.PreFill = true;
        Rig.Settings.PreFillPieces = 4;
        Rig.Settings.RatioOn = true;
        Rig.Settings.SoundFiles[2] = "/home/someone/own.wav";
        GameRecorder recorder([this] { return static_cast<std::int64_t>(Rig.Host.Now); },
                              [this](GameRecord&& game) { Record = std::move(game); });
        Rig.Game.SetJournal(&recorder);
        std::mt19937 rng(7);
        Rig.Game.GameGameClick();
        const int actions[] = {kaMoveLeft, kaMoveRight, kaRotateLeft, kaDropFast, kaDropAll};
        while (!Rig.Game.IsIdle()) {
            Rig.Host.Now += rng() % 300;
            if (rng() % 3 == 0) {
                Rig.Tick();
            } else if (rng() % 50 == 0) {
                Rig.Game.GamePauseClick();
            } else {
                Rig.Game.DoAction(actions[rng() % 5]);
            }
        }
        Rig.Game.SetJournal(nullptr);
    }
};

const std::string& SampleText() {
    static const std::string text = FormatReplay(RecordedGame().Record, "1.2.4.0");
    return text;
}

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
    const std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

} // namespace

TEST(ReplayFile, AFinishedGameReadsBackAsRecordedAndReplaysToTheSameEnd) {
    RecordedGame game;
    ASSERT_TRUE(game.Record.Over);
    // The player's own sound file is not kept.
    EXPECT_EQ(game.Record.Settings.SoundFiles[2], "Standard");
    const std::string text = FormatReplay(game.Record, "1.2.4.0");
    const ParsedReplay parsed = ParseReplay(text);
    ASSERT_EQ(parsed.Fault, ReplayFault::None) << "line " << parsed.Line;
    EXPECT_EQ(parsed.Program, "1.2.4.0");
    EXPECT_TRUE(parsed.Game == game.Record);
    EXPECT_EQ(ReplayDiffers(parsed.Game, game.Rig.Game, game.Rig.Host), "");

    // Line ends written on Windows read the same.
    std::string crlf;
    for (char c : text)
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    EXPECT_TRUE(ParseReplay(crlf).Game == game.Record);
}

TEST(ReplayFile, DamagedTruncatedForeignAndFutureTextsSayWhatIsWrong) {
    const std::string good = SampleText();
    const std::size_t endLine = good.rfind("end ");
    const int lines = static_cast<int>(std::count(good.begin(), good.end(), '\n'));
    struct Case {
        const char* what;
        std::string text;
        ReplayFault fault;
        int line; // the damaged line, or the version met
    };
    const Case cases[] = {
        {"empty", "", ReplayFault::NotReplay, 0},
        {"a score file", "# Brimal high scores, format 1\n", ReplayFault::NotReplay, 0},
        {"binary", std::string("\x89PNG\r\n\x1a\n\0\0", 10), ReplayFault::NotReplay, 0},
        {"a newer format", Replaced(good, "format 1", "format 2"), ReplayFault::NewerFormat, 2},
        {"another engine", Replaced(good, "engine 1", "engine 7"), ReplayFault::OtherRules, 7},
        {"an older engine", Replaced(good, "engine 1", "engine 0"), ReplayFault::OtherRules, 0},
        {"a word for a number", Replaced(good, "well 8 25", "well 8 x"), ReplayFault::Damaged, 4},
        {"a leading zero", Replaced(good, "wait 200", "wait 0200"), ReplayFault::Damaged, 8},
        {"a missing header line", Replaced(good, "sound on\n", ""), ReplayFault::Damaged, 10},
        {"a queue out of range", Replaced(good, "queue ", "queue 9"), ReplayFault::Damaged, 11},
        {"the first event no start", Replaced(good, "S 0\n", "T 0\n"), ReplayFault::Damaged, 12},
        {"a draw out of its range", Replaced(good, "\nR 100 ", "\nR 100 101\nR 100 "),
         ReplayFault::Damaged, 0},
        {"time running backwards", good.substr(0, endLine) + "T 5\n" + good.substr(endLine),
         ReplayFault::Damaged, lines},
        {"an unknown event", good.substr(0, endLine) + "Q 99999999\n" + good.substr(endLine),
         ReplayFault::Damaged, lines},
        {"cut before its end", good.substr(0, endLine), ReplayFault::Truncated, 0},
        {"cut within a line", good.substr(0, good.size() - 3), ReplayFault::Truncated, 0},
        {"something after its end", good + "T 1\n", ReplayFault::Damaged, lines + 1},
        {"a broken end", Replaced(good, "end ", "end x"), ReplayFault::Damaged, lines},
    };
    for (const Case& c : cases) {
        const ParsedReplay parsed = ParseReplay(c.text);
        EXPECT_EQ(parsed.Fault, c.fault) << c.what;
        if (c.fault == ReplayFault::Damaged && c.line > 0) {
            EXPECT_EQ(parsed.Line, c.line) << c.what;
        }
        if (c.fault == ReplayFault::NewerFormat || c.fault == ReplayFault::OtherRules) {
            EXPECT_EQ(parsed.Number, c.line) << c.what;
        }
    }
}

TEST(ReplayFile, FilesAreReadWithAMessageNamingTheFileAndKeptOnlyForRowsOfTheTable) {
    QTemporaryDir folder;
    const QString scores = folder.filePath("HighScores.txt");
    const QString last = ReplayFiles::LastGamePath(scores);
    EXPECT_EQ(last, folder.filePath("LastGame.brimal-replay"));

    RecordedGame game;
    ASSERT_TRUE(ReplayFiles::Write(last, game.Record));
    const ReplayFiles::Loaded loaded = ReplayFiles::Read(last);
    ASSERT_TRUE(loaded.Game) << loaded.Problem.toStdString();
    EXPECT_TRUE(*loaded.Game == game.Record);

    QFile garbage(folder.filePath("garbage.brimal-replay"));
    ASSERT_TRUE(garbage.open(QIODevice::WriteOnly));
    garbage.write("garbage\n");
    garbage.close();
    struct Case {
        QString path, reason;
    } cases[] = {
        {folder.filePath("none.brimal-replay"), "ファイルがありません。"},
        {folder.path(), "ファイルではありません。"},
        {garbage.fileName(), "Brimalのリプレイファイルではありません。"},
    };
    for (const Case& c : cases) {
        const ReplayFiles::Loaded bad = ReplayFiles::Read(c.path);
        EXPECT_FALSE(bad.Game);
        EXPECT_TRUE(bad.Problem.contains(QDir::toNativeSeparators(c.path))) << c.path.toStdString();
        EXPECT_TRUE(bad.Problem.endsWith(c.reason)) << bad.Problem.toStdString();
    }

    // Two rows keep their replays; a row that dropped out loses its own.
    HighScoreTable table;
    const QDateTime when = QDateTime::fromString("2026-12-10T14:03:22.120Z", Qt::ISODateWithMs);
    const HighScore first{"8x25 next:on fall:off ratio:off", 30, 12, 0, when, "Kei"};
    const HighScore second{"8x25 next:on fall:off ratio:off", 20, 9, 0, when.addSecs(60), "Kei"};
    table.Add(first);
    table.Add(second);
    const HighScore gone{"8x25 next:on fall:off ratio:off", 10, 5, 0, when.addSecs(120), "Kei"};
    for (const HighScore& row : {first, second, gone})
        ASSERT_TRUE(ReplayFiles::Write(ReplayFiles::RowPath(scores, row), game.Record));
    EXPECT_TRUE(ReplayFiles::RowPath(scores, first)
                    .endsWith("replays/20261210-140322120-30.brimal-replay"));
    ReplayFiles::Prune(scores, table);
    EXPECT_TRUE(QFile::exists(ReplayFiles::RowPath(scores, first)));
    EXPECT_TRUE(QFile::exists(ReplayFiles::RowPath(scores, second)));
    EXPECT_FALSE(QFile::exists(ReplayFiles::RowPath(scores, gone)));
    EXPECT_TRUE(QFile::exists(last));
}

TEST(ReplayStatistics, PlayedTimeLeavesPausesOutAndRatesFollowFromIt) {
    GameRecord game;
    using E = GameEvent;
    game.Events = {{0, E::Start},        {100, E::Action, 5},   {0, E::Draw, 2, 7},
                   {1000, E::Pause},     {3000, E::Tick},       {5000, E::Pause},
                   {5100, E::Action, 1}, {6000, E::Deactivate}, {9000, E::Start},
                   {10000, E::Tick}};
    game.Pieces = "00006";
    game.Rows = 3;
    const GameStatistics stats = StatisticsOf(game);
    EXPECT_EQ(stats.PlayedMilliseconds, 1000 + 1000 + 1000);
    EXPECT_EQ(stats.Keys, 2);
    EXPECT_DOUBLE_EQ(stats.PiecesPerMinute, 120);
    EXPECT_DOUBLE_EQ(stats.RowsPerMinute, 60);
    EXPECT_DOUBLE_EQ(stats.KeysPerPiece, 2.0 / 6);
}

TEST(ScoreCsv, RowsComeWithTheirStatisticsAndNamesStayText) {
    QTemporaryDir folder;
    const QString scores = folder.filePath("HighScores.txt");
    const QDateTime when = QDateTime::fromString("2026-12-10T14:03:22.120Z", Qt::ISODateWithMs);
    const HighScore kept{"8x25 next:on fall:off ratio:off", 30, 6, 1, when, "=1+2"};
    const HighScore lost{"8x25 next:on fall:off ratio:off", 20, 5, 0, when, "a,\"b\""};
    GameRecord game;
    game.Events = {{0, GameEvent::Start}, {60000, GameEvent::Action, 1}};
    game.Pieces = "00006";
    game.Rows = 3;
    game.Over = true;
    ASSERT_TRUE(ReplayFiles::Write(ReplayFiles::RowPath(scores, kept), game));

    const QByteArray csv = ScoreTableCsv({kept, lost}, scores);
    ASSERT_TRUE(csv.startsWith("\xEF\xBB\xBF"));
    const QStringList lines = QString::fromUtf8(csv.mid(3)).split("\r\n");
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(lines[0],
              "順位,名前,得点,総数,４段抜,日時,プレイ時間（秒）,ピース/分,段/分,キー/ピース");
    const QString local = when.toLocalTime().toString("yyyy/MM/dd HH:mm:ss");
    EXPECT_EQ(lines[1], "1,\"'=1+2\",30,6,1," + local + ",60.0,6.0,3.0,0.17");
    EXPECT_EQ(lines[2], "2,\"a,\"\"b\"\"\",20,5,0," + local + ",,,,");
    EXPECT_EQ(lines[3], "");
}

TEST(GameRecorder, AStoppedGameIsDroppedAndARecordThatNoLongerFitsTheEngineIsCaught) {
    GameRig rig;
    int handed = 0;
    GameRecorder recorder([&rig] { return static_cast<std::int64_t>(rig.Host.Now); },
                          [&handed](GameRecord&&) { ++handed; });
    rig.Game.SetJournal(&recorder);
    rig.Game.GameGameClick();
    rig.Tick();
    EXPECT_TRUE(recorder.Recording());
    rig.Game.GameStopClick();
    EXPECT_FALSE(recorder.Recording());
    EXPECT_EQ(handed, 0);

    // Replayed by an engine that draws differently: caught at the first
    // draw that does not fit, and the replay stops there.
    const GameRecord played = RecordedGame().Record;
    auto replay = [](const GameRecord& record) {
        GameRig again;
        return ReplayOn(again, record);
    };
    EXPECT_EQ(replay(played), std::pair(false, true));
    GameRecord otherRange = played;
    for (RecordedEvent& event : otherRange.Events) {
        if (event.Kind == GameEvent::Draw) {
            event.Range = event.Range == 2 ? 3 : 2;
            event.Value = 1;
            break;
        }
    }
    EXPECT_EQ(replay(otherRange), std::pair(true, false));
    GameRecord otherEnd = played;
    otherEnd.Score = "99999";
    EXPECT_EQ(replay(otherEnd), std::pair(false, false));
}

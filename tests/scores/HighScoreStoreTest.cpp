// The score file: what is recorded reads back the same in a new process's
// store; a damaged file is moved aside whole and a new table starts; two
// programs recording at once keep every game.

#include "scores/HighScoreStore.h"
#include "scores/RuleSet.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <set>

namespace {

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void Write(const QString& path, const QByteArray& text) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
}

HighScore Game(const QString& rules, qint64 score, const QString& name, int second = 0) {
    return {rules,
            score,
            3 * score,
            score / 16,
            QDateTime(QDate(2026, 12, 10), QTime(21, 30, second, 250)),
            name};
}

const QString Default = RuleSet().Key();
const QString Narrow = RuleSet{6, 17}.Key();

TEST(HighScoreStoreTest, WhatIsRecordedReadsBackTheSame) {
    QTemporaryDir dir;
    const QString path = dir.filePath("deep/folder/HighScores.txt");
    HighScoreStore writer(path);
    EXPECT_TRUE(writer.Record(Game(Default, 40, "ケイ", 1)).Saved);
    EXPECT_TRUE(writer.Record(Game(Default, 120, "Kei Tanaka", 2)).Saved);
    const HighScoreStore::Recorded last = writer.Record(Game(Narrow, 4, "😀 x", 3));
    EXPECT_TRUE(last.Saved);
    EXPECT_EQ(last.Place, 0);

    const HighScoreTable read = HighScoreStore(path).Load();
    EXPECT_EQ(read.AllRows(), last.Table.AllRows());
    ASSERT_EQ(read.Rows(Default).size(), 2);
    EXPECT_EQ(read.Rows(Default)[0], Game(Default, 120, "Kei Tanaka", 2));
    EXPECT_EQ(read.LatestName(), "😀 x");
    // The file reads as text: one game a line.
    EXPECT_TRUE(Contents(path).contains(
        "\n8x25 next:on fall:off ratio:off\t120\t360\t7\t2026-12-10T21:30:02.250"));

    // Hand-edited: Windows line ends, comments and more than ten games of a
    // rule set are no damage; the best ten stay.
    QByteArray edited = "# Brimal high scores, format 1\r\n# mine\r\n";
    for (int i = 1; i <= 12; ++i)
        edited += Default.toUtf8() + "\t" + QByteArray::number(i) +
                  "\t1\t0\t2026-12-10T21:30:00+09:00\tp" + QByteArray::number(i) + "\r\n";
    Write(path, edited);
    HighScoreStore reader(path);
    const QList<HighScore> rows = reader.Load().Rows(Default);
    ASSERT_EQ(rows.size(), 10);
    EXPECT_EQ(rows.front().Name, "p12");
    EXPECT_EQ(rows.back().Name, "p3");
    EXPECT_TRUE(reader.MovedAsideTo().isEmpty());
}

TEST(HighScoreStoreTest, ADamagedFileIsMovedAsideWholeAndANewTableStarts) {
    const QByteArray good = "# Brimal high scores, format 1\n" + Default.toUtf8() +
                            "\t40\t120\t1\t2026-12-10T21:30:00+09:00\tKei\n";
    const std::vector<std::pair<const char*, QByteArray>> cases{
        {"not a score file", "[Setup]\nSizeX=8\n"},
        {"empty", ""},
        {"a field missing", QByteArray(good).replace("\t120", "")},
        {"a score that is no number", QByteArray(good).replace("\t40\t", "\tforty\t")},
        {"a date that is none", QByteArray(good).replace("2026-12-10", "2026-13-10")},
        {"rules that are none", QByteArray(good).replace("8x25", "8x")},
        {"a control character in a name", QByteArray(good).replace("Kei", "K\x01i")},
        {"a broken UTF-8 sequence", QByteArray(good).replace("Kei", "K\xe3\x81i")},
        {"too large", good + QByteArray(1 << 20, '#')},
    };
    for (const auto& [what, text] : cases) {
        SCOPED_TRACE(what);
        QTemporaryDir dir;
        const QString path = dir.filePath("HighScores.txt");
        Write(path, text);
        HighScoreStore store(path);
        EXPECT_TRUE(store.Load().AllRows().isEmpty());
        EXPECT_FALSE(QFileInfo::exists(path));
        EXPECT_EQ(Contents(store.MovedAsideTo()), text);
        EXPECT_TRUE(QFileInfo(store.MovedAsideTo()).fileName().startsWith("HighScores.damaged-"));

        // The next game starts the new table, and a second damaged file does
        // not take the first one's place.
        EXPECT_TRUE(store.Record(Game(Default, 8, "Kei")).Saved);
        EXPECT_EQ(HighScoreStore(path).Load().Rows(Default).size(), 1);
        const QString first = store.MovedAsideTo();
        Write(path, text);
        EXPECT_EQ(store.Record(Game(Default, 9, "Kei")).Table.Rows(Default).size(), 1);
        EXPECT_NE(store.MovedAsideTo(), first);
        EXPECT_EQ(Contents(first), text);
        EXPECT_EQ(QDir(dir.path()).entryList({"*.damaged-*"}, QDir::Files).size(), 2);
    }

    // A folder in the file's place is moved aside with what it holds.
    QTemporaryDir dir;
    const QString path = dir.filePath("HighScores.txt");
    ASSERT_TRUE(QDir().mkpath(path + "/inside"));
    HighScoreStore store(path);
    EXPECT_TRUE(store.Record(Game(Default, 8, "Kei")).Saved);
    EXPECT_TRUE(QFileInfo(store.MovedAsideTo() + "/inside").isDir());
    EXPECT_EQ(HighScoreStore(path).Load().Rows(Default).size(), 1);
}

TEST(HighScoreStoreTest, TwoProgramsRecordingAtOnceKeepEveryGame) {
    // Each program records 40 games, five in each of eight rule sets, all of
    // which stay in the tables: a game lost to the other program's write
    // shows as a name missing.
    QTemporaryDir dir;
    const QString path = dir.filePath("HighScores.txt");
    QProcess first, second;
    first.start(RECORD_LOOP, {path, "1", "40"});
    second.start(RECORD_LOOP, {path, "2", "40"});
    for (QProcess* program : {&first, &second}) {
        ASSERT_TRUE(program->waitForFinished(60000));
        EXPECT_EQ(program->exitCode(), 0) << program->readAllStandardError().toStdString();
    }
    std::set<QString> names;
    const HighScoreTable table = HighScoreStore(path).Load();
    for (const HighScore& row : table.AllRows())
        names.insert(row.Name);
    EXPECT_EQ(names.size(), 80u);
    EXPECT_FALSE(QFileInfo::exists(path + ".lock"));
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

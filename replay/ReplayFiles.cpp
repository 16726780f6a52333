#include "replay/ReplayFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>

#include "replay/ReplayFile.h"
#include "scores/ScoreFile.h"

namespace ReplayFiles {

namespace {

// A game of hours at the fastest fall stays far below; a larger file is not
// one the game wrote, and reading it whole would stall the window.
constexpr qint64 MaxFileSize = 64 << 20;

QString Folder(const QString& scoreFile) {
    return QFileInfo(scoreFile).absolutePath() + QStringLiteral("/replays");
}

QString FaultText(const ParsedReplay& parsed) {
    switch (parsed.Fault) {
    case ReplayFault::NotReplay:
        return QCoreApplication::translate("ReplayFiles",
                                           "Brimalのリプレイファイルではありません。");
    case ReplayFault::NewerFormat:
        return QCoreApplication::translate(
                   "ReplayFiles", "新しい版のBrimalで作られた形式（%1）で、この版では読めません。")
            .arg(parsed.Number);
    case ReplayFault::OtherRules:
        return QCoreApplication::translate(
                   "ReplayFiles", "別の版のBrimal（%1）で作られ、この版では同じゲームになりません"
                                  "（規則 %2、この版は %3）。")
            .arg(QString::fromStdString(parsed.Program).left(40))
            .arg(parsed.Number)
            .arg(EngineRulesVersion);
    case ReplayFault::Damaged:
        return QCoreApplication::translate("ReplayFiles", "%1行目が壊れています。")
            .arg(parsed.Line);
    case ReplayFault::Truncated:
        return QCoreApplication::translate("ReplayFiles", "ファイルが途中で切れています。");
    case ReplayFault::None:
        break;
    }
    return {};
}

Loaded Problem(const QString& path, const QString& what) {
    return {std::nullopt,
            QCoreApplication::translate("ReplayFiles", "リプレイを再生できません。\n%1\n%2")
                .arg(QDir::toNativeSeparators(path), what)};
}

} // namespace

QString LastGamePath(const QString& scoreFile) {
    return QFileInfo(scoreFile).absolutePath() + QStringLiteral("/LastGame") + Suffix;
}

namespace {

QString RowPath(const QString& scoreFile, const QDateTime& ended, qint64 score) {
    // UTC, to the millisecond: the name stays when the clock changes zone.
    const QString when = ended.toUTC().toString(QStringLiteral("yyyyMMdd-HHmmsszzz"));
    return Folder(scoreFile) + QStringLiteral("/%1-%2%3").arg(when).arg(score).arg(Suffix);
}

} // namespace

QString RowPath(const QString& scoreFile, const HighScore& row) {
    return RowPath(scoreFile, row.When, row.Score);
}

bool Write(const QString& path, const GameRecord& game) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    const std::string text =
        FormatReplay(game, QCoreApplication::applicationVersion().toStdString());
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) &&
           file.write(text.data(), static_cast<qint64>(text.size())) ==
               static_cast<qint64>(text.size()) &&
           file.commit();
}

void Prune(const QString& scoreFile, const HighScoreTable& table) {
    QStringList kept;
    for (const HighScore& row : table.AllRows())
        kept << QFileInfo(RowPath(scoreFile, row)).fileName();
    QDir folder(Folder(scoreFile));
    const QStringList names =
        folder.entryList({QStringLiteral("*") + Suffix}, QDir::Files | QDir::NoDotAndDotDot);
    for (const QString& name : names) {
        if (!kept.contains(name)) folder.remove(name);
    }
}

bool KeepWithRow(const QString& scoreFile, const QDateTime& ended, qint64 score,
                 const GameRecord& game) {
    // The lock the high-score store takes for every change of the table.
    QLockFile lock(scoreFile + QStringLiteral(".lock"));
    if (!lock.tryLock(5000)) return false;
    QFile file(scoreFile);
    if (!file.open(QIODevice::ReadOnly)) return true; // no table, no rows to keep
    // A damaged table is the store's to move aside: nothing is deleted by it.
    const std::optional<HighScoreTable> table = ParseScoreFile(file.read(64 << 20));
    if (!table) return true;
    bool kept = true;
    for (const HighScore& row : table->AllRows()) {
        if (row.When == ended && row.Score == score)
            kept = Write(RowPath(scoreFile, ended, score), game);
    }
    Prune(scoreFile, *table);
    return kept;
}

Loaded Read(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists())
        return Problem(path, QCoreApplication::translate("ReplayFiles", "ファイルがありません。"));
    // A folder, a pipe or a device is no replay; a pipe would block the read.
    if (!info.isFile())
        return Problem(path,
                       QCoreApplication::translate("ReplayFiles", "ファイルではありません。"));
    if (info.size() > MaxFileSize)
        return Problem(path, QCoreApplication::translate("ReplayFiles",
                                                         "リプレイファイルとしては大きすぎます。"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Problem(path, QCoreApplication::translate("ReplayFiles", "ファイルを読めません。"));
    const QByteArray bytes = file.read(MaxFileSize + 1);
    if (file.error() != QFileDevice::NoError)
        return Problem(path, QCoreApplication::translate("ReplayFiles", "ファイルを読めません。"));
    ParsedReplay parsed = ParseReplay(std::string_view(bytes.constData(), bytes.size()));
    if (parsed.Fault != ReplayFault::None) return Problem(path, FaultText(parsed));
    return {std::move(parsed.Game), {}};
}

} // namespace ReplayFiles

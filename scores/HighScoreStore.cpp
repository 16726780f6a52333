#include "scores/HighScoreStore.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QStandardPaths>

#include "scores/ScoreFile.h"

namespace {

// Ten games of a thousand rule sets fit many times over; a larger file is not
// one the game wrote, and reading it whole would stall the game.
constexpr qint64 MaxFileSize = 1 << 20;
// A writer holds the lock for a few milliseconds; one that was killed leaves a
// lock that QLockFile finds stale by its process id.
constexpr int LockWaitMs = 5000;

} // namespace

HighScoreStore::HighScoreStore(QString filePath) : path_(std::move(filePath)) {}

QString HighScoreStore::UserFilePath() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/HighScores.txt");
}

HighScoreTable HighScoreStore::Load() {
    // Nothing to read: no folder and no lock file are made just for looking.
    if (!QFileInfo::exists(path_)) return {};
    QLockFile lock(path_ + QStringLiteral(".lock"));
    const bool locked = lock.tryLock(LockWaitMs);
    return Read(locked ? Lock::Held : Lock::NotHeld).value_or(HighScoreTable{});
}

HighScoreStore::Recorded HighScoreStore::Record(const HighScore& game) {
    Recorded result;
    QDir().mkpath(QFileInfo(path_).absolutePath());
    QLockFile lock(path_ + QStringLiteral(".lock"));
    const bool locked = lock.tryLock(LockWaitMs);
    // Read again under the lock: another instance may have recorded a game
    // since this one last looked.
    const std::optional<HighScoreTable> table = Read(locked ? Lock::Held : Lock::NotHeld);
    const HighScoreTable stored = table.value_or(HighScoreTable{});
    result.Table = stored;
    result.Place = result.Table.Add(game);
    if (result.Place < 0) {
        result.Saved = true; // nothing to write
        return result;
    }
    QSaveFile file(path_);
    result.Saved = locked && table && file.open(QIODevice::WriteOnly) &&
                   file.write(FormatScoreFile(result.Table)) >= 0 && file.commit();
    if (!result.Saved) result.Table = stored;
    return result;
}

std::optional<HighScoreTable> HighScoreStore::Read(Lock lock) {
    const QFileInfo info(path_);
    if (!info.exists()) return HighScoreTable{};
    // A folder, a pipe or a device in the file's place is no score file; a
    // pipe would block a read for good.
    if (info.isFile() && info.size() <= MaxFileSize) {
        QFile file(path_);
        if (file.open(QIODevice::ReadOnly)) {
            const QByteArray text = file.readAll();
            if (file.error() == QFileDevice::NoError) {
                if (std::optional<HighScoreTable> table = ParseScoreFile(text)) return *table;
            }
        }
    }
    // Without the lock another instance may be writing: the file is left to
    // it, and this one shows an empty table.
    if (lock == Lock::Held && MoveAside()) return HighScoreTable{};
    return std::nullopt;
}

bool HighScoreStore::MoveAside() {
    // HighScores.txt becomes HighScores.damaged-20261210-140322.txt (with -2,
    // -3 ... when that name is taken): a rename never overwrites.
    const QFileInfo info(path_);
    const QString stem = info.absolutePath() + QLatin1Char('/') + info.completeBaseName() +
                         QStringLiteral(".damaged-") +
                         QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    const QString suffix = info.suffix().isEmpty() ? QString() : QLatin1Char('.') + info.suffix();
    for (int n = 1; n <= 100; ++n) {
        const QString aside = stem + (n > 1 ? QStringLiteral("-%1").arg(n) : QString()) + suffix;
        if (QFileInfo::exists(aside) || QFileInfo(aside).isSymLink()) continue;
        if (!QDir().rename(path_, aside)) return false;
        movedAsideTo_ = aside;
        return true;
    }
    return false;
}

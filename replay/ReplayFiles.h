#pragma once

#include <QString>
#include <optional>

#include "engine/GameRecord.h"
#include "scores/HighScoreTable.h"

// Where the replays are kept, beside the high-score file: the last finished
// game as LastGame.brimal-replay, and the game of each row of the table in
// the folder replays/, named after the row's end and score. A row's replay
// goes when the row drops out of the table.
//
// Threads: the UI thread.
namespace ReplayFiles {

inline constexpr const char* Suffix = ".brimal-replay";

QString LastGamePath(const QString& scoreFile);
QString RowPath(const QString& scoreFile, const HighScore& row);

// Writes the game whole, through a temporary file that then replaces the
// old one, making the folder if needed. False when it could not be written.
bool Write(const QString& path, const GameRecord& game);

// Deletes the replays of the folder that belong to no row of `table`.
void Prune(const QString& scoreFile, const HighScoreTable& table);

// After a game has been offered to the table: keeps `game` as the replay of
// the row that ended at `ended` with `score`, if the table holds one, and
// deletes the replays of rows that have dropped out. Done under the score
// file's lock, so that another instance recording at the same moment neither
// loses its replay nor keeps a stale one. False when a replay could not be
// written.
bool KeepWithRow(const QString& scoreFile, const QDateTime& ended, qint64 score,
                 const GameRecord& game);

struct Loaded {
    std::optional<GameRecord> Game;
    QString Problem; // with no game: what is wrong, in a sentence that names the file
};
// Reads a replay file; a file that is missing, unreadable, too large, not a
// replay, damaged, cut short or from a version that plays differently gives
// no game and a message saying which.
Loaded Read(const QString& path);

} // namespace ReplayFiles

#pragma once

#include <QString>
#include <optional>

#include "scores/HighScoreTable.h"

// The high-score file of one user, apart from the settings store. Every change
// is made under a lock file beside it, on the table read afresh from the file,
// and written whole to a temporary file that then replaces it, so that two
// instances of the game recording at once keep both games and a crash leaves
// the old file or the new one, never half of either.
//
// A file that is not a score file, is damaged, too large or unreadable never
// stops the game: it is moved aside under a new name, where the player can
// still find it, and the table starts empty.
//
// Threads: the UI thread; instances share nothing but the file.
class HighScoreStore {
public:
    explicit HighScoreStore(QString filePath);

    // HighScores.txt in the user's application data folder (on Linux
    // $XDG_DATA_HOME/Kelvox/Brimal, on Windows %APPDATA%\Kelvox\Brimal).
    static QString UserFilePath();

    // The table as the file holds it now.
    HighScoreTable Load();

    struct Recorded {
        // The table as the file now holds it: with the game when it was
        // saved, as it was when it was not.
        HighScoreTable Table;
        int Place = -1;     // the game's place in its rule set; -1: it does not enter
        bool Saved = false; // the file holds the game (or it did not enter)
    };
    // Adds a finished game to the table in the file.
    Recorded Record(const HighScore& game);

    const QString& FilePath() const { return path_; }
    // Where the last damaged file went; empty when none was moved.
    QString MovedAsideTo() const { return movedAsideTo_; }

private:
    enum class Lock { Held, NotHeld };
    // The table in the file, empty when there is none; nothing when the file
    // is damaged and still in its place (not moved aside), as it must then
    // not be written over.
    std::optional<HighScoreTable> Read(Lock lock);
    bool MoveAside();

    QString path_;
    QString movedAsideTo_;
};

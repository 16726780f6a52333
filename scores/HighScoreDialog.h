#pragma once

#include <QDateTime>
#include <QDialog>
#include <QElapsedTimer>
#include <QSet>
#include <functional>

#include "scores/HighScoreStore.h"
#include "scores/RuleSet.h"

class QLabel;
class QLineEdit;
class QStackedWidget;
class QTableWidget;

// A game as the counters showed it when it ended.
struct FinishedGame {
    qint64 Score = 0;
    qint64 Pieces = 0;
    qint64 FourRowClears = 0;
    QDateTime Ended;
};

// The dialog "ハイスコア": a line naming the rules in words, then either the
// name entry for a game that enters the table or the table of those rules,
// and one OK button. It stays centred over its owner's window as it changes
// from the one to the other. Each control has its name as object name.
class HighScoreDialog : public QDialog {
    Q_OBJECT

public:
    HighScoreDialog(QWidget* owner, const RuleSet& rules);

    // Records a name and answers with what to show: the table and the place
    // of the new row in it (-1: none).
    using RecordName = std::function<HighScoreStore::Recorded(const QString& name)>;

    // The name entry for a game that takes `place` (0 for the best), with
    // `offered` in the box, all of it selected. OK (Enter) records a name
    // that CleanName accepts and turns to the table; Esc records nothing.
    // The prompt opens as a game ends, while the player may still hold or
    // tap the game's keys (Space, X, Z, the keypad): key presses in its first
    // moment, and the repeats of a key held since then, do not count; a key
    // counts once released and pressed again. A blank-only name is refused
    // as it is typed.
    void AskName(int place, const FinishedGame& game, const QString& offered, RecordName record);
    // The rows of the rules, best first, with row `marked` marked. `note`,
    // when not empty, stands in the line above the table.
    void ShowTable(const QList<HighScore>& rows, int marked, const QString& note = {});

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void OkClick();
    void Recentre();

    QWidget* owner_;
    QString rulesKey_;
    RecordName record_;
    QElapsedTimer opened_; // when the name entry opened
    QSet<int> ownKeys_;    // keys pressed since then: their repeats count
    QLabel* Rules;
    QLabel* Note;
    QStackedWidget* Pages;
    QLabel* Place;
    QLabel* Counters;
    QLineEdit* Name;
    QTableWidget* Table;
};

// After a game over: when the game enters the table of the rules it was played
// under, asks for a name, records it and shows the table with the new row
// marked. A game that does not enter shows nothing.
void OfferHighScore(QWidget* owner, const TGameSettings& settings, const FinishedGame& game,
                    HighScoreStore& store);
// The table of the current rules.
void ShowHighScores(QWidget* owner, const TGameSettings& settings, HighScoreStore& store);

// The user's login name, as a name the table accepts; empty when there is none.
QString LoginName();

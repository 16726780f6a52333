#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <optional>

// One finished game in the table.
struct HighScore {
    QString Rules;            // RuleSet::Key() of the rules it was played under
    qint64 Score = 0;         // 得点
    qint64 Pieces = 0;        // 総数, pieces landed
    qint64 FourRowClears = 0; // ４段抜
    QDateTime When;           // when the game ended
    QString Name;

    bool operator==(const HighScore&) const = default;
};

// The longest name, in characters.
inline constexpr int MaxNameLength = 20;

// A name as the table keeps it: trimmed; nothing when it is then empty, longer
// than MaxNameLength characters, or holds a control character, a line or
// paragraph separator or a broken surrogate (any of which would break the
// score file's lines or show as garbage).
std::optional<QString> CleanName(const QString& typed);

// The best games, ten per rule set. Within a rule set the higher score ranks
// higher, and of two equal scores the earlier game; a game enters only with a
// score above 0 that ranks among the ten.
class HighScoreTable {
public:
    static constexpr int Places = 10;

    // The rows of one rule set, best first.
    QList<HighScore> Rows(const QString& rules) const;
    // The place (0 for the best) that a game would take, or -1 when it would
    // not enter.
    int PlaceFor(const QString& rules, qint64 score, const QDateTime& when) const;
    // Adds a game and returns its place, or -1 when it does not enter (the
    // table is then unchanged). A row already in the table is not added twice.
    int Add(const HighScore& row);

    // Every row, grouped by rule set and best first within each.
    const QList<HighScore>& AllRows() const { return rows_; }
    // The name of the latest game in the table; empty when there is none.
    QString LatestName() const;

private:
    QList<HighScore> rows_;
};

#include "scores/HighScoreTable.h"

#include <algorithm>

std::optional<QString> CleanName(const QString& typed) {
    const QString name = typed.trimmed();
    if (name.isEmpty() || !name.isValidUtf16()) return std::nullopt;
    // Characters, not UTF-16 units: a name of twenty emoji is twenty long.
    if (name.toUcs4().size() > MaxNameLength) return std::nullopt;
    for (QChar c : name) {
        const QChar::Category category = c.category();
        if (category == QChar::Other_Control || category == QChar::Separator_Line ||
            category == QChar::Separator_Paragraph)
            return std::nullopt;
    }
    return name;
}

namespace {

// Whether a ranks above b: rule sets apart, then the higher score, then the
// earlier game.
bool RanksAbove(const HighScore& a, const HighScore& b) {
    if (a.Rules != b.Rules) return a.Rules < b.Rules;
    if (a.Score != b.Score) return a.Score > b.Score;
    return a.When < b.When;
}

} // namespace

QList<HighScore> HighScoreTable::Rows(const QString& rules) const {
    QList<HighScore> rows;
    for (const HighScore& row : rows_) {
        if (row.Rules == rules) rows << row;
    }
    return rows;
}

int HighScoreTable::PlaceFor(const QString& rules, qint64 score, const QDateTime& when) const {
    if (score <= 0) return -1;
    HighScore game;
    game.Rules = rules;
    game.Score = score;
    game.When = when;
    int place = 0;
    for (const HighScore& row : rows_) {
        if (row.Rules == rules && !RanksAbove(game, row)) ++place;
    }
    return place < Places ? place : -1;
}

int HighScoreTable::Add(const HighScore& row) {
    if (rows_.contains(row)) return Rows(row.Rules).indexOf(row);
    const int place = PlaceFor(row.Rules, row.Score, row.When);
    if (place < 0) return -1;
    rows_.insert(std::upper_bound(rows_.begin(), rows_.end(), row, RanksAbove), row);
    // The eleventh row of the rule set falls out.
    const QList<HighScore> mine = Rows(row.Rules);
    if (mine.size() > Places) rows_.removeOne(mine.last());
    return place;
}

QString HighScoreTable::LatestName() const {
    const auto latest =
        std::max_element(rows_.begin(), rows_.end(),
                         [](const HighScore& a, const HighScore& b) { return a.When < b.When; });
    return latest == rows_.end() ? QString() : latest->Name;
}

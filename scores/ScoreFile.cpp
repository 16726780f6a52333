#include "scores/ScoreFile.h"

#include <QRegularExpression>
#include <QStringDecoder>
#include <QStringList>

#include "scores/RuleSet.h"

namespace {

const QString FirstLine = QStringLiteral("# Brimal high scores, format 1");
const QString Explanation =
    QStringLiteral("# rules, score, pieces, four-row clears, date and time, name; tab apart");

std::optional<qint64> Count(const QString& field) {
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,18}$"));
    if (!digits.match(field).hasMatch()) return std::nullopt;
    return field.toLongLong();
}

std::optional<HighScore> ParseRow(const QString& line) {
    const QStringList fields = line.split(QLatin1Char('\t'));
    if (fields.size() != 6 || !RuleSet::FromKey(fields[0])) return std::nullopt;
    const auto score = Count(fields[1]);
    const auto pieces = Count(fields[2]);
    const auto fours = Count(fields[3]);
    const QDateTime when = QDateTime::fromString(fields[4], Qt::ISODateWithMs);
    const auto name = CleanName(fields[5]);
    if (!score || !pieces || !fours || !when.isValid() || name != fields[5]) return std::nullopt;
    return HighScore{fields[0], *score, *pieces, *fours, when, *name};
}

} // namespace

QByteArray FormatScoreFile(const HighScoreTable& table) {
    QString text = FirstLine + QLatin1Char('\n') + Explanation + QLatin1Char('\n');
    for (const HighScore& row : table.AllRows()) {
        // The local time with its offset: readable as the player saw it, and
        // still one instant when the clock moves to or from summer time.
        const QDateTime when = row.When.toOffsetFromUtc(row.When.offsetFromUtc());
        text += QStringList{row.Rules,
                            QString::number(row.Score),
                            QString::number(row.Pieces),
                            QString::number(row.FourRowClears),
                            when.toString(Qt::ISODateWithMs),
                            row.Name}
                    .join(QLatin1Char('\t')) +
                QLatin1Char('\n');
    }
    return text.toUtf8();
}

std::optional<HighScoreTable> ParseScoreFile(const QByteArray& bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder(bytes);
    if (decoder.hasError()) return std::nullopt;
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString& line : lines) {
        if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
    }
    if (lines.first() != FirstLine) return std::nullopt;

    HighScoreTable table;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QString& line = lines[i];
        if (line.isEmpty() || line.startsWith(QLatin1Char('#'))) continue;
        const std::optional<HighScore> row = ParseRow(line);
        if (!row) return std::nullopt;
        // A hand-edited file may hold more than ten rows of a rule set: the
        // best ten stay.
        table.Add(*row);
    }
    return table;
}

#include "scores/RuleSet.h"

#include <QRegularExpression>
#include <QStringList>

RuleSet RuleSet::Of(const TGameSettings& settings) {
    RuleSet rules;
    rules.WellWidth = settings.WellWidth;
    rules.WellHeight = settings.WellHeight;
    rules.ShowNext = settings.ShowNext;
    // The piece count and the ratios shape a game only while they are
    // switched on; otherwise two games differing in them are the same game.
    rules.PreFill = settings.PreFill;
    if (rules.PreFill) rules.PreFillPieces = settings.PreFillPieces;
    rules.RatioOn = settings.RatioOn;
    if (rules.RatioOn) {
        for (int kind = 1; kind <= 7; ++kind)
            rules.Ratios[kind - 1] = settings.Ratios[kind];
    }
    return rules;
}

namespace {

QString RatiosText(const std::array<int, 7>& ratios, QChar separator) {
    QStringList values;
    for (int ratio : ratios)
        values << QString::number(ratio);
    return values.join(separator);
}

} // namespace

QString RuleSet::Key() const {
    return QStringLiteral("%1x%2 next:%3 fall:%4 ratio:%5")
        .arg(WellWidth)
        .arg(WellHeight)
        .arg(ShowNext ? "on" : "off")
        .arg(PreFill ? QString::number(PreFillPieces) : QStringLiteral("off"))
        .arg(RatioOn ? RatiosText(Ratios, QLatin1Char('/')) : QStringLiteral("off"));
}

std::optional<RuleSet> RuleSet::FromKey(const QString& key) {
    static const QRegularExpression pattern(QStringLiteral(
        R"(^(-?\d{1,9})x(-?\d{1,9}) next:(on|off) fall:(off|-?\d{1,9}) ratio:(off|(?:-?\d{1,9}/){6}-?\d{1,9})$)"));
    const QRegularExpressionMatch match = pattern.match(key);
    if (!match.hasMatch()) return std::nullopt;
    RuleSet rules;
    rules.WellWidth = match.captured(1).toInt();
    rules.WellHeight = match.captured(2).toInt();
    rules.ShowNext = match.captured(3) == QLatin1String("on");
    rules.PreFill = match.captured(4) != QLatin1String("off");
    if (rules.PreFill) rules.PreFillPieces = match.captured(4).toInt();
    rules.RatioOn = match.captured(5) != QLatin1String("off");
    if (rules.RatioOn) {
        const QStringList values = match.captured(5).split(QLatin1Char('/'));
        for (int i = 0; i < 7; ++i)
            rules.Ratios[i] = values[i].toInt();
    }
    // One rule set, one text: "08x25" or "-0" would make a second table.
    if (rules.Key() != key) return std::nullopt;
    return rules;
}

QString RuleSet::InWords() const {
    QStringList parts;
    parts << QStringLiteral("%1 × %2").arg(WellWidth).arg(WellHeight);
    parts << (ShowNext ? tr("次のブロック表示あり") : tr("次のブロック表示なし"));
    parts << (PreFill ? tr("自動落下あり（%1ピース）").arg(PreFillPieces) : tr("自動落下なし"));
    // The ratios' separator and the parts' joiner are the language's own.
    const QString separator = tr("・");
    const QChar ratioSeparator = separator.isEmpty() ? QChar(0x30FB) : separator.front();
    parts << (RatioOn ? tr("出現率指定あり（%1）").arg(RatiosText(Ratios, ratioSeparator))
                      : tr("出現率指定なし"));
    return parts.join(tr("、"));
}

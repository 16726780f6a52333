#pragma once

#include <QCoreApplication>
#include <QString>
#include <array>
#include <optional>

#include "engine/GameSettings.h"

// The settings that make two games comparable: the well's size, the preview,
// the opening drop with its piece count, and the piece ratios with their seven
// values. The row wait, the colours, the sounds and the keys change nothing of
// what a score means and are left out. Each rule set has a table of its own.
struct RuleSet {
    Q_DECLARE_TR_FUNCTIONS(RuleSet)

public:
    int WellWidth = 8;
    int WellHeight = 25;
    bool ShowNext = true;
    bool PreFill = false;
    int PreFillPieces = 0; // counts only with PreFill; 0 otherwise
    bool RatioOn = false;
    std::array<int, 7> Ratios{}; // kinds 1 to 7; count only with RatioOn, all 0 otherwise

    static RuleSet Of(const TGameSettings& settings);

    // The rule set as one line of the score file, "8x25 next:on fall:off
    // ratio:off", "8x25 next:off fall:10 ratio:15/15/14/14/14/14/14"; and back.
    // Only the text Key() gives is read back.
    QString Key() const;
    static std::optional<RuleSet> FromKey(const QString& key);

    // The rule set in words, for the line above the table:
    // "8 × 25、次のブロック表示あり、自動落下なし、出現率指定なし".
    QString InWords() const;

    bool operator==(const RuleSet&) const = default;
};

// Which games the table keeps: ten per rule set, the higher score first and
// of equal scores the earlier game, never a score of 0; which settings make a
// rule set of their own; which names it takes.

#include "scores/HighScoreTable.h"
#include "scores/RuleSet.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

const QString A = RuleSet().Key();
const QString B = RuleSet{10, 25}.Key();

struct Game {
    QString rules;
    qint64 score;
    int minute; // when it ended
    QString name;
};

HighScore Row(const Game& game) {
    return {game.rules,
            game.score,
            1,
            0,
            QDateTime(QDate(2026, 12, 10), QTime(12, 0)).addSecs(60 * game.minute),
            game.name};
}

// Ten games of rule set A, scored 10 (a) to 100 (j), in minutes 0 to 9.
std::vector<Game> TenOfA() {
    std::vector<Game> games;
    for (int i = 0; i < 10; ++i)
        games.push_back({A, 10 * (i + 1), i, QString(QChar('a' + i))});
    return games;
}

// The names of a rule set's rows, best first.
QString Names(const HighScoreTable& table, const QString& rules) {
    QString names;
    for (const HighScore& row : table.Rows(rules))
        names += row.Name;
    return names;
}

TEST(HighScoreTableTest, KeepsTheBestTenOfEachRuleSetWithTiesToTheEarlierGame) {
    struct Case {
        const char* what;
        std::vector<Game> before;
        Game game;
        int place; // -1: it does not enter
        QString expectedA, expectedB;
    };
    const std::vector<Case> cases{
        {"a first game", {}, {A, 1, 0, "x"}, 0, "x", ""},
        {"a score of 0 never enters", {}, {A, 0, 0, "x"}, -1, "", ""},
        {"a tie ranks below the earlier game",
         {{A, 50, 5, "a"}, {A, 60, 1, "b"}},
         {A, 50, 6, "x"},
         2,
         "bax",
         ""},
        {"a tie ranks above a later game (added late)",
         {{A, 50, 5, "a"}},
         {A, 50, 4, "x"},
         0,
         "xa",
         ""},
        {"the eleventh game below the tenth", TenOfA(), {A, 5, 20, "x"}, -1, "jihgfedcba", ""},
        {"the eleventh game tying the tenth, later",
         TenOfA(),
         {A, 10, 20, "x"},
         -1,
         "jihgfedcba",
         ""},
        {"the eleventh game above the tenth pushes it out",
         TenOfA(),
         {A, 15, 20, "x"},
         9,
         "jihgfedcbx",
         ""},
        {"a new best among ten", TenOfA(), {A, 1000, 20, "x"}, 0, "xjihgfedcb", ""},
        {"another rule set has a table of its own",
         TenOfA(),
         {B, 1, 20, "x"},
         0,
         "jihgfedcba",
         "x"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        HighScoreTable table;
        for (const Game& game : c.before)
            table.Add(Row(game));
        const HighScore row = Row(c.game);
        EXPECT_EQ(table.PlaceFor(row.Rules, row.Score, row.When), c.place);
        EXPECT_EQ(table.Add(row), c.place);
        EXPECT_EQ(Names(table, A), c.expectedA);
        EXPECT_EQ(Names(table, B), c.expectedB);
    }
}

TEST(HighScoreTableTest, OnlyTheSettingsThatChangeTheGameMakeANewTable) {
    // Whether changing one setting from the defaults gives another rule set.
    const std::vector<std::tuple<const char*, std::function<void(TGameSettings&)>, bool>> cases{
        {"well width", [](TGameSettings& s) { s.WellWidth = 9; }, true},
        {"well height", [](TGameSettings& s) { s.WellHeight = 30; }, true},
        {"preview off", [](TGameSettings& s) { s.ShowNext = false; }, true},
        {"opening drop on", [](TGameSettings& s) { s.PreFill = true; }, true},
        {"opening drop's count while on",
         [](TGameSettings& s) { s.PreFill = true, s.PreFillPieces = 20; }, true},
        {"ratios on", [](TGameSettings& s) { s.RatioOn = true; }, true},
        {"a ratio while on", [](TGameSettings& s) { s.RatioOn = true, s.Ratios[7] = 13; }, true},
        {"opening drop's count while off", [](TGameSettings& s) { s.PreFillPieces = 20; }, false},
        {"a ratio while off", [](TGameSettings& s) { s.Ratios[7] = 13; }, false},
        {"row wait", [](TGameSettings& s) { s.RowWait = 0; }, false},
        {"colours", [](TGameSettings& s) { s.FixedColors = false; }, false},
        {"sounds", [](TGameSettings& s) { s.SoundOn = false, s.SoundFiles[1] = "/x.wav"; }, false},
        {"keys", [](TGameSettings& s) { s.KeyActions[1] = 4; }, false},
    };
    const RuleSet defaults = RuleSet::Of(TGameSettings{});
    EXPECT_EQ(defaults.Key(), "8x25 next:on fall:off ratio:off");
    EXPECT_EQ(defaults.InWords(), "8 × 25、次のブロック表示あり、自動落下なし、出現率指定なし");
    for (const auto& [what, change, differs] : cases) {
        SCOPED_TRACE(what);
        TGameSettings settings;
        change(settings);
        const RuleSet rules = RuleSet::Of(settings);
        EXPECT_EQ(rules.Key() != defaults.Key(), differs) << rules.Key().toStdString();
        EXPECT_EQ(RuleSet::FromKey(rules.Key()), rules);
    }
    TGameSettings both;
    both.PreFill = both.RatioOn = true;
    EXPECT_EQ(RuleSet::Of(both).Key(), "8x25 next:on fall:10 ratio:15/15/14/14/14/14/14");
    EXPECT_EQ(RuleSet::Of(both).InWords(),
              "8 × 25、次のブロック表示あり、自動落下あり（10ピース）、"
              "出現率指定あり（15・15・14・14・14・14・14）");
    // Texts that are not the one text of a rule set.
    for (const char* key : {"", "08x25 next:on fall:off ratio:off", "8x25 next:on fall:off",
                            "8x25 next:yes fall:off ratio:off", "8x25 next:on fall:off ratio:1/2"})
        EXPECT_FALSE(RuleSet::FromKey(key)) << key;
}

TEST(HighScoreTableTest, NamesAreTrimmedAndAtMostTwentyCharactersWithoutControls) {
    const QString twentyEmoji = QString::fromUtf8("😀").repeated(20);
    const std::vector<std::pair<QString, std::optional<QString>>> cases{
        {"  ケイ  ", "ケイ"},
        {QString(20, 'k'), QString(20, 'k')},
        {" " + QString(20, 'k') + " ", QString(20, 'k')},
        {twentyEmoji, twentyEmoji},
        {QString(21, 'k'), std::nullopt},
        {"", std::nullopt},
        {" \t ", std::nullopt},
        {"a\tb", std::nullopt},
        {"a\nb", std::nullopt},
        {"a\x1b"
         "b",
         std::nullopt},
        {QString("a") + QChar(0x2028) + "b", std::nullopt}, // line separator
        {QString("a") + QChar(0xD800), std::nullopt},       // half a surrogate pair
    };
    for (const auto& [typed, expected] : cases)
        EXPECT_EQ(CleanName(typed), expected) << typed.toStdString();
}

} // namespace

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <utility>
#include <vector>

#include "bench/soak/SeededDraws.h"
#include "engine/GameRecorder.h"
#include "engine/KeyAction.h"
#include "support/GameRig.h"

namespace {

// The first millisecond of the day whose draw of Rnd(n) gives `result`.
std::uint64_t TimeFor(int n, int result) {
    for (std::uint64_t t = 0; t < 1000000; ++t) {
        const std::uint32_t seed = static_cast<std::uint32_t>(t) * 134775813u + 1u;
        if (static_cast<int>((static_cast<std::uint64_t>(seed) * n) >> 32) + 1 == result) return t;
    }
    ADD_FAILURE() << "no time gives " << result;
    return 0;
}

// A journal that hands out the draws it is given, in turn, and notes the
// range of every draw.
class ScriptedDraws : public EngineJournal {
public:
    explicit ScriptedDraws(std::vector<int> results) : results_(std::move(results)) {}
    std::vector<int> Ranges;

    void GameBegins(const TGameSettings&, int) override {}
    void Operation(GameEvent, int) override {}
    int Draw(int range, int drawn) override {
        Ranges.push_back(range);
        return next_ < results_.size() ? results_[next_++] : drawn;
    }
    void Landed(int) override {}
    void GameEnds(const Engine&, bool) override {}

private:
    std::vector<int> results_;
    size_t next_ = 0;
};

// Times of day around the boundaries between the seven kinds of Rnd(7): the
// fraction of 1 each one draws, with the kind it gives (1 + the fraction x 7,
// rounded down).
struct SeventhDraw {
    std::uint64_t now;
    int kind;
};
const SeventhDraw SeventhDraws[] = {
    {0, 1},    // 0.00000
    {132, 1},  // 0.14215
    {865, 2},  // 0.14365
    {1475, 2}, // 0.28541
    {41, 3},   // 0.28658
    {651, 3},  // 0.42834
    {173, 4},  // 0.42873
    {14, 4},   // 0.43930
    {305, 4},  // 0.57088
    {1038, 5}, // 0.57238
    {1648, 5}, // 0.71414
    {692, 6},  // 0.71492
    {824, 6},  // 0.85707
    {346, 7},  // 0.85746
    {31, 7},   // 0.97280
};

} // namespace

TEST(Generator, RndReseedsFromTheClockAndStepsTheCongruentialGenerator) {
    // Expected values worked out by hand: seed = t * 134775813 + 1 mod 2^32,
    // result = floor(seed * n / 2^32) + 1.
    struct Case {
        std::uint64_t now;
        int n, expected;
    };
    const Case cases[] = {
        {0, 100, 1},
        {1, 100, 4},
        {1000, 100, 38},
        {1000, 7, 3},
        {1000, 3, 2},
        {86399999, 100, 73},
        {86399999, 7, 6},
        {86399999, 2, 2},
        {86400000 + 1000, 100, 38}, // the clock is read as time of day
    };
    for (const Case& c : cases) {
        GameRig rig;
        rig.Host.Now = c.now;
        EXPECT_EQ(rig.Game.Rnd(c.n), c.expected) << c.now << " " << c.n;
    }
}

TEST(Generator, DrawsInTheSameMillisecondShareTheirFraction) {
    GameRig rig;
    for (std::uint64_t t = 0; t < 2000; t += 7) {
        rig.Host.Now = t;
        EXPECT_EQ(rig.Game.Rnd(1), 1);
        const int four = rig.Game.Rnd(4);
        const int seven = rig.Game.Rnd(7);
        const int hundred = rig.Game.Rnd(100);
        EXPECT_GE(hundred, 1);
        EXPECT_LE(hundred, 100);
        // Both come from one u in [0, 1): floor(4u) + 1 and floor(7u) + 1.
        // so the intervals [(four - 1) / 4, four / 4) and [(seven - 1) / 7, seven / 7) overlap.
        EXPECT_LT(7 * (four - 1), 4 * seven) << t;
        EXPECT_LT(4 * (seven - 1), 7 * four) << t;
    }
}

TEST(Generator, PickKindFollowsThePercentagesAtTheirBoundaries) {
    struct Case {
        std::array<int, 8> ratios;
        int draw, kind;
    };
    const std::array<int, 8> tens{0, 10, 10, 10, 10, 10, 10, 40};
    const Case cases[] = {
        {tens, 1, 1},
        {tens, 10, 1},
        {tens, 11, 2},
        {tens, 20, 2},
        {tens, 21, 3},
        {tens, 50, 5},
        {tens, 51, 6},
        {tens, 60, 6},
        {tens, 61, 7},
        {tens, 100, 7},
        {{0, 100, 0, 0, 0, 0, 0, 0}, 100, 1}, // everything is the square
        {{0, 0, 0, 0, 0, 0, 0, 0}, 1, 7},     // nothing left for kinds 1 to 6
        {{0, 0, 0, 0, 0, 0, 0, 100}, 1, 7},   // kind 7's own value plays no part
        {{0, 0, 0, 0, 0, 0, 0, 0}, 100, 7},
        {{0, 20, 20, 20, 20, 10, 10, 50}, 100, 6}, // 1 to 6 reach 100: kind 7 never comes
        {{0, 15, 15, 14, 14, 14, 14, 14}, 15, 1},
        {{0, 15, 15, 14, 14, 14, 14, 14}, 16, 2},
        {{0, 15, 15, 14, 14, 14, 14, 14}, 30, 2},
        {{0, 15, 15, 14, 14, 14, 14, 14}, 31, 3},
        {{0, 15, 15, 14, 14, 14, 14, 14}, 86, 6},
        {{0, 15, 15, 14, 14, 14, 14, 14}, 87, 7},
    };
    for (const Case& c : cases) {
        GameRig rig;
        rig.Settings.Ratios = c.ratios;
        rig.Host.Now = TimeFor(100, c.draw);
        EXPECT_EQ(rig.Game.PickKind(), c.kind) << "draw " << c.draw;
    }
}

TEST(Generator, ShapesAndColoursFollowTheirKind) {
    GameRig rig;
    std::map<int, std::set<int>> shapesOf;
    for (std::uint64_t t = 0; t < 400; ++t) {
        rig.Host.Now = t;
        for (int kind = 1; kind <= 7; ++kind)
            shapesOf[kind].insert(rig.Game.PickShape(kind));
    }
    EXPECT_EQ(shapesOf[1], (std::set<int>{1}));
    EXPECT_EQ(shapesOf[2], (std::set<int>{2, 3}));
    EXPECT_EQ(shapesOf[3], (std::set<int>{4, 5}));
    EXPECT_EQ(shapesOf[4], (std::set<int>{6, 7}));
    EXPECT_EQ(shapesOf[5], (std::set<int>{8, 9, 10, 11}));
    EXPECT_EQ(shapesOf[6], (std::set<int>{12, 13, 14, 15}));
    EXPECT_EQ(shapesOf[7], (std::set<int>{16, 17, 18, 19}));

    // Fixed colours whenever the next piece is shown or colours are fixed;
    // otherwise any of the seven, even for the square.
    for (auto [showNext, fixed] : {std::pair{true, false}, {false, true}, {true, true}}) {
        rig.Settings.ShowNext = showNext;
        rig.Settings.FixedColors = fixed;
        EXPECT_EQ(rig.Game.ColorOfShape(1), 3);
        EXPECT_EQ(rig.Game.ColorOfShape(19), 7);
    }
    rig.Settings.ShowNext = false;
    rig.Settings.FixedColors = false;
    std::set<int> squareColours;
    for (std::uint64_t t = 0; t < 400; ++t) {
        rig.Host.Now = t;
        squareColours.insert(rig.Game.ColorOfShape(1));
    }
    EXPECT_EQ(squareColours, (std::set<int>{1, 2, 3, 4, 5, 6, 7}));
}

TEST(Generator, FreshKindsAreUniformUnlessRatiosAreOn) {
    GameRig rig;
    rig.Settings.Ratios = {0, 100, 0, 0, 0, 0, 0, 0};
    std::set<int> kinds;
    for (std::uint64_t t = 0; t < 300; ++t) {
        rig.Host.Now = t;
        kinds.insert(rig.Game.FreshKind());
    }
    EXPECT_EQ(kinds.size(), 7u);

    rig.Settings.RatioOn = true;
    for (std::uint64_t t = 0; t < 300; ++t) {
        rig.Host.Now = t;
        EXPECT_EQ(rig.Game.FreshKind(), 1);
    }
}

TEST(Generator, AFreshKindIsOneSeventhOfTheDrawUnlessRatiosAreOnWithOneKindAt100) {
    for (const SeventhDraw& d : SeventhDraws) {
        // Percentages that would decide otherwise play no part while ratios
        // are off.
        for (const std::array<int, 8>& ratios : {std::array<int, 8>{0, 15, 15, 14, 14, 14, 14, 14},
                                                 std::array<int, 8>{0, 100, 0, 0, 0, 0, 0, 0}}) {
            GameRig rig;
            rig.Settings.Ratios = ratios;
            rig.Host.Now = d.now;
            rig.Game.DrawFreshKind();
            EXPECT_EQ(rig.Game.NextKind, d.kind) << "at " << d.now << ", kind 1 at " << ratios[1];
        }
        // Under ratios with one kind at 100 a game's first two pieces are of
        // that kind, whatever the draw; kind 7 gets what kinds 1 to 6 leave.
        for (int kind = 1; kind <= KindCount; ++kind) {
            GameRig rig;
            rig.Settings.RatioOn = true;
            rig.Settings.Ratios = {0, 0, 0, 0, 0, 0, 0, 0};
            if (kind < 7) rig.Settings.Ratios[kind] = 100;
            rig.Host.Now = d.now;
            rig.Game.DrawFreshKind();
            rig.Game.GameGameClick();
            EXPECT_EQ(KindOfShape(rig.Game.PieceShape), kind) << "at " << d.now;
            EXPECT_EQ(KindOfShape(rig.Game.NextShape), kind) << "at " << d.now;
        }
    }
}

TEST(Generator, ANewPieceTakesTheNextShapeThenDrawsTheNextShapeTheColourAndTheNextKind) {
    // Colours not fixed, so the colour is a draw of its own. The journal hands
    // out the draws in turn; which value lands where shows the order.
    struct Case {
        const char* what;
        bool ratioOn;
        bool byLanding; // a landing brings the piece in, else the start of a game
        int kindWaiting;
        std::vector<int> draws;
        std::vector<int> ranges;
        int pieceShape, pieceColor, nextShape, nextKind;
    };
    const Case cases[] = {
        // Start: a kind (6) and its shape (13) for the first piece, then the
        // queue: the shape of waiting kind 5 (10), the colour, the next kind.
        {"start", false, false, 5, {6, 2, 3, 4, 2}, {7, 4, 4, 7, 7}, 13, 4, 10, 2},
        // 50 is kind 4 by the default percentages, 90 kind 7.
        {"start, ratios", true, false, 2, {50, 2, 1, 5, 90}, {100, 2, 2, 7, 100}, 7, 5, 2, 7},
        // After a landing the queue alone; a square needs no draw for its shape.
        {"landing, square next", false, true, 1, {6, 3}, {7, 7}, 17, 6, 1, 3},
        {"landing", false, true, 7, {4, 1, 5}, {4, 7, 7}, 17, 1, 19, 5},
        {"landing, ratios", true, true, 3, {2, 7, 60}, {2, 7, 100}, 17, 7, 5, 5},
    };
    for (const Case& c : cases) {
        GameRig rig;
        rig.Settings.ShowNext = false;
        rig.Settings.FixedColors = false;
        rig.Settings.RatioOn = c.ratioOn;
        ScriptedDraws journal(c.draws);
        if (c.byLanding) {
            rig.StartWith("", 1, 0, 24);
            rig.Game.NextShape = 17;
            rig.Game.NextKind = c.kindWaiting;
            rig.Game.SetJournal(&journal);
            rig.Game.DoAction(kaDropAll);
        } else {
            rig.Game.NextKind = c.kindWaiting;
            rig.Game.SetJournal(&journal);
            rig.Game.GameGameClick();
        }
        EXPECT_EQ(journal.Ranges, c.ranges) << c.what;
        EXPECT_EQ(rig.Game.PieceShape, c.pieceShape) << c.what;
        EXPECT_EQ(rig.Game.PieceColor, c.pieceColor) << c.what;
        EXPECT_EQ(rig.Game.NextShape, c.nextShape) << c.what;
        EXPECT_EQ(rig.Game.NextKind, c.nextKind) << c.what;
        // The piece shows in its colour at the spawn point.
        for (const CellOffset& cell : ShapeTable[c.pieceShape]) {
            if (cell.dy == 0) {
                EXPECT_EQ(rig.Host.At(3 + cell.dx, 0), c.pieceColor) << c.what;
            }
        }
    }
}

// The soak's seeded draws: under two clocks the same seed gives the same
// pieces, and the window's recorder keeps the same draws, the ones played.
TEST(SeededDraws, TheSameSeedGivesTheSamePiecesAndTheRecordHoldsThem) {
    const auto play = [](std::uint64_t now) {
        GameRig rig;
        rig.Host.Now = now;
        GameRecorder recorder([] { return std::int64_t{0}; }, [](GameRecord&&) {});
        SeededDraws draws(recorder, 7);
        rig.Game.SetJournal(&draws);
        rig.Game.DrawFreshKind();
        rig.Game.GameGameClick();
        std::vector<int> shapes;
        for (int piece = 0; piece < 8; ++piece) {
            shapes.push_back(rig.Game.PieceShape);
            rig.Game.DoAction(kaDropAll);
        }
        return std::pair{shapes, recorder.Current().Events};
    };
    const auto [shapes, events] = play(1000);
    EXPECT_EQ(play(5'000'017), std::pair(shapes, events));
    EXPECT_GE(std::set<int>(shapes.begin(), shapes.end()).size(), 3u);
    EXPECT_GE(std::ranges::count(events, GameEvent::Draw, &RecordedEvent::Kind), 8);
}

#include <gtest/gtest.h>

#include <map>
#include <set>

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

#include <gtest/gtest.h>

#include <optional>

#include "engine/KeyAction.h"
#include "support/GameRig.h"

namespace {

// A rig whose next Start runs the opening drop, with the clock at `start`.
struct DropRig : GameRig {
    DropRig(std::uint64_t start, int width = 8, int pieces = 10) {
        Settings.PreFill = true;
        Settings.PreFillPieces = pieces;
        Settings.WellWidth = width;
        Host.Now = start;
        Game.DrawFreshKind();
        Game.ResetBoard();
        Host.Log.clear();
        Host.Periods.clear();
    }

    int Landings() const { return static_cast<int>(LogCount("clip 3")); }

    bool RowHasBlock(int y) const {
        for (int x = 0; x < Game.TheWell.Width(); ++x) {
            if (Game.TheWell.GetCell(x, y) != 0) return true;
        }
        return false;
    }
};

struct Placement {
    int shape, x, y;
};

// The piece whose four cells were drawn, in the catalogue's order, by
// `draws[0..3]`.
std::optional<Placement> Identify(const FakeHost::DrawnCell* draws) {
    for (int shape = 1; shape <= ShapeCount; ++shape) {
        bool match = true;
        for (int k = 0; k < 4; ++k) {
            match = match && draws[k].X == draws[0].X + ShapeTable[shape][k].dx &&
                    draws[k].Y == draws[0].Y + ShapeTable[shape][k].dy &&
                    draws[k].Code == draws[0].Code;
        }
        if (match) return Placement{shape, draws[0].X, draws[0].Y};
    }
    return std::nullopt;
}

int LeftmostColumn(const Placement& p) {
    int left = p.x;
    for (const CellOffset& c : ShapeTable[p.shape])
        left = std::min(left, p.x + c.dx);
    return left;
}

// How one opening piece went from its entry to its landing.
struct OpeningScript {
    int turns = 0, movesLeft = 0, movesRight = 0;
    Placement entry{}, pushed{}, landed{};
};

// Reads one opening piece's script from the cells drawn between its entry and
// its landing sound: the entry draws four cells, and every turn, move and the
// drop erase four and draw four.
std::optional<OpeningScript> ReadScript(const std::vector<FakeHost::DrawnCell>& draws) {
    if (draws.size() < 12 || (draws.size() - 4) % 8 != 0) return std::nullopt;
    std::vector<Placement> places;
    const std::optional<Placement> entry = Identify(&draws[0]);
    if (!entry) return std::nullopt;
    places.push_back(*entry);
    for (size_t g = 4; g < draws.size(); g += 8) {
        const std::optional<Placement> erased = Identify(&draws[g]);
        const std::optional<Placement> drawn = Identify(&draws[g + 4]);
        const Placement& last = places.back();
        if (!erased || !drawn || draws[g].Code != 0 || erased->shape != last.shape ||
            erased->x != last.x || erased->y != last.y) {
            return std::nullopt;
        }
        places.push_back(*drawn);
    }
    OpeningScript script;
    script.entry = places.front();
    script.landed = places.back();
    const size_t lastStep = places.size() - 1; // the drop
    size_t i = 1;
    const auto isTurn = [&](size_t j) {
        const int shape = TurnSuccessor(places[j - 1].shape, TurnDirection::Left);
        const CellOffset shift = TurnOffsets(shape, TurnDirection::Left);
        return places[j].shape == shape && places[j].x == places[j - 1].x + shift.dx &&
               places[j].y == places[j - 1].y + shift.dy;
    };
    const auto isMove = [&](size_t j, int dx) {
        return places[j].shape == places[j - 1].shape && places[j].x == places[j - 1].x + dx &&
               places[j].y == places[j - 1].y;
    };
    for (; i < lastStep && script.turns < 4 && isTurn(i); ++i)
        ++script.turns;
    for (; i < lastStep && isMove(i, -1); ++i)
        ++script.movesLeft;
    script.pushed = places[i - 1];
    for (; i < lastStep && isMove(i, 1); ++i)
        ++script.movesRight;
    const Placement& before = places[lastStep - 1];
    if (i != lastStep || script.landed.shape != before.shape || script.landed.x != before.x ||
        script.landed.y < before.y) {
        return std::nullopt;
    }
    return script;
}

} // namespace

TEST(OpeningDrop, WithoutItStartBringsTheFirstPieceIntoAnEmptyWell) {
    GameRig rig;
    rig.Host.Log.clear();
    rig.Game.GameGameClick();
    EXPECT_EQ(rig.Blocks(), 0);
    EXPECT_EQ(rig.LogCount("clip 3"), 0);
    EXPECT_EQ(rig.Game.PieceY, 0);
    EXPECT_TRUE(rig.Host.Enabled);
    EXPECT_EQ(rig.Host.Screen(), rig.GridWithPiece());
    EXPECT_EQ(rig.Game.Ends(), 0) << "a start without a drop ended something";
}

TEST(OpeningDrop, LandsAtMostTheGivenNumberAndStopsOnceABlockLiesInRowThree) {
    struct Config {
        int width, height, pieces;
    };
    // Ten pieces never reach row 3 of the default well; forty in the smallest
    // well mostly do.
    for (const Config& config : {Config{8, 25, 10}, Config{6, 17, 40}}) {
        int stoppedEarly = 0, ranFull = 0;
        for (std::uint64_t t = 0; t < 40; ++t) {
            DropRig rig(1000 + t * 7919, config.width, config.pieces);
            rig.Settings.WellHeight = config.height;
            // The drop pauses after a landing only when row 3 is still empty.
            int pauses = 0;
            rig.Host.OnWait = [&rig, &pauses](int ms) {
                if (rig.Landings() > 0 && ms >= 41 && ms <= 60) {
                    ++pauses;
                    EXPECT_FALSE(rig.RowHasBlock(3));
                }
            };
            rig.Game.GameGameClick();
            if (!rig.Host.Messages.empty()) continue; // ended in the drop

            const int landings = rig.Landings();
            const bool rowThree = rig.RowHasBlock(3);
            EXPECT_LE(landings, config.pieces);
            EXPECT_TRUE(landings == config.pieces || rowThree) << t;
            EXPECT_EQ(pauses, landings - (rowThree ? 1 : 0)) << t;
            EXPECT_EQ(rig.Game.Ends(), 1) << "the end of the drop counts once";
            (landings < config.pieces ? stoppedEarly : ranFull)++;
        }
        if (config.pieces == 10) {
            EXPECT_EQ(ranFull, 40);
        } else {
            EXPECT_GT(stoppedEarly, 0);
        }
    }
}

TEST(OpeningDrop, AfterTheDropScoreAndPiecesStartFromZeroAndFourRowClearsStayCounted) {
    int scoredInTheDrop = 0;
    for (std::uint64_t t = 0; t < 60; ++t) {
        DropRig rig(5000 + t * 104729, 6, 30);
        rig.Game.GameGameClick();
        if (!rig.Host.Messages.empty()) continue; // ended in the drop

        const std::vector<int> rows = rig.RowsPerOpeningLanding();
        ASSERT_EQ(static_cast<int>(rows.size()), rig.Landings());
        EXPECT_EQ(rig.Host.Caption, "Brimal  -Play-");
        EXPECT_EQ(rig.Host.Interval, 500);
        EXPECT_EQ(rig.Host.Counters[Counter::Score], "00000");
        EXPECT_EQ(rig.Host.Counters[Counter::Kazu], "00000");
        const long fourRows = std::count(rows.begin(), rows.end(), 4);
        std::string line4 = std::to_string(fourRows);
        if (line4.size() < 2) line4.insert(0, 1, '0');
        EXPECT_EQ(rig.Host.Counters[Counter::Line4], line4);
        scoredInTheDrop += std::count_if(rows.begin(), rows.end(), [](int r) { return r > 0; }) > 0;
    }
    EXPECT_GT(scoredInTheDrop, 0);
}

TEST(OpeningDrop, TheLeftoversOfReplacedEntriesVanishWithTheRepaintOfTheTopRows) {
    int sawLeftovers = 0;
    for (std::uint64_t t = 0; t < 30; ++t) {
        DropRig rig(777 + t * 3331);
        rig.Host.OnWait = [&rig, &sawLeftovers](int) {
            const std::vector<std::string> screen = ParseRows(rig.Host.Screen());
            const std::vector<std::string> expected = ParseRows(rig.GridWithPiece());
            if (screen[0] != expected[0]) ++sawLeftovers;
        };
        rig.Game.GameGameClick();
        ASSERT_TRUE(rig.Host.Messages.empty());

        // The repaint also covered the row-0 cells of the piece that has just
        // entered; they show again once it moves.
        EXPECT_EQ(rig.Host.Screen(), GridRows(rig.Game, 25)) << t;
        ASSERT_TRUE(rig.Tick());
        EXPECT_EQ(rig.Host.Screen(), rig.GridWithPiece()) << t;
    }
    EXPECT_GT(sawLeftovers, 0);
}

TEST(OpeningDrop, EveryPieceIsTurnedPushedLeftMovedRightAndDropped) {
    int pieces = 0;
    for (int width : {6, 8, 13}) {
        for (std::uint64_t t = 0; t < 20; ++t) {
            DropRig rig(3000 + t * 6007, width);
            rig.Host.RecordDraws = true;
            rig.Game.GameGameClick();
            for (size_t i = 0; i < rig.Host.Log.size(); ++i) {
                if (rig.Host.Log[i] != "clip 3") continue;
                std::vector<FakeHost::DrawnCell> draws;
                for (const FakeHost::DrawnCell& d : rig.Host.DrawLog) {
                    if (d.LogIndex == i) draws.push_back(d);
                }
                const std::optional<OpeningScript> script = ReadScript(draws);
                ASSERT_TRUE(script) << "width " << width << ", start " << t;
                ++pieces;
                EXPECT_EQ(script->entry.x, (width - 1) / 2);
                EXPECT_EQ(script->entry.y, 0);
                EXPECT_GE(script->turns, 2);
                EXPECT_LE(script->turns, 4);
                EXPECT_EQ(LeftmostColumn(script->pushed), 0);
                EXPECT_LE(script->movesRight, width - 3);
            }
        }
    }
    EXPECT_GT(pieces, 100);
}

TEST(OpeningDrop, WithSoundsOnEveryOpeningPiecePlaysTheLandingSound) {
    DropRig rig(424242);
    rig.Game.GameGameClick();
    // Each landing sets the period once; the drop sets 10000 before each piece.
    int landings = 0;
    for (const FakeHost::PeriodSet& p : rig.Host.Periods)
        landings += p.Milliseconds != 10000;
    EXPECT_EQ(rig.Landings(), landings - 1); // the last period is Start's 500
    EXPECT_GT(landings, 1);
}

TEST(OpeningDrop, NoPiecesToDropLeavesTheWellEmptyAndTheGameStartsAsUsual) {
    for (int pieces : {0, -1, -2147483647 - 1}) {
        DropRig rig(1234, 8, pieces);
        rig.Game.GameGameClick();
        EXPECT_EQ(rig.Landings(), 0) << pieces;
        EXPECT_EQ(rig.Blocks(), 0) << pieces;
        EXPECT_EQ(rig.Host.Caption, "Brimal  -Play-");
        // The first piece is there and falls.
        EXPECT_TRUE(rig.Host.Enabled) << pieces;
        EXPECT_EQ(rig.Host.Screen(), rig.GridWithPiece()) << pieces;
        ASSERT_TRUE(rig.Tick());
        EXPECT_EQ(rig.Game.PieceY, 1);
    }
}

TEST(OpeningDrop, AGameOverInTheDropEndsTheStart) {
    int gameOvers = 0;
    for (std::uint64_t t = 0; t < 400 && gameOvers < 5; ++t) {
        DropRig rig(20000 + t * 7001, 6, 100);
        rig.Settings.WellHeight = 17;
        rig.Game.GameGameClick();
        if (rig.Host.Messages.empty()) continue;
        ++gameOvers;

        EXPECT_EQ(rig.Host.Messages, std::vector<std::string>{"   GameOver!"});
        EXPECT_EQ(rig.Host.Caption, "Brimal  ");
        EXPECT_FALSE(rig.Host.Enabled);
        EXPECT_EQ(rig.Game.Ends(), 1) << "the game's end and the drop's are one";
        // Start set no period after the game ended.
        const size_t message = static_cast<size_t>(
            std::find(rig.Host.Log.begin(), rig.Host.Log.end(), "message    GameOver!") -
            rig.Host.Log.begin());
        EXPECT_LE(rig.Host.Periods.back().LogIndex, message);
        // The counters keep what the drop counted.
        const std::vector<int> rows = rig.RowsPerOpeningLanding();
        int points = 0;
        for (int r : rows)
            points += std::array{0, 1, 4, 8, 16}[r];
        EXPECT_EQ(std::stoi(rig.Host.Counters[Counter::Kazu]), rig.Landings());
        EXPECT_EQ(std::stoi(rig.Host.Counters[Counter::Score]), points);
        // The final well shows as it is.
        EXPECT_EQ(rig.Host.Screen(), GridRows(rig.Game, 17)) << t;
        // Nothing moves until the next Start.
        EXPECT_FALSE(rig.Tick());
    }
    EXPECT_GT(gameOvers, 0);
}

#include <gtest/gtest.h>

#include <climits>

#include "engine/KeyAction.h"
#include "support/GameRig.h"

namespace {

struct PiecePlace {
    int shape, x, y;
    bool operator==(const PiecePlace&) const = default;
};

std::ostream& operator<<(std::ostream& out, const PiecePlace& p) {
    return out << "shape " << p.shape << " at " << p.x << "," << p.y;
}

PiecePlace PlaceOf(const Engine& game) {
    return {game.PieceShape, game.PieceX, game.PieceY};
}

} // namespace

TEST(Actions, MovesAndTurnsAgainstWallsFloorAndBlocks) {
    struct Case {
        const char* what;
        const char* bottomRows; // the bottom of the default 8 x 25 well
        PiecePlace from;
        int action;
        PiecePlace to; // equal to `from` when the action is refused
    };
    const Case cases[] = {
        {"left, free", "", {1, 3, 10}, kaMoveLeft, {1, 2, 10}},
        {"left, at the wall", "", {1, 0, 10}, kaMoveLeft, {1, 0, 10}},
        {"left, against a block", "..5.....", {1, 3, 24}, kaMoveLeft, {1, 3, 24}},
        {"left, a block beside an upper cell",
         "..5.....\n........",
         {9, 3, 24},
         kaMoveLeft,
         {9, 3, 24}},
        {"right, free", "", {1, 3, 10}, kaMoveRight, {1, 4, 10}},
        {"right, at the wall", "", {1, 6, 10}, kaMoveRight, {1, 6, 10}},
        {"right, against a block", ".....5..", {1, 3, 24}, kaMoveRight, {1, 3, 24}},
        {"right, a block beside an upper cell",
         "......5.\n........",
         {15, 3, 24},
         kaMoveRight,
         {15, 3, 24}},
        {"right, a block only below", ".....5..", {1, 3, 23}, kaMoveRight, {1, 4, 23}},
        {"drop fast, free", "", {1, 3, 10}, kaDropFast, {1, 3, 11}},
        {"turn left, free", "", {2, 3, 10}, kaRotateLeft, {3, 1, 9}},
        {"turn right, free", "", {8, 3, 10}, kaRotateRight, {11, 5, 9}},
        {"turn into a block", ".5......\n........", {2, 3, 24}, kaRotateLeft, {2, 3, 24}},
        // Lying, a vertical bar needs two columns on its left. From column 0
        // the target is column -2, which the turn refuses before reading the
        // grid there (a read outside the grid aborts).
        {"bar in column 0 turns left", "", {2, 0, 10}, kaRotateLeft, {2, 0, 10}},
        {"bar in column 0 turns right", "", {2, 0, 10}, kaRotateRight, {2, 0, 10}},
        {"bar in column 1 turns left", "", {2, 1, 10}, kaRotateLeft, {2, 1, 10}},
        {"bar in column 1 turns right", "", {2, 1, 10}, kaRotateRight, {2, 1, 10}},
        {"bar in column 2", "", {2, 2, 10}, kaRotateLeft, {3, 0, 9}},
        {"bar in the last column", "", {2, 7, 10}, kaRotateLeft, {2, 7, 10}},
        {"bar in the last column, right", "", {2, 7, 10}, kaRotateRight, {2, 7, 10}},
        {"bar next to the last column", "", {2, 6, 10}, kaRotateRight, {3, 4, 9}},
        // Upright, a lying bar reaches one row below its anchor.
        {"lying bar on the bottom row", "", {3, 2, 24}, kaRotateLeft, {3, 2, 24}},
        {"lying bar on the bottom row, right", "", {3, 2, 24}, kaRotateRight, {3, 2, 24}},
        {"lying bar one row up", "", {3, 2, 23}, kaRotateLeft, {2, 4, 24}},
        {"tee against the right wall", "", {16, 6, 10}, kaRotateLeft, {16, 6, 10}},
    };
    for (const Case& c : cases) {
        GameRig rig;
        rig.StartWith(c.bottomRows, c.from.shape, c.from.x, c.from.y);
        const int draws = rig.Host.Draws;
        rig.Game.DoAction(c.action);

        EXPECT_EQ(PlaceOf(rig.Game), c.to) << c.what;
        // A refused action draws nothing; a done one erases four cells and
        // draws four.
        EXPECT_EQ(rig.Host.Draws - draws, c.to == c.from ? 0 : 8) << c.what;
        EXPECT_EQ(rig.Host.Screen(), rig.GridWithPiece()) << c.what;
        EXPECT_TRUE(rig.Host.Log.empty()) << c.what;
        EXPECT_EQ(rig.Host.Counters[Counter::Kazu], "00000") << c.what;
    }
}

TEST(Actions, TheSquareTurnsInPlace) {
    for (int action : {kaRotateLeft, kaRotateRight}) {
        GameRig rig;
        rig.StartWith("", 1, 3, 10);
        const std::string screen = rig.Host.Screen();
        const int draws = rig.Host.Draws;
        rig.Game.DoAction(action);
        EXPECT_EQ(PlaceOf(rig.Game), (PiecePlace{1, 3, 10}));
        EXPECT_EQ(rig.Host.Draws - draws, 8); // redrawn where it was
        EXPECT_EQ(rig.Host.Screen(), screen);
    }
}

TEST(Actions, ANewVerticalBarTurnedAtOnceLiesUnseenInHiddenRowMinusOne) {
    GameRig rig;
    rig.StartWith("", 2, 3, 0);
    rig.Game.DoAction(kaRotateLeft);

    EXPECT_EQ(PlaceOf(rig.Game), (PiecePlace{3, 1, -1})); // columns 1 to 4
    std::string empty;
    for (int y = 0; y < 25; ++y)
        empty += "........\n";
    EXPECT_EQ(rig.Host.Screen(), Picture(empty));
}

TEST(Actions, FullTurnCyclesReturnToShapeAndAnchor) {
    for (int shape = 1; shape <= ShapeCount; ++shape) {
        const int kind = KindOfShape(shape);
        const int cycle = kind == 1 ? 1 : kind <= 4 ? 2 : 4;
        const PiecePlace start{shape, 10, 12};
        for (int action : {kaRotateLeft, kaRotateRight}) {
            GameRig rig;
            rig.Settings.WellWidth = 20;
            rig.StartWith("", shape, start.x, start.y);
            for (int i = 0; i < cycle; ++i) {
                const int before = rig.Game.PieceShape;
                rig.Game.DoAction(action);
                EXPECT_TRUE(kind == 1 || rig.Game.PieceShape != before)
                    << "shape " << shape << ": a turn was refused";
            }
            EXPECT_EQ(PlaceOf(rig.Game), start) << "action " << action;
        }
        for (auto [first, second] :
             {std::pair{kaRotateLeft, kaRotateRight}, {kaRotateRight, kaRotateLeft}}) {
            GameRig rig;
            rig.Settings.WellWidth = 20;
            rig.StartWith("", shape, start.x, start.y);
            rig.Game.DoAction(first);
            rig.Game.DoAction(second);
            EXPECT_EQ(PlaceOf(rig.Game), start) << "turn " << first << " then " << second;
        }
    }
}

TEST(Actions, DropAllFromTheSpawnPointLandsWithTheAnchorOnTheBottomRow) {
    for (int shape = 1; shape <= ShapeCount; ++shape) {
        GameRig rig;
        rig.StartWith("", shape, 3, 0);
        const int color = rig.Game.PieceColor;
        rig.Game.DoAction(kaDropAll);

        for (const CellOffset& c : ShapeTable[shape]) {
            EXPECT_EQ(rig.Game.TheWell.GetCell(3 + c.dx, 24 + c.dy), color) << "shape " << shape;
        }
        EXPECT_EQ(rig.Blocks(), 4);
        EXPECT_EQ(rig.Host.Counters[Counter::Kazu], "00001");
        EXPECT_EQ(rig.Host.Log, std::vector<std::string>{"clip 3"}); // nothing beyond the landing
        EXPECT_EQ(rig.Game.PieceY, 0);                               // the next piece has entered
        EXPECT_EQ(rig.Host.Screen(), rig.GridWithPiece());
    }
}

TEST(Actions, DropAllOnARestingPieceLandsItWhereItIs) {
    GameRig rig;
    rig.StartWith("....5...", 1, 3, 23);
    rig.Game.DoAction(kaDropAll);
    EXPECT_EQ(GridRows(rig.Game, 3), Picture(R"(
        ...33...
        ...33...
        ....5...
    )"));
    EXPECT_EQ(rig.Host.Counters[Counter::Kazu], "00001");
}

TEST(Actions, DropFastMovesOneRowAndRestartsThePeriod) {
    GameRig rig;
    rig.StartWith("", 1, 3, 5);
    rig.Host.Now += 200;
    const int armings = rig.Host.Armings;
    rig.Game.DoAction(kaDropFast);

    EXPECT_EQ(rig.Game.PieceY, 6);
    EXPECT_EQ(rig.Host.Armings, armings + 1);
    EXPECT_EQ(rig.Host.ArmedAt, rig.Host.Now);
    const std::uint64_t dropped = rig.Host.Now;
    ASSERT_TRUE(rig.Tick());
    EXPECT_EQ(rig.Host.Now, dropped + 500);
    EXPECT_EQ(rig.Game.PieceY, 7);
}

TEST(Actions, DropFastOnARestingPieceLandsIt) {
    GameRig rig;
    rig.StartWith("", 1, 3, 24);
    rig.Game.DoAction(kaDropFast);
    EXPECT_EQ(GridRows(rig.Game, 2), Picture(R"(
        ...33...
        ...33...
    )"));
    EXPECT_EQ(rig.Host.Counters[Counter::Kazu], "00001");
    EXPECT_EQ(rig.Host.Log, std::vector<std::string>{"clip 3"});
    EXPECT_EQ(rig.Game.PieceY, 0);
}

TEST(Actions, SidewaysMovesAndTurnsLeaveThePeriodRunning) {
    for (int action : {kaMoveLeft, kaMoveRight, kaRotateLeft, kaRotateRight}) {
        GameRig rig;
        rig.StartWith("", 16, 3, 5);
        const std::uint64_t armedAt = rig.Host.ArmedAt;
        const int armings = rig.Host.Armings;
        rig.Host.Now += 200;
        const PiecePlace before = PlaceOf(rig.Game);
        rig.Game.DoAction(action);

        ASSERT_NE(PlaceOf(rig.Game), before) << action;
        EXPECT_TRUE(rig.Host.Enabled);
        EXPECT_EQ(rig.Host.Armings, armings) << action;
        ASSERT_TRUE(rig.Tick());
        EXPECT_EQ(rig.Host.Now, armedAt + 500) << action;
    }
}

TEST(Actions, ATurnLeavesAStoppedTimerStopped) {
    GameRig rig;
    rig.StartWith("", 16, 3, 5);
    rig.Host.Enabled = false;
    rig.Game.DoAction(kaRotateLeft);
    EXPECT_EQ(rig.Game.PieceShape, 17);
    EXPECT_FALSE(rig.Host.Enabled);
}

TEST(Actions, CodesWithoutAnActionDoNothing) {
    for (int code : {static_cast<int>(kaNone), 7, 100, -1, INT_MIN, INT_MAX}) {
        GameRig rig;
        rig.StartWith("", 16, 3, 5);
        rig.Host.Now += 200;
        const int draws = rig.Host.Draws, armings = rig.Host.Armings;
        const std::uint64_t armedAt = rig.Host.ArmedAt;
        rig.Game.DoAction(code);
        EXPECT_EQ(PlaceOf(rig.Game), (PiecePlace{16, 3, 5})) << code;
        EXPECT_EQ(rig.Host.Draws, draws) << code;
        EXPECT_EQ(rig.Host.Armings, armings) << code;
        EXPECT_EQ(rig.Host.ArmedAt, armedAt) << code;
        EXPECT_TRUE(rig.Host.Log.empty()) << code;
    }
}

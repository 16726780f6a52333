#include <gtest/gtest.h>

#include <algorithm>

#include "support/GameRig.h"

namespace {

const std::string Idle = "Brimal  ";
const std::string Playing = "Brimal  -Play-";
const std::string Paused = "Brimal  -Pause-";

} // namespace

TEST(FallCycle, StartBeginsAGameWithTheFirstPieceAtTheSpawnPoint) {
    GameRig rig;
    rig.Host.Log.clear();
    rig.Game.GameGameClick();

    EXPECT_EQ(rig.Host.Caption, Playing);
    EXPECT_TRUE(rig.Host.Enabled);
    EXPECT_EQ(rig.Host.Interval, 500);
    EXPECT_EQ(rig.Game.PieceX, 3);
    EXPECT_EQ(rig.Game.PieceY, 0);
    EXPECT_EQ(rig.Host.Preview, rig.Game.NextShape);
    EXPECT_EQ(rig.Host.Log.front(), "pointer 136,0"); // 8 pixels right of the well, at the top
    // Only the piece's cells in row 0 are visible.
    int visible = 0;
    for (const CellOffset& c : ShapeTable[rig.Game.PieceShape]) {
        if (c.dy == 0) {
            ++visible;
            EXPECT_EQ(rig.Host.At(3 + c.dx, 0), rig.Game.PieceColor);
        }
    }
    EXPECT_GT(visible, 0);
}

TEST(FallCycle, SpawnColumnFollowsTheWidth) {
    for (auto [width, column] : {std::pair{6, 2}, {8, 3}, {9, 4}, {50, 24}}) {
        GameRig rig;
        rig.Settings.WellWidth = width;
        rig.Game.GameGameClick();
        EXPECT_EQ(rig.Game.PieceX, column) << width;
    }
}

TEST(FallCycle, TheSecondPieceIsOfTheKindDrawnBeforeTheGame) {
    for (std::uint64_t t = 0; t < 50; ++t) {
        GameRig rig;
        rig.Host.Now = 1000 + t * 37;
        rig.Game.DrawFreshKind();
        const int kindBefore = rig.Game.NextKind;
        rig.Game.GameGameClick();
        // The first piece entered; the preview shows the second, whose shape
        // was drawn from the kind that was waiting.
        EXPECT_EQ(KindOfShape(rig.Game.NextShape), kindBefore);
    }
}

TEST(FallCycle, StartWhilePlayingChangesNothingAndStartWhilePausedResumes) {
    GameRig rig;
    rig.Game.GameGameClick();
    const int x = rig.Game.PieceX, shape = rig.Game.PieceShape, armings = rig.Host.Armings;
    rig.Game.GameGameClick();
    EXPECT_EQ(rig.Game.PieceX, x);
    EXPECT_EQ(rig.Game.PieceShape, shape);
    EXPECT_EQ(rig.Host.Armings, armings);

    rig.Game.GamePauseClick();
    EXPECT_EQ(rig.Host.Caption, Paused);
    EXPECT_FALSE(rig.Host.Enabled);
    EXPECT_FALSE(rig.Tick());

    rig.Host.Now += 5000;
    rig.Game.GameGameClick();
    EXPECT_EQ(rig.Host.Caption, Playing);
    EXPECT_TRUE(rig.Host.Enabled);
    // The piece goes on one full period after the resume.
    const std::uint64_t resumed = rig.Host.Now;
    ASSERT_TRUE(rig.Tick());
    EXPECT_EQ(rig.Host.Now, resumed + 500);
    EXPECT_EQ(rig.Game.PieceY, 1);
}

TEST(FallCycle, StopClearsTheBoardInAnyState) {
    for (int state = 0; state < 3; ++state) {
        GameRig rig;
        rig.Game.GameGameClick();
        for (int i = 0; i < 5; ++i)
            rig.Tick();
        if (state == 1) rig.Game.GamePauseClick();
        const int nextShape = rig.Game.NextShape, nextKind = rig.Game.NextKind;
        rig.Game.GameStopClick();
        EXPECT_EQ(rig.Host.Caption, Idle);
        EXPECT_FALSE(rig.Host.Enabled);
        EXPECT_EQ(rig.Host.At(3, 4), 0);
        EXPECT_EQ(rig.Host.Counters[Counter::Kazu], "00000");
        EXPECT_EQ(rig.Game.NextShape, nextShape);
        EXPECT_EQ(rig.Game.NextKind, nextKind);
        if (state == 2) {
            rig.Game.GameStopClick(); // again, while idle
            EXPECT_EQ(rig.Host.Caption, Idle);
        }
    }
}

TEST(FallCycle, ATickAfterTheTimerWasSwitchedOffDoesNothing) {
    GameRig rig;
    rig.Game.GameGameClick();
    rig.Game.GamePauseClick();
    const int y = rig.Game.PieceY;
    rig.Game.Timer1Timer();
    EXPECT_EQ(rig.Game.PieceY, y);
    EXPECT_FALSE(rig.Host.Enabled);
}

TEST(FallCycle, ATickMovesThePieceOneRowAndRearmsTheTimer) {
    GameRig rig;
    rig.Game.GameGameClick();
    rig.Host.Cells.assign(rig.Host.Cells.size(), 0);
    rig.Place(2, 3, 0, 1);
    const int armings = rig.Host.Armings;
    ASSERT_TRUE(rig.Tick());
    EXPECT_EQ(rig.Game.PieceY, 1);
    EXPECT_EQ(rig.Host.Armings, armings + 1);
    EXPECT_EQ(rig.Host.Screen().substr(0, 28), Picture(R"(
        ...1....
        ...1....
        ........
    )"));
}

TEST(FallCycle, AnEightColumnVerticalBarShowsOnlyItsLowestCell) {
    GameRig rig;
    rig.Game.GameGameClick();
    rig.Host.Cells.assign(rig.Host.Cells.size(), 0);
    rig.Place(2, 3, 0, 1);
    rig.Game.FormPaint();
    EXPECT_EQ(rig.Host.Screen().substr(0, 19), Picture(R"(
        ...1....
        ........
    )"));
}

TEST(FallCycle, APieceThatCannotFallLocksAndTheNextEntersAtOnce) {
    GameRig rig;
    rig.Settings.SoundOn = false;
    rig.Game.GameGameClick();
    rig.Place(1, 0, 24, 3);
    const int next = rig.Game.NextShape;
    const std::uint64_t before = rig.Host.Now;
    ASSERT_TRUE(rig.Tick());
    EXPECT_EQ(GridRows(rig.Game, 2), Picture(R"(
        33......
        33......
    )"));
    EXPECT_EQ(rig.Game.PieceShape, next);
    EXPECT_EQ(rig.Game.PieceY, 0);
    EXPECT_EQ(rig.Host.Interval, 491);
    // Its first fall comes one full period after it entered.
    const std::uint64_t entered = rig.Host.Now;
    EXPECT_EQ(entered, before + 500);
    ASSERT_TRUE(rig.Tick());
    EXPECT_EQ(rig.Host.Now, entered + 491);
    EXPECT_EQ(rig.Game.PieceY, 1);
}

TEST(FallCycle, ABlockInAHiddenRowAboveTheSpawnEndsTheGame) {
    GameRig rig;
    rig.Game.GameGameClick();
    rig.Game.TheWell.SetCell(3, -1, 5); // nothing visible in row 0
    rig.Game.TheWell.SetCell(4, -1, 5);
    rig.Game.TheWell.SetCell(3, -2, 5);
    rig.Game.TheWell.SetCell(3, -3, 5);
    rig.Place(1, 0, 24, 3);
    const std::string screenBefore = rig.Host.Screen();
    ASSERT_TRUE(rig.Tick());

    EXPECT_EQ(rig.Host.Caption, Idle);
    EXPECT_FALSE(rig.Host.Enabled);
    ASSERT_EQ(rig.Host.Messages.size(), 1u);
    EXPECT_EQ(rig.Host.Messages[0], "   GameOver!");
    // The beep comes before the title goes back and the message shows.
    const auto beep = std::find(rig.Host.Log.begin(), rig.Host.Log.end(), "beep 48");
    const auto message =
        std::find(rig.Host.Log.begin(), rig.Host.Log.end(), "message    GameOver!");
    EXPECT_LT(beep, message);
    // The piece that did not fit is not drawn; the landed square stays.
    EXPECT_EQ(rig.Host.Screen(), screenBefore);
    EXPECT_FALSE(rig.Tick());
}

TEST(FallCycle, GameOverIsSilentWithSoundsOff) {
    GameRig rig;
    rig.Settings.SoundOn = false;
    rig.Game.GameGameClick();
    for (int x = 0; x < 8; ++x)
        rig.Game.TheWell.SetCell(x, -1, 2);
    rig.Game.TheWell.SetCell(0, -1, 0);
    rig.Place(1, 0, 24, 3);
    rig.Tick();
    EXPECT_EQ(rig.Host.Caption, Idle);
    EXPECT_EQ(std::count(rig.Host.Log.begin(), rig.Host.Log.end(), "beep 48"), 0);
}

TEST(FallCycle, AWholeGameDrivenByTicksAloneEndsWithTheScreenShowingTheGrid) {
    for (std::uint64_t start : {0ull, 12345ull, 86390000ull}) {
        GameRig rig;
        rig.Host.Now = start;
        rig.Game.GameGameClick();
        int ticks = 0;
        while (rig.Tick() && ticks < 100000)
            ++ticks;

        EXPECT_EQ(rig.Host.Caption, Idle);
        EXPECT_EQ(rig.Host.Messages, std::vector<std::string>{"   GameOver!"});
        // Pieces pile up in the middle columns; with no player the game lasts
        // only some dozens of pieces, each falling to its rest.
        const int pieces = std::stoi(rig.Host.Counters[Counter::Kazu]);
        EXPECT_GT(pieces, 5);
        EXPECT_EQ(rig.Host.Screen(), GridRows(rig.Game, 25));
        // Every landing without rows shortened the period.
        EXPECT_LT(rig.Host.Interval, 500);
    }
}

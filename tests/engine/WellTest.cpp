#include <gtest/gtest.h>

#include "support/GameRig.h"

TEST(Well, DefaultGridHasWallsFloorAndHiddenRows) {
    GameRig rig;
    const Well& well = rig.Game.TheWell;
    ASSERT_EQ(well.Width(), 8);
    ASSERT_EQ(well.Height(), 25);

    int cells = 0;
    for (int x = -1; x <= 8; ++x) {
        for (int y = -4; y <= 25; ++y) {
            ++cells;
            const bool wall = x == -1 || x == 8 || y == 25;
            EXPECT_EQ(well.GetCell(x, y), wall ? 255 : 0) << x << "," << y;
        }
    }
    EXPECT_EQ(cells, 10 * 30);
    EXPECT_EQ(well.GetCell(-1, -4), 255);
    EXPECT_EQ(well.GetCell(8, 25), 255);
    EXPECT_EQ(well.GetCell(0, 25), 255);
    EXPECT_EQ(well.GetCell(0, -4), 0);
    EXPECT_EQ(well.GetCell(7, 24), 0);
}

TEST(Well, ResetBoardClampsTheSizeIntoTheOfferedRange) {
    struct Case {
        int width, height, expectedWidth, expectedHeight;
    };
    const Case cases[] = {
        {5, 16, 6, 17},
        {3, 10, 6, 17},
        {6, 17, 6, 17},
        {50, 50, 50, 50},
        {51, 51, 50, 50},
        {100000, 100000, 50, 50},
        {2147483647, 2147483647, 50, 50},
        {-2147483647 - 1, -5, 6, 17},
        {9, 30, 9, 30},
    };
    for (const Case& c : cases) {
        GameRig rig;
        rig.Settings.WellWidth = c.width;
        rig.Settings.WellHeight = c.height;
        rig.Game.ResetBoard();
        EXPECT_EQ(rig.Settings.WellWidth, c.expectedWidth) << c.width;
        EXPECT_EQ(rig.Settings.WellHeight, c.expectedHeight) << c.height;
        EXPECT_EQ(rig.Game.TheWell.Width(), c.expectedWidth);
        EXPECT_EQ(rig.Game.TheWell.GetCell(c.expectedWidth, c.expectedHeight), 255);
        EXPECT_EQ(rig.Host.Width, c.expectedWidth);
        EXPECT_EQ(rig.Host.Height, c.expectedHeight);
    }
}

TEST(Well, ResetBoardShowsAnEmptyBoardAndZeroCounters) {
    GameRig rig;
    rig.Game.TheWell.SetCell(3, 10, 5);
    rig.Host.Cells.assign(rig.Host.Cells.size(), 4);
    rig.Host.Preview = 7;
    rig.Game.ResetBoard();

    EXPECT_EQ(rig.Game.TheWell.GetCell(3, 10), 0);
    std::string empty;
    for (int i = 0; i < 25; ++i)
        empty += "........\n";
    EXPECT_EQ(rig.Host.Screen(), Picture(empty));
    EXPECT_EQ(rig.Host.Preview, 0);
    EXPECT_EQ(rig.Host.Counters[Counter::Score], "00000");
    EXPECT_EQ(rig.Host.Counters[Counter::Kazu], "00000");
    EXPECT_EQ(rig.Host.Counters[Counter::Line4], "00");
}

TEST(WellDeathTest, CellsOutsideTheGridAreAProgrammingError) {
    GameRig rig;
    const Well& well = rig.Game.TheWell;
    EXPECT_DEATH(well.GetCell(-2, 0), "assertion failed");
    EXPECT_DEATH(well.GetCell(9, 0), "assertion failed");
    EXPECT_DEATH(well.GetCell(0, -5), "assertion failed");
    EXPECT_DEATH(well.GetCell(0, 26), "assertion failed");
    EXPECT_DEATH(rig.Game.TheWell.SetCell(0, 26, 1), "assertion failed");
}

#include <gtest/gtest.h>

#include <climits>

#include "engine/KeyAction.h"
#include "support/GameRig.h"

namespace {

// The last `rows` lines of a screen picture.
std::string Tail(const std::string& screen, int rows) {
    const std::vector<std::string> lines = ParseRows(screen);
    return JoinRows(std::vector<std::string>(lines.end() - rows, lines.end()));
}

// The four bottom rows of the default well, open in the last column; the
// lowest `complete` of them are otherwise full, so a vertical bar dropped into
// that column completes exactly those rows.
std::string OpenColumnRows(int complete) {
    std::string rows;
    for (int i = 0; i < 4; ++i)
        rows += i < 4 - complete ? "2.22222.\n" : "1111111.\n";
    return rows;
}

// Starts a game over OpenColumnRows(complete) with a vertical bar above the
// open column, sets the period and drops the bar.
void DropBarIntoRows(GameRig& rig, int complete, int period = 500) {
    rig.StartWith(OpenColumnRows(complete), 2, 7, 10);
    rig.Host.Interval = period;
    rig.Game.DoAction(kaDropAll);
}

std::vector<std::string> Waits(int count, int milliseconds) {
    return std::vector<std::string>(static_cast<size_t>(count),
                                    "wait " + std::to_string(milliseconds));
}

std::vector<std::string> Concat(std::vector<std::string> a, const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

} // namespace

TEST(Landing, ALandingWithoutRowsPlaysOnlyTheLandingSoundAndShortensThePeriod) {
    GameRig rig;
    rig.StartWith("", 1, 0, 24);
    ASSERT_TRUE(rig.Tick());

    EXPECT_EQ(rig.Host.Log, std::vector<std::string>{"clip 3"});
    EXPECT_TRUE(rig.Host.WaitScreens.empty());
    EXPECT_EQ(rig.Host.Interval, 491);
    EXPECT_EQ(rig.Host.Counters[Counter::Kazu], "00001");
    EXPECT_EQ(rig.Host.Counters[Counter::Score], "00000");
    EXPECT_EQ(rig.Host.Counters[Counter::Line4], "00");
    // The next piece entered at once.
    EXPECT_EQ(rig.Host.ArmedAt, rig.Host.Now);
    EXPECT_EQ(rig.Host.Screen(), rig.GridWithPiece());
}

TEST(Landing, TwoRowsApartAreRemovedTopFirstWithAWaitAfterEach) {
    GameRig rig;
    // The bar fills column 7 of rows 21 to 24 and completes rows 22 and 24.
    rig.StartWith(R"(
        ........
        4444444.
        .555555.
        6666666.
    )",
                  2, 7, 10);
    rig.Host.Interval = 300;
    rig.Game.DoAction(kaDropAll);

    EXPECT_EQ(rig.Host.Log,
              (std::vector<std::string>{"clip 3", "wait 200", "wait 200", "clip 1 wait"}));
    EXPECT_EQ(rig.Host.Counters[Counter::Score], "00004");
    EXPECT_EQ(rig.Host.Counters[Counter::Kazu], "00001");
    EXPECT_EQ(rig.Host.Counters[Counter::Line4], "00");
    EXPECT_EQ(rig.Host.Interval, 303); // 300 + 10 - 7

    // During each wait the removed row shows empty while the rows above it
    // still show their old images.
    ASSERT_EQ(rig.Host.WaitScreens.size(), 2u);
    EXPECT_EQ(Tail(rig.Host.WaitScreens[0], 5), Picture(R"(
        ........
        .......1
        ........
        .5555551
        66666661
    )"));
    EXPECT_EQ(Tail(rig.Host.WaitScreens[1], 5), Picture(R"(
        ........
        .......1
        ........
        .5555551
        ........
    )"));
    EXPECT_EQ(GridRows(rig.Game, 5), Picture(R"(
        ........
        ........
        ........
        .......1
        .5555551
    )"));
    EXPECT_EQ(rig.Host.Screen(), rig.GridWithPiece());
}

TEST(Landing, FourRowsPlayTheFourRowSoundInsteadOfTheClearSound) {
    GameRig rig;
    DropBarIntoRows(rig, 4);

    EXPECT_EQ(rig.Host.Log, Concat(Concat({"clip 3"}, Waits(4, 200)), {"clip 2 wait"}));
    EXPECT_EQ(rig.Host.Counters[Counter::Line4], "01");
    EXPECT_EQ(rig.Host.Counters[Counter::Score], "00016");
    EXPECT_EQ(rig.Host.Counters[Counter::Kazu], "00001");
    EXPECT_EQ(rig.Host.Interval, 500); // 500 + 120 - 9, no longer than 500
    EXPECT_EQ(rig.Blocks(), 0);
    EXPECT_EQ(rig.Host.Screen(), rig.GridWithPiece());
}

TEST(Landing, ThePeriodShrinksByBandAndGrowsByTheRowBonusUpTo500) {
    struct Case {
        int period, rows, expected;
    };
    const Case cases[] = {
        {1, 0, 1},       {10, 0, 10},   {11, 0, 10},     {100, 0, 99},  {101, 0, 98},
        {200, 0, 197},   {201, 0, 197}, {250, 0, 246},   {251, 0, 244}, {350, 0, 343},
        {351, 0, 342},   {500, 0, 491}, {10000, 0, 500}, {10, 1, 13},   {101, 1, 101},
        {480, 1, 474},   {300, 2, 303}, {200, 3, 237},   {50, 4, 169},  {500, 4, 500},
        {10000, 4, 500},
    };
    for (const Case& c : cases) {
        GameRig rig;
        DropBarIntoRows(rig, c.rows, c.period);
        EXPECT_EQ(rig.Host.Interval, c.expected) << "period " << c.period << ", rows " << c.rows;
    }
}

TEST(Landing, CountersGrowPastTheirWidth) {
    GameRig rig;
    rig.Settings.SoundOn = false;
    rig.Settings.RowWait = 0;
    rig.Host.SaveWaitScreens = false;
    rig.Game.GameGameClick();
    // The counters are the texts shown: reach 99990 points and 99 four-row
    // clears by playing.
    const auto land = [&rig](int rows) {
        for (int y = -4; y < 25; ++y) {
            for (int x = 0; x < 8; ++x)
                rig.Game.TheWell.SetCell(x, y, 0);
        }
        PlaceRows(rig.Game, OpenColumnRows(rows));
        rig.Place(2, 7, 10);
        rig.Game.DoAction(kaDropAll);
        rig.Host.Log.clear();
    };
    for (int i = 1; i <= 6249; ++i) {
        land(4);
        if (i == 99 || i == 100) {
            EXPECT_EQ(rig.Host.Counters[Counter::Line4], std::to_string(i));
        }
    }
    land(2);
    land(1);
    land(1);
    EXPECT_EQ(rig.Host.Counters[Counter::Score], "99990");
    land(4);
    EXPECT_EQ(rig.Host.Counters[Counter::Score], "100006");
    EXPECT_EQ(rig.Host.Counters[Counter::Kazu], "06253");
    EXPECT_EQ(rig.Host.Counters[Counter::Line4], "6250");
    EXPECT_EQ(rig.Game.CounterText(Counter::Score), "100006");
}

TEST(Landing, TheRowWaitIsClampedToTheOfferedRange) {
    const std::pair<int, int> cases[] = {
        {0, 0},       {10, 10}, {200, 200},      {1000, 1000},
        {1001, 1000}, {-1, 0},  {INT_MAX, 1000}, {INT_MIN, 0},
    };
    for (auto [rowWait, expected] : cases) {
        GameRig rig;
        rig.Settings.SoundOn = false;
        rig.Settings.RowWait = rowWait;
        rig.StartWith(OpenColumnRows(2), 2, 7, 10);
        const std::uint64_t before = rig.Host.Now;
        rig.Game.DoAction(kaDropAll);

        EXPECT_EQ(rig.Host.Log, Waits(2, expected)) << rowWait;
        EXPECT_EQ(rig.Host.Now, before + 2u * static_cast<std::uint64_t>(expected)) << rowWait;
        // Without a pause the collapse is still repainted.
        EXPECT_EQ(rig.Host.Screen(), rig.GridWithPiece()) << rowWait;
    }
}

TEST(Landing, WithSoundsOffNothingPlaysAndNothingIsWaitedForWhateverTheSlotsHold) {
    const std::array<std::string, 4> slotSets[] = {
        {"", "Standard", "Standard", "Standard"},
        {"", "/sounds/clear.wav", "/sounds/four.wav", "/sounds/land.wav"},
        {"", "", "", ""},
    };
    for (const auto& files : slotSets) {
        for (int rows = 0; rows <= 4; ++rows) {
            GameRig rig;
            rig.Settings.SoundOn = false;
            rig.Settings.SoundFiles = files;
            rig.Settings.RowWait = 30;
            rig.StartWith(OpenColumnRows(rows), 2, 7, 10);
            const std::uint64_t before = rig.Host.Now;
            rig.Game.DoAction(kaDropAll);
            EXPECT_EQ(rig.Host.Log, Waits(rows, 30)) << files[1] << ", rows " << rows;
            EXPECT_EQ(rig.Host.Now, before + 30u * static_cast<std::uint64_t>(rows));
        }
    }
}

TEST(Landing, StandardPlaysTheBuiltInClipAndAnyOtherTextPlaysThatFile) {
    struct Case {
        std::array<std::string, 4> files;
        int rows;
        std::vector<std::string> log;
        int soundTime; // what the synchronous sounds add to the clock
    };
    const std::array<std::string, 4> standard{"", "Standard", "Standard", "Standard"};
    const std::array<std::string, 4> files{"", "/s/clear.wav", "/s/four.wav", "/s/land.wav"};
    const std::array<std::string, 4> lookAlikes{"", "standard", "Standard ", "C:\\Standard"};
    const Case cases[] = {
        {standard, 0, {"clip 3"}, 0},
        {standard, 1, {"clip 3", "wait 200", "clip 1 wait"}, 107},
        {standard, 3, Concat(Concat({"clip 3"}, Waits(3, 200)), {"clip 1 wait"}), 107},
        {standard, 4, Concat(Concat({"clip 3"}, Waits(4, 200)), {"clip 2 wait"}), 1249},
        {files, 0, {"file /s/land.wav"}, 0},
        {files, 2, {"file /s/land.wav", "wait 200", "wait 200", "file /s/clear.wav wait"}, 500},
        {files, 4, Concat(Concat({"file /s/land.wav"}, Waits(4, 200)), {"file /s/four.wav wait"}),
         500},
        {lookAlikes, 1, {"file C:\\Standard", "wait 200", "file standard wait"}, 500},
        {lookAlikes, 4,
         Concat(Concat({"file C:\\Standard"}, Waits(4, 200)), {"file Standard  wait"}), 500},
    };
    for (const Case& c : cases) {
        GameRig rig;
        rig.Settings.SoundFiles = c.files;
        rig.StartWith(OpenColumnRows(c.rows), 2, 7, 10);
        const std::uint64_t before = rig.Host.Now;
        rig.Game.DoAction(kaDropAll);
        EXPECT_EQ(rig.Host.Log, c.log) << c.files[1] << ", rows " << c.rows;
        EXPECT_EQ(rig.Host.Now, before + 200u * static_cast<std::uint64_t>(c.rows) +
                                    static_cast<std::uint64_t>(c.soundTime));
    }
}

TEST(Landing, RowsCompletedAboveTheTopAreRemovedWithoutTouchingTheScreen) {
    GameRig rig;
    rig.StartWith("", 2, 3, 0);
    Well& well = rig.Game.TheWell;
    // Row -4 is full, row -1 waits for four cells, and a block in row 0 holds
    // the bar up once it lies in row -1.
    for (int x = 0; x < 8; ++x)
        well.SetCell(x, -4, 6);
    for (int x : {0, 5, 6, 7})
        well.SetCell(x, -1, 5);
    well.SetCell(1, 0, 4);
    rig.Game.FormPaint();
    rig.Game.DoAction(kaRotateLeft);
    ASSERT_EQ(rig.Game.PieceShape, 3);
    ASSERT_EQ(rig.Game.PieceY, -1);
    rig.Game.NextShape = 1;
    const std::string before = rig.Host.Screen();
    rig.Host.RecordDraws = true;
    ASSERT_TRUE(rig.Tick());

    EXPECT_EQ(rig.Host.Log,
              (std::vector<std::string>{"clip 3", "wait 200", "wait 200", "clip 1 wait"}));
    EXPECT_EQ(rig.Host.Counters[Counter::Score], "00004");
    EXPECT_EQ(rig.Host.WaitScreens, (std::vector<std::string>{before, before}));
    for (int y = -4; y <= -1; ++y) {
        for (int x = 0; x < 8; ++x)
            EXPECT_EQ(well.GetCell(x, y), 0) << x << "," << y;
    }
    // No column is repainted: the only visible cells drawn are those of the
    // square that entered next.
    std::vector<std::pair<int, int>> visible;
    for (const FakeHost::DrawnCell& d : rig.Host.DrawLog) {
        if (d.Y >= 0) visible.emplace_back(d.X, d.Y);
    }
    EXPECT_EQ(visible, (std::vector<std::pair<int, int>>{{3, 0}, {4, 0}}));
    EXPECT_EQ(rig.Host.Screen().substr(0, 10), "\n.4.33...\n");
}

TEST(Landing, AFourRowClearKeepsTheNextPieceOutForTheWaitsAndTheSound) {
    GameRig rig;
    rig.StartWith(OpenColumnRows(4), 2, 7, 10);
    std::vector<bool> timerDuringWaits;
    rig.Host.OnWait = [&rig, &timerDuringWaits](int) {
        timerDuringWaits.push_back(rig.Host.Enabled);
    };
    const std::uint64_t before = rig.Host.Now;
    const int armings = rig.Host.Armings;
    rig.Game.DoAction(kaDropAll);

    EXPECT_EQ(timerDuringWaits, std::vector<bool>(4, false));
    EXPECT_EQ(rig.Host.Armings, armings + 1);
    EXPECT_GE(rig.Host.ArmedAt, before + 4 * 200 + rig.Host.ClipLength[2]);
    ASSERT_TRUE(rig.Tick());
    EXPECT_EQ(rig.Host.Now, before + 800 + rig.Host.ClipLength[2] + 500);
}

TEST(Landing, TheHostSeesTheRepaintThenTheRowSoundThenTheCountersThenThePeriod) {
    // A vertical bar resting in column 7 of the default well lands at the next
    // tick. "draw" stands for one or more cells drawn in a row: the removed
    // rows blanked, the collapse repainted, the next piece entering.
    struct Case {
        const char* rows; // the bottom of the well before the landing
        std::vector<std::string> trace;
    };
    const Case cases[] = {
        {"........\n", {"clip 3", "draw", "Kazu 00001", "period 491", "draw"}},
        {"3.......\n1111111.\n",
         {"clip 3", "draw", "wait 200", "draw", "clip 1 wait", "Kazu 00001", "Score 00001",
          "period 494", "draw"}},
        {"........\n4444444.\n.555555.\n6666666.\n",
         {"clip 3", "draw", "wait 200", "draw", "wait 200", "draw", "clip 1 wait", "Kazu 00001",
          "Score 00004", "period 500", "draw"}},
        {"3.......\n1111111.\n1111111.\n1111111.\n1111111.\n",
         {"clip 3", "draw", "wait 200", "draw", "wait 200", "draw", "wait 200", "draw", "wait 200",
          "draw", "Line4 01", "clip 2 wait", "Kazu 00001", "Score 00016", "period 500", "draw"}},
    };
    for (const Case& c : cases) {
        GameRig rig;
        rig.StartWith(c.rows, 2, 7, 24);
        rig.Host.LogEverything = true;
        ASSERT_TRUE(rig.Tick());
        std::vector<std::string> trace;
        for (const std::string& entry : rig.Host.Log)
            if (entry != "draw" || trace.empty() || trace.back() != "draw") trace.push_back(entry);
        EXPECT_EQ(trace, c.trace) << c.rows;
    }
}

#include "components/Joystick.h"
#include "components/SdlSession.h"
#include "joystick/JoystickTestSupport.h"

#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace {

class JoystickTest : public ::testing::Test {
protected:
    // The session opens audio too: without a driver named, SDL would try the
    // user's sound server.
    static void SetUpTestSuite() { qputenv("SDL_AUDIODRIVER", "dummy"); }
    void SetUp() override {
        EnsureQtApplication();
        ASSERT_TRUE(session.HasJoystick());
    }

    std::unique_ptr<Joystick> Capture() {
        return std::make_unique<Joystick>(
            session, [this](const JoystickReport& report) { reports.push_back(report); });
    }

    bool WaitForReports(std::size_t count) {
        return WaitWithEvents([&] { return reports.size() >= count; }, 5000);
    }

    SdlSession session;
    std::vector<JoystickReport> reports; // filled on this (the UI) thread
};

TEST_F(JoystickTest, ThresholdsLieOneThirdInFromEachEndOfTheAxes) {
    VirtualJoystick stick;
    ASSERT_TRUE(stick.Attached());
    const auto joystick = Capture();
    ASSERT_TRUE(joystick->IsCaptured());
    // Axes reach from 0 to 65535; a third of that span is 21845.
    EXPECT_EQ(joystick->Thresholds().JoyLeft, 21845u);
    EXPECT_EQ(joystick->Thresholds().JoyRight, 65535u - 21845u);
    EXPECT_EQ(joystick->Thresholds().JoyUp, 21845u);
    EXPECT_EQ(joystick->Thresholds().JoyDown, 43690u);
}

TEST_F(JoystickTest, ReportsArriveEveryPeriodWhileNothingChanges) {
    VirtualJoystick stick;
    ASSERT_TRUE(stick.Attached());
    const auto joystick = Capture();
    ASSERT_TRUE(WaitForReports(3));
    const JoystickReport centred{0, 32768, 32768};
    for (const JoystickReport& report : reports)
        EXPECT_EQ(report, centred);
}

TEST_F(JoystickTest, StickAndButtonsShowInTheNextReports) {
    VirtualJoystick stick;
    ASSERT_TRUE(stick.Attached());
    const auto joystick = Capture();
    const struct {
        const char* name;
        Sint16 x, y;
        bool button1, button2;
        JoystickReport expected;
    } cases[] = {
        {"full left", -32768, 0, false, false, {0, 0, 32768}},
        {"full right", 32767, 0, false, false, {0, 65535, 32768}},
        {"full up", 0, -32768, false, false, {0, 32768, 0}},
        {"full down", 0, 32767, false, false, {0, 32768, 65535}},
        {"just off centre", -1, 1, false, false, {0, 32767, 32769}},
        {"button 1", 0, 0, true, false, {1, 32768, 32768}},
        {"button 2", 0, 0, false, true, {2, 32768, 32768}},
        {"both buttons, down left", -32768, 32767, true, true, {3, 0, 65535}},
        {"all released", 0, 0, false, false, {0, 32768, 32768}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        stick.Set(c.x, c.y, c.button1, c.button2);
        reports.clear();
        ASSERT_TRUE(WaitForReports(1));
        // The change was made before the next report, so that report shows it.
        EXPECT_EQ(reports.front(), c.expected);
    }
}

// Each kind of pad as SDL reads it: a plain joystick by its raw parts, a game
// controller through its mapping. A D-pad direction is the stick pushed fully
// that way, and wins over the stick.
TEST_F(JoystickTest, EveryPadsDPadAndButtonsShowInTheReport) {
    constexpr std::uint16_t Low = 0, Mid = 32768, High = 65535;
    using Setting = std::function<void(VirtualJoystick&)>;
    const auto hat = [](Uint8 value) { return [value](VirtualJoystick& p) { p.Hat(value); }; };
    const auto buttons = [](std::vector<int> held) {
        return [held](VirtualJoystick& p) {
            for (int b : held)
                p.Button(b, true);
        };
    };
    const struct {
        const char* name;
        PadKind kind;
        Setting set;
        JoystickReport expected;
    } cases[] = {
        {"plain: hat centred", PlainJoystick, hat(SDL_HAT_CENTERED), {0, Mid, Mid}},
        {"plain: hat up", PlainJoystick, hat(SDL_HAT_UP), {0, Mid, Low}},
        {"plain: hat right", PlainJoystick, hat(SDL_HAT_RIGHT), {0, High, Mid}},
        {"plain: hat down", PlainJoystick, hat(SDL_HAT_DOWN), {0, Mid, High}},
        {"plain: hat left", PlainJoystick, hat(SDL_HAT_LEFT), {0, Low, Mid}},
        {"plain: hat up-left", PlainJoystick, hat(SDL_HAT_LEFTUP), {0, Low, Low}},
        {"plain: hat up-right", PlainJoystick, hat(SDL_HAT_RIGHTUP), {0, High, Low}},
        {"plain: hat down-left", PlainJoystick, hat(SDL_HAT_LEFTDOWN), {0, Low, High}},
        {"plain: hat down-right", PlainJoystick, hat(SDL_HAT_RIGHTDOWN), {0, High, High}},
        {"plain: hat left, stick right",
         PlainJoystick,
         [](VirtualJoystick& p) {
             p.Hat(SDL_HAT_LEFT);
             p.Axis(0, 32767);
         },
         {0, Low, Mid}},
        {"plain: stick up with the hat centred",
         PlainJoystick,
         [](VirtualJoystick& p) { p.Axis(1, -32768); },
         {0, Mid, Low}},
        {"plain: buttons 1 to 4", PlainJoystick, buttons({0, 1, 2, 3}), {15, Mid, Mid}},

        {"controller: D-pad up", SdlGameController, buttons({11}), {0, Mid, Low}},
        {"controller: D-pad down", SdlGameController, buttons({12}), {0, Mid, High}},
        {"controller: D-pad left", SdlGameController, buttons({13}), {0, Low, Mid}},
        {"controller: D-pad right", SdlGameController, buttons({14}), {0, High, Mid}},
        {"controller: D-pad up and left", SdlGameController, buttons({11, 13}), {0, Low, Low}},
        {"controller: D-pad left, stick right and down",
         SdlGameController,
         [](VirtualJoystick& p) {
             p.Button(13, true);
             p.Axis(0, 32767);
             p.Axis(1, 32767);
         },
         {0, Low, High}},
        {"controller: D-pad left and right at once leave the stick's left",
         SdlGameController,
         [](VirtualJoystick& p) {
             p.Button(13, true);
             p.Button(14, true);
             p.Axis(0, -32768);
         },
         {0, Low, Mid}},
        {"controller: south", SdlGameController, buttons({0}), {1, Mid, Mid}},
        {"controller: east", SdlGameController, buttons({1}), {2, Mid, Mid}},
        {"controller: west and north", SdlGameController, buttons({2, 3}), {12, Mid, Mid}},
        {"controller: shoulders", SdlGameController, buttons({9, 10}), {48, Mid, Mid}},
        {"controller: Start", SdlGameController, buttons({6}), {0, Mid, Mid, true}},
        {"controller: back and guide count for nothing",
         SdlGameController,
         buttons({4, 5}),
         {0, Mid, Mid}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        VirtualJoystick pad(c.kind);
        ASSERT_TRUE(pad.Attached());
        pad.Neutral();
        c.set(pad);
        const auto joystick = Capture();
        reports.clear();
        ASSERT_TRUE(WaitForReports(1));
        EXPECT_EQ(reports.front(), c.expected);
    }
}

TEST_F(JoystickTest, WithoutAJoystickNothingIsReported) {
    const auto joystick = Capture();
    EXPECT_FALSE(joystick->IsCaptured());
    const JoyThresholds& t = joystick->Thresholds();
    EXPECT_EQ((std::vector<std::uint32_t>{t.JoyLeft, t.JoyRight, t.JoyUp, t.JoyDown}),
              (std::vector<std::uint32_t>{0, 0, 0, 0}));
    WaitWithEvents(200);
    EXPECT_TRUE(reports.empty());
}

// The pad comes and goes while the joystick lives: taken up once plugged in,
// let go when pulled out (no report after it, nothing left
// open: AddressSanitizer watches the close), and taken up again when plugged
// back.
TEST_F(JoystickTest, APadPluggedInLaterIsTakenUpAndOnePulledOutIsLetGo) {
    const auto joystick = Capture();
    ASSERT_FALSE(joystick->IsCaptured());
    for (int plugging = 1; plugging <= 2; ++plugging) {
        SCOPED_TRACE(plugging);
        auto stick = std::make_unique<VirtualJoystick>();
        ASSERT_TRUE(stick->Attached());
        reports.clear();
        EXPECT_TRUE(WaitForReports(1));
        EXPECT_TRUE(joystick->IsCaptured());
        EXPECT_EQ(joystick->Thresholds().JoyLeft, 21845u);

        stick.reset();
        EXPECT_TRUE(WaitWithEvents([&] { return !joystick->IsCaptured(); }, 5000));
        const std::size_t count = reports.size();
        WaitWithEvents(200);
        EXPECT_EQ(reports.size(), count);
    }
}

TEST_F(JoystickTest, ReleasingOrDestroyingTheJoystickStopsTheReports) {
    VirtualJoystick stick;
    ASSERT_TRUE(stick.Attached());
    for (bool destroy : {false, true}) {
        SCOPED_TRACE(destroy ? "destroyed" : "released");
        auto joystick = Capture();
        reports.clear();
        ASSERT_TRUE(WaitForReports(1));
        if (destroy)
            joystick.reset();
        else
            joystick->Release();
        const std::size_t count = reports.size();
        WaitWithEvents(200);
        EXPECT_EQ(reports.size(), count);
    }
}

} // namespace

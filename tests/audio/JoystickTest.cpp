#include "components/Joystick.h"
#include "audio/AudioTestSupport.h"
#include "components/SdlSession.h"

#include <QTest>
#include <cstdlib>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

// Found by GoogleTest through the report's own namespace.
void PrintTo(const JoystickReport& r, std::ostream* out) {
    *out << "{buttons " << r.Buttons << ", x " << r.X << ", y " << r.Y << "}";
}

namespace {

class JoystickTest : public ::testing::Test {
protected:
    // The session opens audio too: without a driver named, SDL would try the
    // user's sound server.
    static void SetUpTestSuite() { setenv("SDL_AUDIODRIVER", "dummy", 1); }
    void SetUp() override {
        EnsureQtApplication();
        ASSERT_TRUE(session.HasJoystick());
    }

    std::unique_ptr<Joystick> Capture() {
        return std::make_unique<Joystick>(
            session, [this](const JoystickReport& report) { reports.push_back(report); });
    }

    bool WaitForReports(std::size_t count) {
        return QTest::qWaitFor([&] { return reports.size() >= count; }, 5000);
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

TEST_F(JoystickTest, WithoutAJoystickNothingIsReported) {
    const auto joystick = Capture();
    EXPECT_FALSE(joystick->IsCaptured());
    const JoyThresholds& t = joystick->Thresholds();
    EXPECT_EQ((std::vector<std::uint32_t>{t.JoyLeft, t.JoyRight, t.JoyUp, t.JoyDown}),
              (std::vector<std::uint32_t>{0, 0, 0, 0}));
    QTest::qWait(200);
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
        EXPECT_TRUE(QTest::qWaitFor([&] { return !joystick->IsCaptured(); }, 5000));
        const std::size_t count = reports.size();
        QTest::qWait(200);
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
        QTest::qWait(200);
        EXPECT_EQ(reports.size(), count);
    }
}

} // namespace

// The clock's property rules, observed through the service's counters: which
// change schedules an event, which one only stores, and what each rejected
// value says. Intervals are long, so no tick matters here.
#include <cstdint>
#include <functional>
#include <map>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "components/MMTimer.h"

#ifdef _WIN32
#include <windows.h>
// After windows.h, whose types it uses.
#include <mmsystem.h>
#endif

using namespace MMTimerService;

namespace {

using Periods = std::map<std::uint32_t, int>;

const TNotifyTimeEvent Ignore = [](TMMTimer&, std::uint32_t) {};

// The device's bounds as the messages show them: the stand-in's 1 to 1000000
// on Linux; on Windows what winmm itself reports, asked here directly (1 to
// 1000000 on Windows, 1 to 65535 under Wine).
std::string DeviceBounds() {
#ifdef _WIN32
    TIMECAPS caps{};
    timeGetDevCaps(&caps, sizeof caps);
    return "（" + std::to_string(caps.wPeriodMin) + " ～ " + std::to_string(caps.wPeriodMax) + "）";
#else
    return "（1 ～ 1000000）";
#endif
}

const std::string IntervalBoundsMessage =
    "Intervalの値がタイマ・デバイスの能力を超えています　" + DeviceBounds();
const std::string ResolutionBoundsMessage =
    "Resolutionの値がタイマ・デバイスの能力を超えています　" + DeviceBounds();
const std::string SetEventFailedMessage =
    "timeSetEvent関数の戻り値が０です。タイマ・イベントＩＤを取得できません";

std::string ResolutionAboveMessage(const std::string& interval) {
    return "Resolutionの値がIntervalの値を超えています　（" + interval + "）";
}

bool Running() {
    return EventsActive() == 1;
}

TEST(MMTimerProperties, ConstructionStoresTheDefaultsAndAssigningTheHandlerStartsIt) {
    const std::uint64_t setBefore = EventsSet();
    TMMTimer timer;
    EXPECT_EQ(timer.Enabled(), -1); // true with all bits set
    EXPECT_EQ(timer.Interval(), 1000u);
    EXPECT_EQ(timer.Resolution(), 1000u);
    EXPECT_FALSE(timer.OnTimer());
    EXPECT_EQ(EventsSet(), setBefore);
    EXPECT_FALSE(Running());
    EXPECT_EQ(PeriodsHeld(), Periods{});

    timer.SetOnTimer(Ignore);
    EXPECT_TRUE(Running());
    EXPECT_EQ(PeriodsHeld(), (Periods{{1000, 1}}));
}

TEST(MMTimerProperties, RejectedValuesRaiseTheirMessageAndChangeNothing) {
    struct Case {
        const char* what;
        std::uint32_t interval; // set before the rejected change
        std::function<void(TMMTimer&)> change;
        std::string message;
    };
    const std::vector<Case> cases = {
        {"Interval 0", 1000, [](TMMTimer& t) { t.SetInterval(0); }, IntervalBoundsMessage},
        {"Interval above the device", 1000, [](TMMTimer& t) { t.SetInterval(1000001); },
         IntervalBoundsMessage},
        {"Resolution 0", 1000, [](TMMTimer& t) { t.SetResolution(0); }, ResolutionBoundsMessage},
        {"Resolution above the device and the Interval: the bounds come first", 1000,
         [](TMMTimer& t) { t.SetResolution(1000001); }, ResolutionBoundsMessage},
        {"Resolution above the Interval", 1000, [](TMMTimer& t) { t.SetResolution(1001); },
         ResolutionAboveMessage("1000")},
        {"Resolution above a shorter Interval", 250, [](TMMTimer& t) { t.SetResolution(251); },
         ResolutionAboveMessage("250")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TMMTimer timer;
        timer.SetOnTimer(Ignore);
        timer.SetInterval(c.interval);
        const std::uint64_t setBefore = EventsSet();
        try {
            c.change(timer);
            ADD_FAILURE() << "no error raised";
        } catch (const EOutOfResources&) {
            ADD_FAILURE() << "raised as out of resources";
        } catch (const Exception& error) {
            EXPECT_EQ(std::string(error.what()), c.message);
        }
        EXPECT_EQ(timer.Interval(), c.interval);
        EXPECT_EQ(timer.Resolution(), c.interval);
        EXPECT_EQ(EventsSet(), setBefore);
        EXPECT_TRUE(Running());
        EXPECT_EQ(PeriodsHeld(), (Periods{{c.interval, 1}}));
    }
}

TEST(MMTimerProperties, AcceptedChangesRestartOnlyWhereTheRulesSay) {
    struct Step {
        const char* what;
        std::function<void(TMMTimer&)> change;
        bool schedules; // a new event is set
        bool running;
        std::uint32_t interval;
        std::uint32_t resolution;
        Periods held; // released with the value they were raised with
    };
    const TNotifyTimeEvent other = [](TMMTimer&, std::uint32_t) {};
    const std::vector<Step> steps = {
        {"another true value",
         [](TMMTimer& t) { t.SetEnabled(5); },
         false,
         true,
         1000,
         1000,
         {{1000, 1}}},
        {"a finer resolution",
         [](TMMTimer& t) { t.SetResolution(200); },
         true,
         true,
         1000,
         200,
         {{200, 1}}},
        {"the same resolution",
         [](TMMTimer& t) { t.SetResolution(200); },
         false,
         true,
         1000,
         200,
         {{200, 1}}},
        {"the same interval sets the resolution only",
         [](TMMTimer& t) { t.SetInterval(1000); },
         false,
         true,
         1000,
         1000,
         {{200, 1}}},
        {"a new interval",
         [](TMMTimer& t) { t.SetInterval(400); },
         true,
         true,
         400,
         400,
         {{400, 1}}},
        {"disabled", [](TMMTimer& t) { t.SetEnabled(0); }, false, false, 400, 400, {}},
        {"disabled again", [](TMMTimer& t) { t.SetEnabled(0); }, false, false, 400, 400, {}},
        {"a new interval while stopped",
         [](TMMTimer& t) { t.SetInterval(700); },
         false,
         false,
         700,
         700,
         {}},
        {"a new resolution while stopped",
         [](TMMTimer& t) { t.SetResolution(300); },
         false,
         false,
         700,
         300,
         {}},
        {"enabled", [](TMMTimer& t) { t.SetEnabled(1); }, true, true, 700, 300, {{300, 1}}},
        {"another handler starts afresh",
         [&](TMMTimer& t) { t.SetOnTimer(other); },
         true,
         true,
         700,
         300,
         {{300, 1}}},
        {"handler cleared", [](TMMTimer& t) { t.SetOnTimer(nullptr); }, false, false, 700, 300, {}},
        {"a new interval without a handler",
         [](TMMTimer& t) { t.SetInterval(800); },
         false,
         false,
         800,
         800,
         {}},
        {"handler assigned",
         [](TMMTimer& t) { t.SetOnTimer(Ignore); },
         true,
         true,
         800,
         800,
         {{800, 1}}},
    };
    TMMTimer timer;
    timer.SetOnTimer(Ignore);
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        const std::uint64_t setBefore = EventsSet();
        step.change(timer);
        EXPECT_EQ(EventsSet() - setBefore, step.schedules ? 1u : 0u);
        EXPECT_EQ(Running(), step.running);
        EXPECT_EQ(timer.Interval(), step.interval);
        EXPECT_EQ(timer.Resolution(), step.resolution);
        EXPECT_EQ(PeriodsHeld(), step.held);
    }
    EXPECT_EQ(timer.Enabled(), 1);
}

TEST(MMTimerProperties, AnotherTrueValueKeepsTheStoredOne) {
    TMMTimer timer;
    timer.SetEnabled(7);
    EXPECT_EQ(timer.Enabled(), -1);
    timer.SetEnabled(0);
    timer.SetEnabled(7);
    EXPECT_EQ(timer.Enabled(), 7);
}

TEST(MMTimerProperties, AFailedScheduleLeavesTheTimerStoppedButEnabledUntilTheNextTry) {
    MMTimerService::ServiceSeam seam;
    TMMTimer timer(&seam);
    timer.SetEnabled(0);
    timer.SetOnTimer(Ignore);

    seam.FailSetEvents = 1;
    try {
        timer.SetEnabled(1);
        ADD_FAILURE() << "no error raised";
    } catch (const EOutOfResources& error) {
        EXPECT_EQ(std::string(error.what()), SetEventFailedMessage);
    }
    EXPECT_EQ(timer.Enabled(), 1);
    EXPECT_FALSE(Running());
    EXPECT_EQ(PeriodsHeld(), Periods{});

    // Stopped, so a new interval is only stored; assigning the handler tries again.
    timer.SetInterval(500);
    EXPECT_FALSE(Running());
    timer.SetOnTimer(Ignore);
    EXPECT_TRUE(Running());
    EXPECT_EQ(PeriodsHeld(), (Periods{{500, 1}}));

    // Replacing a running event: the old one is gone too, and the error is a
    // general error as well.
    seam.FailSetEvents = 1;
    EXPECT_THROW(timer.SetInterval(300), Exception);
    EXPECT_EQ(timer.Interval(), 300u);
    EXPECT_FALSE(Running());
    EXPECT_EQ(PeriodsHeld(), Periods{});
}

TEST(MMTimerProperties, RaisesAndEventsStayBalancedThroughAnySequenceOfChanges) {
    const std::vector<std::int32_t> truths = {0, 1, -1, 7};
    const std::vector<std::uint32_t> periods = {0, 1, 50, 100, 400, 1000, 5000, 1000001};
    std::mt19937 random(20240611);
    auto pick = [&](const auto& values) {
        return values[std::uniform_int_distribution<std::size_t>(0, values.size() - 1)(random)];
    };
    {
        MMTimerService::ServiceSeam seam;
        TMMTimer timer(&seam);
        for (int i = 0; i < 500; ++i) {
            SCOPED_TRACE("change " + std::to_string(i));
            if (random() % 10 == 0) seam.FailSetEvents = 1;
            try {
                switch (random() % 4) {
                case 0:
                    timer.SetEnabled(pick(truths));
                    break;
                case 1:
                    timer.SetInterval(pick(periods));
                    break;
                case 2:
                    timer.SetResolution(pick(periods));
                    break;
                default:
                    timer.SetOnTimer(random() % 3 == 0 ? nullptr : Ignore);
                    break;
                }
            } catch (const Exception&) {
            }
            seam.FailSetEvents = 0;
            const Periods held = PeriodsHeld();
            if (Running()) {
                EXPECT_TRUE(timer.Enabled() != 0 && timer.OnTimer());
                ASSERT_EQ(held.size(), 1u);
                EXPECT_EQ(held.begin()->second, 1);
            } else {
                ASSERT_EQ(EventsActive(), 0);
                EXPECT_EQ(held, Periods{});
            }
        }
        timer.SetEnabled(1);
        timer.SetOnTimer(Ignore);
        EXPECT_TRUE(Running());
    }
    EXPECT_EQ(EventsActive(), 0);
    EXPECT_EQ(PeriodsHeld(), Periods{});
}

} // namespace

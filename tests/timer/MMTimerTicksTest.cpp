// The clock's ticks in real time, on its own thread: one tick per arming when
// the handler switches the timer off first, never a tick earlier than the
// service allows, and a safe end while a handler is under way. Only lower
// bounds on time are asserted; waits for a tick give up after many seconds,
// so a slow machine never fails a test.
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "components/MMTimer.h"

using namespace MMTimerService;
using namespace std::chrono_literals;

namespace {

using Clock = std::chrono::steady_clock;

constexpr auto Patience = 20s;

// What winmm promises: a tick may come up to one resolution early, and the
// game's resolution equals its interval. The tests ask for the finest
// resolution, so that the bound says something; the stand-in on Linux is
// never early.
constexpr std::uint32_t TestResolution = 1;
#ifdef _WIN32
constexpr auto MayComeEarly = std::chrono::milliseconds(TestResolution);
// winmm schedules in whole milliseconds of its tick count, so a finer clock
// may see up to one more millisecond less.
constexpr auto ServiceGrain = 1ms;
#else
constexpr auto MayComeEarly = 0ms;
constexpr auto ServiceGrain = 0ms;
#endif

// The ticks a handler saw, readable from the test's thread.
class TickLog {
public:
    void Add(std::uint32_t tickCount) {
        std::lock_guard guard(lock_);
        times_.push_back(Clock::now());
        tickCounts_.push_back(tickCount);
        added_.notify_all();
    }
    bool WaitFor(std::size_t count) {
        std::unique_lock guard(lock_);
        return added_.wait_for(guard, Patience, [&] { return times_.size() >= count; });
    }
    std::size_t Count() {
        std::lock_guard guard(lock_);
        return times_.size();
    }
    Clock::time_point Time(std::size_t i) {
        std::lock_guard guard(lock_);
        return times_.at(i);
    }
    std::uint32_t TickCount(std::size_t i) {
        std::lock_guard guard(lock_);
        return tickCounts_.at(i);
    }

private:
    std::mutex lock_;
    std::condition_variable added_;
    std::vector<Clock::time_point> times_;
    std::vector<std::uint32_t> tickCounts_;
};

// A signal set once, waited for by another thread.
class Flag {
public:
    void Set() {
        std::lock_guard guard(lock_);
        set_ = true;
        changed_.notify_all();
    }
    bool IsSet() {
        std::lock_guard guard(lock_);
        return set_;
    }
    bool Wait() {
        std::unique_lock guard(lock_);
        return changed_.wait_for(guard, Patience, [&] { return set_; });
    }

private:
    std::mutex lock_;
    std::condition_variable changed_;
    bool set_ = false;
};

void ExpectServiceIdle() {
    EXPECT_EQ(EventsActive(), 0);
    EXPECT_EQ(PeriodsHeld(), (std::map<std::uint32_t, int>{}));
}

TEST(MMTimerTicks, AHandlerThatDisablesFirstGetsOneTickPerArmingAFullIntervalLater) {
    constexpr auto interval = 30ms;
    TickLog log;
    TMMTimer timer;
    TMMTimer* sender = nullptr;
    timer.SetEnabled(false);
    timer.SetInterval(interval.count());
    timer.SetResolution(TestResolution);
    timer.SetOnTimer([&](TMMTimer& s, std::uint32_t tickCount) {
        s.SetEnabled(false);
        sender = &s;
        log.Add(tickCount);
    });
    for (std::size_t arming = 1; arming <= 3; ++arming) {
        SCOPED_TRACE(arming);
        const std::uint32_t tickBefore = GetTickCount();
        const Clock::time_point armed = Clock::now();
        timer.SetEnabled(true);
        ASSERT_TRUE(log.WaitFor(arming));
        const std::uint32_t tickAfter = GetTickCount();
        EXPECT_GE(log.Time(arming - 1) - armed, interval - MayComeEarly - ServiceGrain);
        const std::uint32_t sinceBefore = log.TickCount(arming - 1) - tickBefore;
        EXPECT_GE(sinceBefore, (interval - MayComeEarly).count());
        EXPECT_LE(sinceBefore, tickAfter - tickBefore);
        std::this_thread::sleep_for(5 * interval);
        EXPECT_EQ(log.Count(), arming);
        EXPECT_EQ(timer.Enabled(), 0);
    }
    EXPECT_EQ(sender, &timer);
    ExpectServiceIdle();
}

TEST(MMTimerTicks, AHandlerThatReArmsAtItsEndGetsTicksAtLeastAnIntervalApart) {
    constexpr auto interval = 20ms;
    constexpr std::size_t ticks = 5;
    TickLog log;
    TMMTimer timer;
    timer.SetInterval(interval.count());
    timer.SetResolution(TestResolution);
    timer.SetEnabled(false);
    timer.SetOnTimer([&](TMMTimer& s, std::uint32_t tickCount) {
        s.SetEnabled(false);
        log.Add(tickCount);
        std::this_thread::sleep_for(2ms); // the step's own work
        if (log.Count() < ticks) s.SetEnabled(true);
    });
    timer.SetEnabled(true);
    ASSERT_TRUE(log.WaitFor(ticks));
    for (std::size_t i = 1; i < ticks; ++i)
        EXPECT_GE(log.Time(i) - log.Time(i - 1), interval + 2ms - MayComeEarly - ServiceGrain);
    std::this_thread::sleep_for(5 * interval);
    EXPECT_EQ(log.Count(), ticks);
    ExpectServiceIdle();
}

TEST(MMTimerTicks, APeriodicTimerTicksUntilDisabledAndNotAfter) {
    TickLog log;
    TMMTimer timer;
    timer.SetInterval(10);
    timer.SetOnTimer([&](TMMTimer&, std::uint32_t tickCount) { log.Add(tickCount); });
    ASSERT_TRUE(log.WaitFor(5));
    for (std::size_t i = 1; i < 5; ++i) // the tick count never steps back
        EXPECT_LT(log.TickCount(i) - log.TickCount(i - 1), 1u << 31);
    timer.SetEnabled(false);
    std::this_thread::sleep_for(50ms); // a handler begun before may still be finishing
    const std::size_t seen = log.Count();
    std::this_thread::sleep_for(100ms);
    EXPECT_EQ(log.Count(), seen);
    ExpectServiceIdle();
}

TEST(MMTimerTicks, DestroyingTheTimerWaitsForAHandlerUnderWay) {
    std::atomic<int> started{0};
    std::atomic<int> finished{0};
    Flag entered;
    auto timer = std::make_unique<TMMTimer>();
    timer->SetInterval(10);
    timer->SetOnTimer([&](TMMTimer&, std::uint32_t) {
        ++started;
        entered.Set();
        std::this_thread::sleep_for(200ms);
        ++finished;
    });
    ASSERT_TRUE(entered.Wait());
    timer.reset();
    EXPECT_EQ(finished.load(), started.load());
    const int seen = started;
    std::this_thread::sleep_for(100ms);
    EXPECT_EQ(started.load(), seen);
    ExpectServiceIdle();
}

TEST(MMTimerTicks, AHandlerThatReArmsWhileTheTimerIsDestroyedLeavesNothingBehind) {
    Flag entered;
    Flag rearmed;
    auto timer = std::make_unique<TMMTimer>();
    timer->SetInterval(10);
    timer->SetOnTimer([&](TMMTimer& s, std::uint32_t) {
        s.SetEnabled(false);
        if (entered.IsSet()) return;
        entered.Set();
        std::this_thread::sleep_for(100ms);
        s.SetInterval(20);
        s.SetEnabled(true);
        rearmed.Set();
    });
    ASSERT_TRUE(entered.Wait());
    timer.reset();
    EXPECT_TRUE(rearmed.IsSet());
    ExpectServiceIdle();
}

TEST(MMTimerTicks, AHandlerMayDestroyItsOwnTimer) {
    Flag destroyed;
    std::atomic<int> ticks{0};
    auto timer = std::make_unique<TMMTimer>();
    timer->SetInterval(10);
    timer->SetOnTimer([&](TMMTimer&, std::uint32_t) {
        ++ticks;
        timer.reset();
        destroyed.Set();
    });
    ASSERT_TRUE(destroyed.Wait());
    std::this_thread::sleep_for(50ms);
    EXPECT_EQ(ticks.load(), 1);
    ExpectServiceIdle();
}

// A descendant that counts ticks in DoTimer, the one path of every tick.
class CountingTimer : public TMMTimer {
public:
    ~CountingTimer() override { Shutdown(); }
    std::vector<int> Ticks() {
        std::lock_guard guard(lock_);
        return ticks_;
    }

protected:
    void DoTimer() override {
        {
            std::lock_guard guard(lock_);
            ticks_.push_back(static_cast<int>(ticks_.size()));
        }
        TMMTimer::DoTimer();
    }

private:
    std::mutex lock_;
    std::vector<int> ticks_;
};

TEST(MMTimerTicks, EveryTickPassesThroughDoTimer) {
    TickLog log;
    auto timer = std::make_unique<CountingTimer>();
    timer->SetInterval(5);
    timer->SetOnTimer([&](TMMTimer&, std::uint32_t tickCount) { log.Add(tickCount); });
    ASSERT_TRUE(log.WaitFor(3));
    timer->SetOnTimer(nullptr);
    EXPECT_GE(timer->Ticks().size(), log.Count());
    timer->SetOnTimer([&](TMMTimer&, std::uint32_t tickCount) { log.Add(tickCount); });
    timer.reset(); // while ticking: the descendant's part goes only after the last tick
    ExpectServiceIdle();
}

TEST(MMTimerTicks, SettersFromAnotherThreadWhileTheHandlerReArmsNeverLoseAnEvent) {
    std::atomic<int> ticks{0};
    const TNotifyTimeEvent step = [&](TMMTimer& s, std::uint32_t) {
        s.SetEnabled(false);
        ++ticks;
        s.SetEnabled(true);
    };
    {
        TMMTimer timer;
        timer.SetInterval(1);
        timer.SetOnTimer(step);
        for (int i = 0; i < 400; ++i) {
            switch (i % 5) {
            case 0:
                timer.SetInterval(1 + i % 3);
                break;
            case 1:
                timer.SetResolution(1);
                break;
            case 2:
                timer.SetEnabled(i % 2);
                break;
            case 3:
                timer.SetOnTimer(i % 4 == 3 ? step : nullptr);
                break;
            default:
                timer.SetEnabled(true);
                break;
            }
            if (i % 50 == 0) std::this_thread::sleep_for(2ms);
        }
        timer.SetOnTimer(step);
        timer.SetEnabled(true);
        const int before = ticks;
        for (int wait = 0; wait < 2000 && ticks == before; ++wait)
            std::this_thread::sleep_for(10ms);
        EXPECT_GT(ticks.load(), before);
        EXPECT_LE(EventsActive(), 1);
        EXPECT_LE(PeriodsHeld().size(), 1u);
    }
    ExpectServiceIdle();
}

} // namespace

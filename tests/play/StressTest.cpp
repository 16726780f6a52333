#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <iostream>
#include <random>
#include <thread>

#include "app/play/EngineThread.h"
#include "app/play/FallClock.h"
#include "engine/Engine.h"
#include "engine/KeyAction.h"
#include "support/FakeHost.h"
#include "support/TextWell.h"

using namespace std::chrono_literals;

namespace {

// The fake host with the real fall clock and real waits, on a real engine
// thread. Periods run fifty times faster than the game sets them, so that
// ticks come thick and fast.
class ThreadedHost : public FakeHost {
public:
    ThreadedHost(EngineThread& thread, FallClock& clock) : thread_(thread), clock_(clock) {}

    void SetTimerEnabled(bool enabled) override { clock_.SetEnabled(enabled); }
    bool TimerEnabled() const override { return clock_.Enabled(); }
    void SetTimerInterval(int milliseconds) override {
        interval_ = milliseconds;
        clock_.SetInterval(std::max(1, milliseconds / 50));
    }
    int TimerInterval() const override { return interval_; }
    void Wait(int milliseconds) override { thread_.Sleep(milliseconds / 50); }

private:
    EngineThread& thread_;
    FallClock& clock_;
    int interval_ = 1000;
};

// How long the commands and actions come: BRIMAL_STRESS_SECONDS, or 2 s.
std::chrono::seconds StressTime() {
    const char* text = std::getenv("BRIMAL_STRESS_SECONDS");
    return std::chrono::seconds(text != nullptr ? std::max(1, std::atoi(text)) : 2);
}

} // namespace

TEST(EngineThreadStress, CommandsAndActionsAtAMillisecondAgainstARunningGameNeverInterleave) {
    TGameSettings settings;
    settings.RowWait = 50;
    EngineThread thread;
    std::unique_ptr<Engine> game;
    FallClock clock([&](std::uint64_t arming) {
        thread.Post([&, arming] {
            if (clock.IsCurrent(arming)) game->Timer1Timer();
        });
    });
    ThreadedHost host(thread, clock);
    game = std::make_unique<Engine>(host, settings, EngineTexts{"Brimal  ", "   GameOver!"});
    thread.PostAndWait([&] {
        game->DrawFreshKind();
        game->ResetBoard();
        game->GameGameClick();
    });

    std::atomic<bool> inside{false};
    std::atomic<bool> overlapped{false};
    auto guarded = [&](std::function<void()> operation) {
        thread.Post([&, operation] {
            if (inside.exchange(true)) overlapped = true;
            operation();
            inside = false;
        });
    };

    std::mt19937 random(20261209);
    const auto stressTime = StressTime();
    const auto end = std::chrono::steady_clock::now() + stressTime;
    int posted = 0;
    while (std::chrono::steady_clock::now() < end) {
        const int pick = static_cast<int>(random() % 100);
        if (pick < 70) {
            const int code = static_cast<int>(random() % 7);
            guarded([&, code] {
                if (game->IsPlaying() && host.TimerEnabled()) game->DoAction(code);
            });
        } else if (pick < 80) {
            guarded([&] { game->GamePauseClick(); });
        } else if (pick < 88) {
            guarded([&] { game->GameGameClick(); });
        } else if (pick < 91) {
            guarded([&] { game->GameStopClick(); });
        } else if (pick < 95) {
            guarded([&] { game->AppOnDeactivate(); });
        } else if (pick < 98) {
            guarded([&] { game->AppOnActivate(); });
        } else {
            guarded([&] { game->FormPaint(); });
        }
        ++posted;
        std::this_thread::sleep_for(1ms);
    }

    thread.PostAndWait([&] {
        // The timer agrees with the title: on only while playing.
        if (!game->IsPlaying()) {
            EXPECT_FALSE(host.TimerEnabled());
        }
        EXPECT_EQ(host.Caption, game->Caption());
        const Well& well = game->TheWell;
        for (int y = -4; y <= well.Height(); ++y) {
            EXPECT_EQ(well.GetCell(-1, y), 255);
            EXPECT_EQ(well.GetCell(well.Width(), y), 255);
        }
        game->GameStopClick();
    });
    thread.Stop();
    EXPECT_FALSE(overlapped);
    EXPECT_GT(posted, 250 * stressTime.count());
    std::cout << posted << " operations posted in " << stressTime.count() << " s\n";
}

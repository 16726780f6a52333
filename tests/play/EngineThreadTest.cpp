#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <mutex>
#include <thread>
#include <vector>

#include "app/play/EngineThread.h"
#include "app/play/FallClock.h"
#include "support/WaitFor.h"

using namespace std::chrono_literals;

TEST(EngineThread, RunsOperationsOneAfterAnotherInPostingOrder) {
    EngineThread thread;
    std::vector<int> order; // touched only by the engine thread until the wait
    std::atomic<int> running{0};
    std::atomic<bool> overlapped{false};
    std::vector<std::thread> posters;
    for (int p = 0; p < 4; ++p) {
        posters.emplace_back([&, p] {
            for (int i = 0; i < 200; ++i) {
                thread.Post([&, p, i] {
                    if (running.fetch_add(1) != 0) overlapped = true;
                    order.push_back(p * 1000 + i);
                    running.fetch_sub(1);
                });
            }
        });
    }
    for (auto& poster : posters)
        poster.join();
    thread.PostAndWait([] {});
    EXPECT_FALSE(overlapped);
    ASSERT_EQ(order.size(), 800u);
    // Each poster's operations keep their order.
    std::vector<int> last(4, -1);
    for (int value : order) {
        EXPECT_GT(value % 1000, last[value / 1000]);
        last[value / 1000] = value % 1000;
    }
}

TEST(EngineThread, StopCutsTheWaitUnderWayShortAndDropsTheQueue) {
    EngineThread thread;
    std::atomic<bool> started{false}, laterRan{false};
    thread.Post([&] {
        started = true;
        thread.Sleep(60000);
    });
    thread.Post([&] { laterRan = true; });
    ASSERT_TRUE(WaitFor([&] { return started.load(); }, 10s));
    const auto before = std::chrono::steady_clock::now();
    thread.Stop();
    EXPECT_LT(std::chrono::steady_clock::now() - before, 30s);
    EXPECT_FALSE(laterRan);
    EXPECT_TRUE(thread.Stopping());
    thread.Post([&] { laterRan = true; });        // dropped, not run
    thread.PostAndWait([&] { laterRan = true; }); // returns at once
    EXPECT_FALSE(laterRan);
}

TEST(FallClock, ATickQueuedForAnArmingSwitchedOffSinceIsDropped) {
    EngineThread thread;
    std::atomic<int> processed{0};
    std::atomic<std::uint64_t> processedArming{0};
    std::unique_ptr<FallClock> clock;
    clock = std::make_unique<FallClock>([&](std::uint64_t arming) {
        thread.Post([&, arming] {
            if (!clock->IsCurrent(arming)) return;
            // As the game's tick does: the timer goes off first.
            clock->SetEnabled(false);
            processed.fetch_add(1);
            processedArming = arming;
        });
    });
    thread.PostAndWait([&] {
        clock->SetInterval(5);
        clock->SetEnabled(true);
        // Keep the engine busy while ticks of this arming pile up behind.
        std::this_thread::sleep_for(150ms);
        clock->SetEnabled(false);
        clock->SetEnabled(true); // a new arming
    });
    // The piled-up ticks belong to the first arming and are dropped; the new
    // arming delivers one tick, which switches the timer off.
    EXPECT_TRUE(WaitFor([&] { return processed > 0; }, 10s));
    std::this_thread::sleep_for(50ms);
    thread.PostAndWait([] {});
    EXPECT_EQ(processed, 1);
    EXPECT_EQ(processedArming, 2u);
    thread.Stop();
    clock.reset();
}

TEST(FallClock, ATickOvertakenByARearmingBetweenItsAcceptanceAndItsDeliveryIsDropped) {
    // The engine switches the clock off, steps and switches it on again in
    // the very moment after the timer has accepted a tick of the old arming
    // and before that tick is handed on. The seam runs the re-arming exactly
    // there. The old tick must not count for the new arming: the next step
    // comes a full period after the re-arming, not at once.
    MMTimerService::ServiceSeam seam;
    std::unique_ptr<FallClock> clock;
    std::mutex lock;
    std::vector<std::pair<std::uint64_t, bool>> delivered; // arming, taken
    std::atomic<bool> rearmed{false};
    seam.TickAccepted = [&] {
        if (rearmed.exchange(true)) return;
        clock->SetEnabled(false);
        clock->SetEnabled(true);
    };
    clock = std::make_unique<FallClock>(
        [&](std::uint64_t arming) {
            const bool taken = clock->IsCurrent(arming);
            if (taken) clock->SetEnabled(false); // as the game's tick does
            std::lock_guard guard(lock);
            delivered.emplace_back(arming, taken);
        },
        &seam);
    clock->SetInterval(20);
    clock->SetEnabled(true);
    WaitFor(
        [&] {
            std::lock_guard guard(lock);
            return delivered.size() >= 2;
        },
        10s);
    clock.reset();
    const std::vector<std::pair<std::uint64_t, bool>> expected{{1, false}, {2, true}};
    EXPECT_EQ(delivered, expected);
}

// The timer service's stand-in on Linux, which has no multimedia timer: a
// thread per event owner on the standard library's steady clock.
#include "components/MMTimerService.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "components/MMTimerServiceCounts.h"

#include <sys/prctl.h>

namespace MMTimerService {

namespace {

using Clock = std::chrono::steady_clock;

// The bounds the Windows service reports, 1 ms to 1000 s.
constexpr TTimeCaps DeviceCaps{1, 1000000};

std::atomic<std::uint32_t> nextEventId{1};

bool InDeviceBounds(std::uint32_t period) {
    return period >= DeviceCaps.wPeriodMin && period <= DeviceCaps.wPeriodMax;
}

// Identifiers are unique in the process and never 0, which means "no event".
std::uint32_t NewEventId() {
    std::uint32_t id;
    do {
        id = nextEventId.fetch_add(1);
    } while (id == 0);
    return id;
}

} // namespace

std::uint32_t TimeGetDevCaps(TTimeCaps* caps, std::uint32_t size) {
    if (caps == nullptr || size != sizeof(TTimeCaps)) return TimerNoCanDo;
    *caps = DeviceCaps;
    return TimerNoError;
}

std::uint32_t TimeBeginPeriod(std::uint32_t period) {
    if (!InDeviceBounds(period)) return TimerNoCanDo;
    Counts::PeriodRaised(period);
    return TimerNoError;
}

std::uint32_t TimeEndPeriod(std::uint32_t period) {
    if (!InDeviceBounds(period)) return TimerNoCanDo;
    Counts::PeriodReleased(period);
    return TimerNoError;
}

std::uint32_t GetTickCount() {
    const auto sinceStart = Clock::now().time_since_epoch();
    return static_cast<std::uint32_t>(
        std::chrono::duration_cast<std::chrono::milliseconds>(sinceStart).count());
}

struct EventThread::Shared {
    std::mutex lock;
    std::condition_variable wake;
    // Everything below is guarded by lock.
    bool quit = false;
    std::uint32_t id = 0; // the event that is set, 0 for none
    Clock::duration period{};
    Clock::time_point deadline{}; // of the event's next tick
    TimeCallback callback = nullptr;
    std::uintptr_t user = 0;
    // Until when the thread sleeps: max while it waits for an event, min while
    // it is awake. A new deadline wakes it only when it would sleep past it.
    Clock::time_point sleepingUntil = Clock::time_point::min();
    // Started by the constructor and ended by Stop, on the owner's thread.
    std::thread worker;
};

namespace {

void Run(std::shared_ptr<EventThread::Shared> shared);

} // namespace

EventThread::EventThread(ServiceSeam* seam) : shared_(std::make_shared<Shared>()), seam_(seam) {
    shared_->worker = std::thread(Run, shared_);
}

EventThread::~EventThread() {
    Stop();
    std::lock_guard guard(shared_->lock);
    if (shared_->id != 0) {
        shared_->id = 0;
        Counts::EventKilled();
    }
}

std::uint32_t EventThread::TimeSetEvent(std::uint32_t delay, std::uint32_t /*resolution*/,
                                        TimeCallback callback, std::uintptr_t user,
                                        std::uint32_t kind) {
    if (!InDeviceBounds(delay) || kind != TimePeriodic || callback == nullptr) return 0;
    if (Counts::TakeAskedFailure(seam_)) return 0;
    std::lock_guard guard(shared_->lock);
    if (shared_->id != 0) return 0;
    shared_->id = NewEventId();
    shared_->period = std::chrono::milliseconds(delay);
    shared_->deadline = Clock::now() + shared_->period;
    shared_->callback = callback;
    shared_->user = user;
    Counts::EventSet();
    if (shared_->deadline < shared_->sleepingUntil) shared_->wake.notify_one();
    return shared_->id;
}

std::uint32_t EventThread::TimeKillEvent(std::uint32_t id) {
    std::lock_guard guard(shared_->lock);
    if (id == 0 || shared_->id != id) return InvalidParameter;
    shared_->id = 0;
    shared_->callback = nullptr;
    Counts::EventKilled();
    // Not woken: the thread finds no event when its deadline comes. The game
    // kills and sets its event at every tick, and each wake-up of the thread
    // would cost both threads a switch.
    return TimerNoError;
}

void EventThread::Stop() {
    std::thread& worker = shared_->worker;
    if (!worker.joinable()) return;
    {
        std::lock_guard guard(shared_->lock);
        shared_->quit = true;
    }
    shared_->wake.notify_one();
    Counts::EndThread(worker);
}

namespace {

void Run(std::shared_ptr<EventThread::Shared> shared) {
    // The kernel may wake a sleeping thread up to 50 us late by default, to
    // batch wake-ups; ticks ask for the closest wake-up instead, which is
    // what raising the resolution achieves on the desktop platform.
    prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL);
    EventThread::Shared& s = *shared;
    std::unique_lock lock(s.lock);
    while (!s.quit) {
        if (s.id == 0) {
            s.sleepingUntil = Clock::time_point::max();
            s.wake.wait(lock);
            s.sleepingUntil = Clock::time_point::min();
            continue;
        }
        const Clock::time_point deadline = s.deadline;
        const Clock::time_point now = Clock::now();
        if (now < deadline) {
            // Woken early, by an earlier event, or at the deadline of an event
            // since killed or replaced: look again.
            s.sleepingUntil = deadline;
            s.wake.wait_until(lock, deadline);
            s.sleepingUntil = Clock::time_point::min();
            continue;
        }
        const std::uint32_t id = s.id;
        const TimeCallback callback = s.callback;
        const std::uintptr_t user = s.user;
        do {
            s.deadline += s.period;
        } while (s.deadline <= now);
        // The callback may set, kill or stop: it runs without the lock, and
        // what it changed is read afresh when it returns.
        lock.unlock();
        callback(id, 0, user, 0, 0);
        lock.lock();
    }
}

} // namespace

} // namespace MMTimerService

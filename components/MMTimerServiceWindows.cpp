// The timer service on Windows: the multimedia timer of winmm itself. Its
// timer thread allows a callback only a few quick calls, so the callback here
// does one thing, setting an event object; a thread of ours, one per owner,
// waits for that event and calls the owner's callback. Around winmm this file
// adds what the clock relies on: one event per owner, a tick of a killed or
// replaced event is not called back, and stopping waits for the owner's
// callback under way.
#include "components/MMTimerService.h"

#include <windows.h>
// After windows.h, whose types it uses.
#include <mmsystem.h>

#include <mutex>
#include <thread>

#include "components/MMTimerServiceCounts.h"

namespace MMTimerService {

static_assert(sizeof(TTimeCaps) == sizeof(TIMECAPS));

struct EventThread::Shared {
    Shared() {
        for (HANDLE& tick : ticks)
            tick = CreateEventW(nullptr, FALSE, FALSE, nullptr);
        changed = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    }
    ~Shared() {
        for (HANDLE tick : ticks)
            CloseHandle(tick);
        CloseHandle(changed);
    }
    Shared(const Shared&) = delete;
    Shared& operator=(const Shared&) = delete;

    // Set by winmm at each tick. Successive events take turns with the two,
    // so that a tick of an event just killed never lands on the next one's.
    HANDLE ticks[2];
    // Set when a new event is set or the thread is to end: the thread then
    // looks again at which event it waits for.
    HANDLE changed;
    std::mutex lock;
    // Everything below is guarded by lock.
    bool quit = false;
    std::uint32_t id = 0;         // the event that is set, 0 for none
    bool scheduled = false;       // whether winmm holds the event (not after Stop)
    std::uint64_t generation = 0; // counts the events set, to tell their ticks apart
    int turn = 0;                 // which of ticks the event sets
    TimeCallback callback = nullptr;
    std::uintptr_t user = 0;
    // Started by the constructor and ended by Stop, on the owner's thread.
    std::thread worker;
};

namespace {

// Identifiers for events set after Stop, which are accepted and never called
// back; winmm's own identifiers are small, so these do not meet them.
std::uint32_t nextInertId = 0x80000000u;

// The owner whose thread this is, on that thread: an event set from inside
// its callback needs no wake-up, as the thread looks again when the callback
// returns.
thread_local const EventThread::Shared* ownThread = nullptr;

// On winmm's timer thread: only the one call. The events are killed with
// TIME_KILL_SYNCHRONOUS, so no tick comes once the kill has returned, and the
// event object outlives every event that sets it.
void CALLBACK OnTick(UINT, UINT, DWORD_PTR tickEvent, DWORD_PTR, DWORD_PTR) {
    SetEvent(reinterpret_cast<HANDLE>(tickEvent));
}

void Run(std::shared_ptr<EventThread::Shared> shared);

} // namespace

std::uint32_t TimeGetDevCaps(TTimeCaps* caps, std::uint32_t size) {
    if (caps == nullptr || size != sizeof(TTimeCaps)) return TimerNoCanDo;
    TIMECAPS device{};
    const MMRESULT result = timeGetDevCaps(&device, sizeof device);
    if (result != TIMERR_NOERROR) return result;
    *caps = TTimeCaps{device.wPeriodMin, device.wPeriodMax};
    return TimerNoError;
}

std::uint32_t TimeBeginPeriod(std::uint32_t period) {
    const MMRESULT result = timeBeginPeriod(period);
    if (result == TIMERR_NOERROR) Counts::PeriodRaised(period);
    return result;
}

std::uint32_t TimeEndPeriod(std::uint32_t period) {
    const MMRESULT result = timeEndPeriod(period);
    if (result == TIMERR_NOERROR) Counts::PeriodReleased(period);
    return result;
}

std::uint32_t GetTickCount() {
    return timeGetTime();
}

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

std::uint32_t EventThread::TimeSetEvent(std::uint32_t delay, std::uint32_t resolution,
                                        TimeCallback callback, std::uintptr_t user,
                                        std::uint32_t kind) {
    if (kind != TimePeriodic || callback == nullptr) return 0;
    if (Counts::TakeAskedFailure(seam_)) return 0;
    std::lock_guard guard(shared_->lock);
    Shared& s = *shared_;
    if (s.id != 0) return 0;
    // Without its event objects the thread can take no tick: a failure to set.
    if (s.changed == nullptr || s.ticks[0] == nullptr || s.ticks[1] == nullptr) return 0;
    std::uint32_t id;
    if (s.quit) {
        id = nextInertId++;
    } else {
        // The thread learns of the new event before its first tick can come.
        s.turn = 1 - s.turn;
        ResetEvent(s.ticks[s.turn]);
        ++s.generation;
        if (ownThread != &s) SetEvent(s.changed);
        id = timeSetEvent(delay, resolution, OnTick, reinterpret_cast<DWORD_PTR>(s.ticks[s.turn]),
                          TIME_PERIODIC | TIME_CALLBACK_FUNCTION | TIME_KILL_SYNCHRONOUS);
        if (id == 0) return 0;
        s.scheduled = true;
    }
    s.id = id;
    s.callback = callback;
    s.user = user;
    Counts::EventSet();
    return id;
}

std::uint32_t EventThread::TimeKillEvent(std::uint32_t id) {
    std::lock_guard guard(shared_->lock);
    Shared& s = *shared_;
    if (id == 0 || s.id != id) return InvalidParameter;
    // Waits only for winmm's own call of OnTick, never for our thread, so a
    // callback may kill its event and so may a thread that it waits for.
    if (s.scheduled) timeKillEvent(id);
    s.scheduled = false;
    s.id = 0;
    s.callback = nullptr;
    Counts::EventKilled();
    // Not woken: the thread finds no event when the tick it waits for never
    // comes, or comes from the event killed here.
    return TimerNoError;
}

void EventThread::Stop() {
    std::thread& worker = shared_->worker;
    if (!worker.joinable()) return;
    {
        std::lock_guard guard(shared_->lock);
        shared_->quit = true;
        if (shared_->scheduled) timeKillEvent(shared_->id);
        shared_->scheduled = false;
        SetEvent(shared_->changed);
    }
    Counts::EndThread(worker);
}

namespace {

void Run(std::shared_ptr<EventThread::Shared> shared) {
    // Ticks are due to the millisecond: the thread runs ahead of the
    // program's ordinary work, as winmm's own timer thread does.
    SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_TIME_CRITICAL);
    EventThread::Shared& s = *shared;
    ownThread = &s;
    std::unique_lock lock(s.lock);
    while (!s.quit) {
        const std::uint64_t generation = s.generation;
        const HANDLE waitFor[] = {s.changed, s.ticks[s.turn]};
        lock.unlock();
        // When both are set, the lower index comes first: a change is seen
        // before a tick, so a tick is never taken for an older event's.
        const DWORD woken = WaitForMultipleObjects(2, waitFor, FALSE, INFINITE);
        lock.lock();
        // The event objects could not be made: nothing will ever be called back.
        if (woken == WAIT_FAILED) break;
        if (woken != WAIT_OBJECT_0 + 1) continue;
        // A tick that winmm gave before the event was killed or replaced.
        if (s.quit || s.id == 0 || s.generation != generation) continue;
        const std::uint32_t id = s.id;
        const TimeCallback callback = s.callback;
        const std::uintptr_t user = s.user;
        // The callback may set, kill or stop: it runs without the lock, and
        // what it changed is read afresh when it returns.
        lock.unlock();
        callback(id, 0, user, 0, 0);
        lock.lock();
    }
}

} // namespace

} // namespace MMTimerService

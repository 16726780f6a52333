// The timer service on Windows: the multimedia timer of winmm itself. Its
// periodic events are called back on the service's one timer thread; this
// file adds what the clock relies on around them: one event per owner, a
// killed event whose tick was already on its way is not called back, and
// stopping waits for the owner's callbacks under way.
#include "components/MMTimerService.h"

#include <windows.h>
// After windows.h, whose types it uses.
#include <mmsystem.h>

#include <condition_variable>
#include <mutex>
#include <unordered_map>

#include "components/MMTimerServiceCounts.h"

namespace MMTimerService {

static_assert(sizeof(TTimeCaps) == sizeof(TIMECAPS));

struct EventThread::Shared {
    std::uintptr_t number = 0; // the owner's number in the table below
    std::mutex lock;
    std::condition_variable idle;
    // Everything below is guarded by lock.
    bool quit = false;
    std::uint32_t id = 0;   // the event that is set, 0 for none
    bool scheduled = false; // whether winmm holds the event (not after Stop)
    TimeCallback callback = nullptr;
    std::uintptr_t user = 0;
    int callbacksUnderWay = 0;
};

namespace {

// The service calls back with a number of ours; it names the owner's state
// through this table, so that a tick arriving after the owner has gone finds
// nothing and does no harm.
std::mutex ownersLock;
std::unordered_map<std::uintptr_t, std::weak_ptr<EventThread::Shared>> owners; // by ownersLock
std::uintptr_t nextOwner = 1;                                                  // by ownersLock

// The owner whose callback runs on this thread, if any: Stop cannot wait for
// that callback from inside it.
thread_local const EventThread::Shared* runningOwner = nullptr;

// Identifiers for events set after Stop, which are accepted and never called
// back; winmm's own identifiers are small, so these do not meet them.
std::uint32_t nextInertId = 0x80000000u;

void Register(const std::shared_ptr<EventThread::Shared>& shared) {
    std::lock_guard guard(ownersLock);
    shared->number = nextOwner++;
    owners.emplace(shared->number, shared);
}

std::shared_ptr<EventThread::Shared> Owner(std::uintptr_t number) {
    std::lock_guard guard(ownersLock);
    const auto found = owners.find(number);
    return found == owners.end() ? nullptr : found->second.lock();
}

void CALLBACK OnTick(UINT id, UINT, DWORD_PTR ownerNumber, DWORD_PTR, DWORD_PTR) {
    const std::shared_ptr<EventThread::Shared> shared = Owner(ownerNumber);
    if (!shared) return;
    TimeCallback callback;
    std::uintptr_t user;
    {
        std::lock_guard guard(shared->lock);
        // Killed or replaced since winmm picked the tick up.
        if (shared->quit || shared->id != id || shared->callback == nullptr) return;
        callback = shared->callback;
        user = shared->user;
        ++shared->callbacksUnderWay;
    }
    runningOwner = shared.get();
    callback(id, 0, user, 0, 0);
    runningOwner = nullptr;
    std::lock_guard guard(shared->lock);
    if (--shared->callbacksUnderWay == 0) shared->idle.notify_all();
}

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
    Register(shared_);
}

EventThread::~EventThread() {
    Stop();
    {
        std::lock_guard guard(shared_->lock);
        if (shared_->id != 0) {
            shared_->id = 0;
            Counts::EventKilled();
        }
    }
    std::lock_guard guard(ownersLock);
    owners.erase(shared_->number);
}

std::uint32_t EventThread::TimeSetEvent(std::uint32_t delay, std::uint32_t resolution,
                                        TimeCallback callback, std::uintptr_t user,
                                        std::uint32_t kind) {
    if (kind != TimePeriodic || callback == nullptr) return 0;
    if (Counts::TakeAskedFailure(seam_)) return 0;
    std::lock_guard guard(shared_->lock);
    if (shared_->id != 0) return 0;
    std::uint32_t id;
    if (shared_->quit) {
        id = nextInertId++;
    } else {
        // The lock is held across the call so that a tick of the new event
        // cannot be taken for a stale one before its identifier is known.
        id = timeSetEvent(delay, resolution, OnTick, shared_->number,
                          TIME_PERIODIC | TIME_CALLBACK_FUNCTION);
        if (id == 0) return 0;
        shared_->scheduled = true;
    }
    shared_->id = id;
    shared_->callback = callback;
    shared_->user = user;
    Counts::EventSet();
    return id;
}

std::uint32_t EventThread::TimeKillEvent(std::uint32_t id) {
    std::lock_guard guard(shared_->lock);
    if (id == 0 || shared_->id != id) return InvalidParameter;
    // Not waited for: the callback may be the one killing its event, or wait
    // for the thread that does.
    if (shared_->scheduled) timeKillEvent(id);
    shared_->scheduled = false;
    shared_->id = 0;
    shared_->callback = nullptr;
    Counts::EventKilled();
    return TimerNoError;
}

void EventThread::Stop() {
    std::unique_lock lock(shared_->lock);
    shared_->quit = true;
    if (shared_->scheduled) timeKillEvent(shared_->id);
    shared_->scheduled = false;
    if (runningOwner == shared_.get()) return;
    shared_->idle.wait(lock, [this] { return shared_->callbacksUnderWay == 0; });
}

} // namespace MMTimerService

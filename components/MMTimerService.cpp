#include "components/MMTimerService.h"

#include <atomic>
#include <mutex>

#include "components/MMTimerServiceCounts.h"

namespace MMTimerService {

namespace {

std::atomic<std::uint64_t> eventsSet{0};
std::atomic<int> eventsActive{0};

std::mutex periodsLock;
std::map<std::uint32_t, int> periodsHeld; // guarded by periodsLock

} // namespace

namespace Counts {

void EventSet() {
    ++eventsSet;
    ++eventsActive;
}

void EventKilled() {
    --eventsActive;
}

void PeriodRaised(std::uint32_t period) {
    std::lock_guard guard(periodsLock);
    ++periodsHeld[period];
}

void PeriodReleased(std::uint32_t period) {
    std::lock_guard guard(periodsLock);
    // A release without a raise stays visible as a negative count.
    if (--periodsHeld[period] == 0) periodsHeld.erase(period);
}

bool TakeAskedFailure(ServiceSeam* seam) {
    if (seam == nullptr) return false;
    int asked = seam->FailSetEvents.load();
    while (asked > 0 && !seam->FailSetEvents.compare_exchange_weak(asked, asked - 1)) {
    }
    return asked > 0;
}

void EndThread(std::thread& worker) {
    if (std::this_thread::get_id() == worker.get_id())
        worker.detach();
    else
        worker.join();
}

} // namespace Counts

std::uint64_t EventsSet() {
    return eventsSet;
}

int EventsActive() {
    return eventsActive;
}

std::map<std::uint32_t, int> PeriodsHeld() {
    std::lock_guard guard(periodsLock);
    return periodsHeld;
}

} // namespace MMTimerService

#pragma once

#include <cstdint>
#include <thread>

#include "components/MMTimerService.h"

// What each platform's timer service reports to the counters that the tests
// read (EventsSet, EventsActive, PeriodsHeld), the failures a test asks for
// through a seam, and the end of an owner's thread. Used by the service's own
// files only.
namespace MMTimerService::Counts {

void EventSet();
void EventKilled();
void PeriodRaised(std::uint32_t period);
void PeriodReleased(std::uint32_t period);

// Whether the seam asks the next setting of an event to fail; takes one asked
// failure when it does.
bool TakeAskedFailure(ServiceSeam* seam);

// Waits until the owner's thread, told to end, has ended; called on that
// thread itself (from inside a callback) it cannot wait, and lets the thread
// end on its own when the callback returns.
void EndThread(std::thread& worker);

} // namespace MMTimerService::Counts

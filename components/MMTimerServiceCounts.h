#pragma once

#include <cstdint>

#include "components/MMTimerService.h"

// What each platform's timer service reports to the counters that the tests
// read (EventsSet, EventsActive, PeriodsHeld), and the failures a test asks
// for through a seam. Used by the service's own files only.
namespace MMTimerService::Counts {

void EventSet();
void EventKilled();
void PeriodRaised(std::uint32_t period);
void PeriodReleased(std::uint32_t period);

// Whether the seam asks the next setting of an event to fail; takes one asked
// failure when it does.
bool TakeAskedFailure(ServiceSeam* seam);

} // namespace MMTimerService::Counts

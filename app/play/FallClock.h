#pragma once

#include <cstdint>
#include <functional>

#include "components/MMTimer.h"

// Timer1 as the engine sees it: its switch and its period, set only on the
// engine thread. The multimedia timer ticks on a thread of its own; each tick
// is handed on (to be queued for the engine thread) with the number of the
// arming it belongs to. The number is fixed when the arming starts the timer's
// event, not when the tick arrives, so that a tick of an arming since switched
// off is dropped instead of acting on the next one, however late it comes.
class FallClock {
public:
    using TickHandler = std::function<void(std::uint64_t arming)>;

    explicit FallClock(TickHandler onTick, MMTimerService::ServiceSeam* seam = nullptr);

    void SetEnabled(bool enabled);
    bool Enabled() const { return timer_.Enabled() != 0; }
    void SetInterval(int milliseconds);
    int Interval() const;

    // Whether a tick of `arming` belongs to the timer as it runs now. Engine
    // thread.
    bool IsCurrent(std::uint64_t arming) const { return Enabled() && arming == arming_; }

private:
    TickHandler onTick_;
    std::uint64_t arming_ = 0; // engine thread
    TMMTimer timer_;           // last: destroyed first, so no tick outlives the handler
};

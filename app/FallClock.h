#pragma once

#include <atomic>
#include <cstdint>
#include <functional>

#include "components/MMTimer.h"

// Timer1 as the engine sees it: its switch and its period, set only on the
// engine thread. The multimedia timer ticks on a thread of its own; each tick
// is handed on (to be queued for the engine thread) with the number of the
// arming it belongs to, so that a tick queued for an arming that has since
// been switched off is dropped instead of acting on the next one.
class FallClock {
public:
    using TickHandler = std::function<void(std::uint64_t arming)>;

    explicit FallClock(TickHandler onTick);

    void SetEnabled(bool enabled);
    bool Enabled() const { return enabled_.load(); }
    void SetInterval(int milliseconds);
    int Interval() const;

    // Whether a tick of `arming` belongs to the timer as it runs now.
    bool IsCurrent(std::uint64_t arming) const {
        return enabled_.load() && arming == arming_.load();
    }

private:
    TickHandler onTick_;
    std::atomic<std::uint64_t> arming_{0};
    std::atomic<bool> enabled_{false}; // read by the user-interface thread's key filter
    TMMTimer timer_;                   // last: destroyed first, so no tick outlives the handler
};

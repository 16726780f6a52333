#include "app/play/FallClock.h"

FallClock::FallClock(TickHandler onTick, MMTimerService::ServiceSeam* seam)
    : onTick_(std::move(onTick)), timer_(seam) {
    // Created disabled, as the main window's Timer1; the handler is bound at
    // each arming.
    timer_.SetEnabled(0);
}

void FallClock::SetEnabled(bool enabled) {
    if (enabled == Enabled()) return;
    if (enabled) {
        // A new arming, with a handler of its own that names it: ticks of the
        // last one, still queued or still on their way, no longer count.
        const std::uint64_t arming = ++arming_;
        timer_.SetOnTimer([this, arming](TMMTimer&, std::uint32_t) { onTick_(arming); });
        timer_.SetEnabled(1);
    } else {
        timer_.SetEnabled(0);
    }
}

void FallClock::SetInterval(int milliseconds) {
    timer_.SetInterval(static_cast<std::uint32_t>(milliseconds));
}

int FallClock::Interval() const {
    return static_cast<int>(timer_.Interval());
}

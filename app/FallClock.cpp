#include "app/FallClock.h"

FallClock::FallClock(TickHandler onTick) : onTick_(std::move(onTick)) {
    // Created disabled, with the handler bound, as the main window's Timer1.
    timer_.SetEnabled(0);
    timer_.SetOnTimer([this](TMMTimer&, std::uint32_t) { onTick_(arming_.load()); });
}

void FallClock::SetEnabled(bool enabled) {
    if (enabled == enabled_.load()) return;
    if (enabled) {
        // A new arming: ticks still queued from the last one no longer count.
        arming_.fetch_add(1);
        enabled_.store(true);
        timer_.SetEnabled(1);
    } else {
        enabled_.store(false);
        timer_.SetEnabled(0);
    }
}

void FallClock::SetInterval(int milliseconds) {
    timer_.SetInterval(static_cast<std::uint32_t>(milliseconds));
}

int FallClock::Interval() const {
    return static_cast<int>(timer_.Interval());
}

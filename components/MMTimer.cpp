#include "components/MMTimer.h"

#include <cstdio>
#include <string>
#include <utility>

#include "resources/StringTable.h"

using namespace MMTimerService;

namespace {

// A string-table text with its %d arguments substituted; a text with fewer
// placeholders ignores the rest.
std::string FormatMessage(int id, int first, int second = 0) {
    const char* format = StringTable::LoadStr(id);
    const int length = std::snprintf(nullptr, 0, format, first, second);
    if (length <= 0) return format;
    std::string text(static_cast<std::size_t>(length), '\0');
    std::snprintf(text.data(), text.size() + 1, format, first, second);
    return text;
}

// The handler of the tick that this thread is raising, taken together with
// the check of the tick's event. Thread-local, not a member: the handler may
// destroy the timer, and the tick must not touch the timer afterwards.
thread_local const TNotifyTimeEvent* acceptedHandler = nullptr;

} // namespace

TMMTimer::TMMTimer(MMTimerService::ServiceSeam* seam)
    : service_(seam), FEnabled(~std::int32_t{0}), FInterval(1000), FResolution(1000) {
    TimeGetDevCaps(&FTimeCaps, sizeof(FTimeCaps));
}

TMMTimer::~TMMTimer() {
    Shutdown();
}

void TMMTimer::Shutdown() {
    {
        std::lock_guard guard(lock_);
        FEnabled = 0;
        UpdateTimer();
    }
    service_.Stop();
    // A handler that was under way while the thread stopped may have armed
    // the timer again; that event can never fire, but its raise is released.
    std::lock_guard guard(lock_);
    if (FTimerID != 0) KillEvent();
}

std::int32_t TMMTimer::Enabled() const {
    std::lock_guard guard(lock_);
    return FEnabled;
}

void TMMTimer::SetEnabled(std::int32_t value) {
    std::lock_guard guard(lock_);
    if ((value != 0) == (FEnabled != 0)) return;
    FEnabled = value;
    UpdateTimer();
}

std::uint32_t TMMTimer::Interval() const {
    std::lock_guard guard(lock_);
    return FInterval;
}

void TMMTimer::SetInterval(std::uint32_t value) {
    std::lock_guard guard(lock_);
    if (value > FTimeCaps.wPeriodMax || value < FTimeCaps.wPeriodMin)
        throw Exception(FormatMessage(StringTable::IntervalOutOfRange,
                                      static_cast<int>(FTimeCaps.wPeriodMin),
                                      static_cast<int>(FTimeCaps.wPeriodMax)));
    // Every accepted period becomes the resolution too, even an unchanged one;
    // a running event keeps its own until it is next scheduled.
    FResolution = value;
    if (value == FInterval) return;
    FInterval = value;
    if (FTimerID != 0) UpdateTimer();
}

std::uint32_t TMMTimer::Resolution() const {
    std::lock_guard guard(lock_);
    return FResolution;
}

void TMMTimer::SetResolution(std::uint32_t value) {
    std::lock_guard guard(lock_);
    if (value > FTimeCaps.wPeriodMax || value < FTimeCaps.wPeriodMin)
        throw Exception(FormatMessage(StringTable::ResolutionOutOfRange,
                                      static_cast<int>(FTimeCaps.wPeriodMin),
                                      static_cast<int>(FTimeCaps.wPeriodMax)));
    if (value > FInterval)
        throw Exception(
            FormatMessage(StringTable::ResolutionAboveInterval, static_cast<int>(FInterval)));
    if (value == FResolution) return;
    FResolution = value;
    if (FTimerID != 0) UpdateTimer();
}

TNotifyTimeEvent TMMTimer::OnTimer() const {
    std::lock_guard guard(lock_);
    return FOnTimer;
}

void TMMTimer::SetOnTimer(TNotifyTimeEvent handler) {
    // The old handler is destroyed after the lock is released, in case what
    // it holds reaches back into the timer when it goes.
    TNotifyTimeEvent previous;
    std::lock_guard guard(lock_);
    previous = std::exchange(FOnTimer, std::move(handler));
    UpdateTimer();
}

void TMMTimer::DoTimer() {
    // A copy, called without the lock: the handler may change the properties,
    // replace itself or destroy the timer.
    TNotifyTimeEvent handler;
    if (acceptedHandler) {
        handler = *std::exchange(acceptedHandler, nullptr);
    } else {
        std::lock_guard guard(lock_);
        handler = FOnTimer;
    }
    if (handler) handler(*this, GetTickCount());
}

void TMMTimer::TimerCallback(std::uint32_t uTimerID, std::uint32_t /*uMsg*/, std::uintptr_t dwUser,
                             std::uintptr_t /*dw1*/, std::uintptr_t /*dw2*/) {
    auto* timer = reinterpret_cast<TMMTimer*>(dwUser);
    TNotifyTimeEvent handler;
    {
        // The service picked this tick up before a setter killed or replaced
        // its event: it is dropped, so that no tick of an event begins once
        // the setter that ended it has returned. An accepted tick keeps the
        // handler of its event, whatever is assigned after the lock is gone.
        std::lock_guard guard(timer->lock_);
        if (uTimerID != timer->FTimerID) return;
        handler = timer->FOnTimer;
    }
    MMTimerService::ServiceSeam* seam = timer->service_.Seam();
    if (seam && seam->TickAccepted) seam->TickAccepted();
    acceptedHandler = &handler;
    timer->DoTimer();
    acceptedHandler = nullptr;
}

void TMMTimer::UpdateTimer() {
    if (FEnabled != 0 && FInterval > 0 && FOnTimer) {
        if (FTimerID != 0) KillEvent();
        TimeBeginPeriod(FResolution);
        FTimerID = service_.TimeSetEvent(FInterval, FResolution, &TimerCallback,
                                         reinterpret_cast<std::uintptr_t>(this), TimePeriodic);
        if (FTimerID == 0) {
            TimeEndPeriod(FResolution);
            throw EOutOfResources(StringTable::LoadStr(StringTable::TimerSetEventFailed));
        }
        FRaisedResolution = FResolution;
    } else if (FTimerID != 0) {
        KillEvent();
    }
}

void TMMTimer::KillEvent() {
    service_.TimeKillEvent(FTimerID);
    FTimerID = 0;
    TimeEndPeriod(FRaisedResolution);
}

#pragma once

#include <cstdint>
#include <functional>
#include <mutex>
#include <stdexcept>

#include "components/MMTimerService.h"

// The general error of the component library; its message is UTF-8.
class Exception : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A system resource could not be had. It is a kind of general error, so a
// handler for Exception catches it too.
class EOutOfResources : public Exception {
public:
    using Exception::Exception;
};

class TMMTimer;

// The timer's event: the timer itself and the tick count (ms, 32-bit, read
// when the tick is dispatched).
using TNotifyTimeEvent = std::function<void(TMMTimer& Sender, std::uint32_t dwTickCount)>;

// A clock that raises OnTimer every Interval milliseconds while Enabled is
// true and OnTimer is assigned, driven by the multimedia timer service.
//
// OnTimer runs on the timer's own thread, never on the caller's: whoever
// handles it shares its state with the other threads at its own care. The
// handler may change every property, and may set Enabled false as its first
// act to take exactly one tick per arming; the next tick after Enabled is set
// true again comes a full Interval later. An exception must not leave the
// handler (it would end the program, as from any thread).
//
// The component itself is thread-safe: a lock guards its state, so a setter
// on another thread never loses or doubles a scheduled event. The lock is
// never held while OnTimer runs. Setting a property to its current value does
// nothing (except that Interval always sets Resolution). A setter that
// rejects its value throws and leaves every property as it was.
class TMMTimer {
public:
    // Interval 1000, Resolution 1000, Enabled true; nothing is scheduled
    // until OnTimer is assigned. A seam lets tests reach into the service
    // behind the timer; the program passes none.
    explicit TMMTimer(MMTimerService::ServiceSeam* seam = nullptr);
    // Stops the timer and waits until no tick is under way, so that no
    // handler runs once it has returned. It must not run on a thread that the
    // handler waits for. Destroying the timer from inside its own handler is
    // allowed (it cannot wait for itself then): the handler must not touch the
    // timer afterwards, and no further tick comes.
    virtual ~TMMTimer();
    TMMTimer(const TMMTimer&) = delete;
    TMMTimer& operator=(const TMMTimer&) = delete;

    // A 32-bit truth value: 0 is false, any other value true. Read back as
    // stored (the default is all bits set), so test it for non-zero.
    std::int32_t Enabled() const;
    // Nothing happens when the truth does not change, even if the value does.
    // Throws EOutOfResources (the timer is then Stopped with Enabled true).
    void SetEnabled(std::int32_t value);

    std::uint32_t Interval() const;
    // Also sets Resolution to value; replaces a running event when the period
    // changes. Throws Exception outside the device bounds, EOutOfResources.
    void SetInterval(std::uint32_t value);

    std::uint32_t Resolution() const;
    // Throws Exception outside the device bounds or above Interval,
    // EOutOfResources.
    void SetResolution(std::uint32_t value);

    TNotifyTimeEvent OnTimer() const;
    // Always brings the service into line: assigning starts an enabled timer
    // afresh, clearing stops it. Throws EOutOfResources.
    void SetOnTimer(TNotifyTimeEvent handler);

protected:
    // The one place the event is raised: calls OnTimer with the current tick
    // count when it is assigned. Each tick of the service comes through here,
    // and calls the handler that was assigned when the tick was accepted for
    // the scheduled event: a setter that replaces the handler and restarts the
    // event in the moment between cannot hand an old tick to the new handler.
    virtual void DoTimer();

    // Stops the timer for good and waits until no tick is under way (see the
    // destructor). A descendant that overrides DoTimer calls it first in its
    // own destructor, so that no tick reaches a half-destroyed object.
    void Shutdown();

private:
    // The service's callback; dwUser is the timer that set the event.
    static void TimerCallback(std::uint32_t uTimerID, std::uint32_t uMsg, std::uintptr_t dwUser,
                              std::uintptr_t dw1, std::uintptr_t dw2);
    // Brings the service into line with the properties. Caller holds lock_.
    void UpdateTimer();
    void KillEvent(); // caller holds lock_, with an event scheduled

    // The thread that calls back. Its lock is taken inside lock_, never
    // around it, and is not held while a tick runs.
    MMTimerService::EventThread service_;
    // Guards every field below; taken by the setters on any thread and by the
    // ticks on the timer's thread.
    mutable std::mutex lock_;
    std::uint32_t FTimerID = 0; // the scheduled event, 0 when Stopped
    std::int32_t FEnabled;
    std::uint32_t FInterval;
    std::uint32_t FResolution;
    TNotifyTimeEvent FOnTimer;
    // The period raised for the scheduled event, released with the same value
    // even if Resolution has changed since.
    std::uint32_t FRaisedResolution = 0;
    MMTimerService::TTimeCaps FTimeCaps{}; // device bounds, read at construction
};

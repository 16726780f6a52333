#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>

// The multimedia timer service that the fall clock is built on: device bounds,
// the system timer resolution, periodic events called back on a thread of
// their own, and the millisecond tick count. The calls keep the shape and the
// results of the Windows service: on Windows they are that service
// (MMTimerServiceWindows.cpp), on Linux a stand-in on the standard library
// alone (MMTimerServiceLinux.cpp). Both count what they did, for the tests.
namespace MMTimerService {

inline constexpr std::uint32_t TimerNoError = 0;
inline constexpr std::uint32_t InvalidParameter = 11;
inline constexpr std::uint32_t TimerNoCanDo = 97;

// Kinds of event: only periodic events are offered (the callback is a
// function, the only delivery there is).
inline constexpr std::uint32_t TimePeriodic = 1;

// The device's capabilities: the shortest and the longest period in ms.
struct TTimeCaps {
    std::uint32_t wPeriodMin;
    std::uint32_t wPeriodMax;
};

// Fills caps when size is the size of the record; TimerNoCanDo otherwise.
std::uint32_t TimeGetDevCaps(TTimeCaps* caps, std::uint32_t size);

// Raising and releasing the system timer resolution, counted per period for
// the tests; a period outside the device bounds is refused with TimerNoCanDo.
// The stand-in's steady clock needs no raise, so there the calls only count.
std::uint32_t TimeBeginPeriod(std::uint32_t period);
std::uint32_t TimeEndPeriod(std::uint32_t period);

// Milliseconds since an arbitrary start (the steady clock's), wrapping at 2^32.
std::uint32_t GetTickCount();

// The callback of an event: identifier, message, user value, two reserved
// values. The user value is wide enough for a pointer.
using TimeCallback = void (*)(std::uint32_t uTimerID, std::uint32_t uMsg, std::uintptr_t dwUser,
                              std::uintptr_t dw1, std::uintptr_t dw2);

// What a test may ask of the service behind one clock: that the next settings
// of an event fail, and a call at the moment a tick has been accepted for the
// clock's current event, before the clock raises it (to do there what another
// thread might do in that moment). Given to the clock when it is made; it must
// outlive the clock. The program uses none.
struct ServiceSeam {
    std::atomic<int> FailSetEvents{0};
    std::function<void()> TickAccepted;
};

// One periodic event at a time, called back on a thread of its own, never
// the caller's (on Windows winmm's timer thread only wakes it). Each clock
// owns one, so that stopping a clock can wait for its own
// callbacks and for no one else's. Thread-safe: events are set and killed from any thread,
// including from inside their own callback.
class EventThread {
public:
    explicit EventThread(ServiceSeam* seam = nullptr);
    ~EventThread();
    EventThread(const EventThread&) = delete;
    EventThread& operator=(const EventThread&) = delete;

    // Starts calling callback every delay ms, the first call delay ms from
    // now; deadlines are absolute, so the period does not drift, and a tick
    // missed by a late callback is skipped rather than made up in a burst.
    // Returns the event's identifier (never 0), or 0 when the delay is out of
    // the device bounds, the kind is not periodic, an event is already set
    // (one at a time, so that no identifier is ever lost) or a failure was
    // asked for through the seam. The resolution is only advice.
    std::uint32_t TimeSetEvent(std::uint32_t delay, std::uint32_t resolution, TimeCallback callback,
                               std::uintptr_t user, std::uint32_t kind);

    // Cancels the event: no tick of it is picked up after this returns. A
    // tick picked up just before may still be called back (the callback can
    // tell by the identifier), and a callback under way runs to its end: it
    // is not waited for, so a callback may kill its own event, and so may a
    // thread that the callback waits for. InvalidParameter for an identifier
    // that is not set.
    std::uint32_t TimeKillEvent(std::uint32_t id);

    // Ends the thread for good and waits until no callback is under way.
    // Called on the thread itself (from inside a callback), it cannot wait:
    // the thread then ends as soon as that callback returns, without touching
    // this object again, so the object may be destroyed from the callback.
    // Events set afterwards are accepted but never called back.
    void Stop();

    ServiceSeam* Seam() const { return seam_; }

    // The event's state, defined by each platform's file and opaque outside
    // it. Shared with the thread that calls back, which keeps it alive while
    // a callback runs.
    struct Shared;

private:
    std::shared_ptr<Shared> shared_;
    ServiceSeam* seam_;
};

// Counters over every EventThread and period of the process, for the tests.

// How many events TimeSetEvent has set, and how many are set and not killed.
std::uint64_t EventsSet();
int EventsActive();
// Raises not yet released, by period; periods whose raises are all released
// are left out, so a balanced service gives an empty map.
std::map<std::uint32_t, int> PeriodsHeld();

} // namespace MMTimerService

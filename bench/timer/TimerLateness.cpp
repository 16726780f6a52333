// How late the fall clock ticks, beside a precise QTimer on a Qt event loop.
//
//   timer_lateness [--ticks N] [--long]
//
// Each run measures N ticks (default 1000) at a 10 ms period in two ways:
// periodic (the event left running; each tick is due one period after the
// one before) and re-armed (the way the game uses the clock: the handler
// switches it off, and it is switched on again at once; each tick is due one
// period after its arming). --long adds 500 periodic ticks at 500 ms for both
// timers, which takes over eight minutes. Lateness is the time from when a
// tick was due to when its handler ran, in ms; "overruns" counts the ticks
// that came a whole period late or more. Run it on an idle machine.
#include <algorithm>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <string>
#include <vector>

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include "components/MMTimer.h"

namespace {

using Clock = std::chrono::steady_clock;
using Ms = std::chrono::duration<double, std::milli>;

enum class Mode { Periodic, ReArmed };

// Where a periodic timer puts its next tick when the last one came so late
// that the next was already due: the clock skips to the next point of its
// grid, QTimer starts a period afresh from the late tick.
enum class Overrun { NextOfGrid, Afresh };

struct Result {
    std::string timer;
    Mode mode;
    int periodMs;
    std::vector<double> lateness; // ms, one per tick
};

// Collects the due time and the arrival of each tick; filled on the clock's
// thread, read once all ticks are in.
class Recorder {
public:
    Recorder(int ticks, Clock::duration period, Overrun overrun)
        : ticks_(ticks), period_(period), overrun_(overrun) {
        lateness_.reserve(static_cast<std::size_t>(ticks));
    }
    void Armed(Clock::time_point at) {
        std::lock_guard guard(lock_);
        armed_ = at;
        if (lateness_.empty()) {
            start_ = at;
            due_ = at;
        }
    }
    // Records a tick that arrived now; true when it was the last one.
    bool Tick(Mode mode, Clock::time_point now) {
        std::lock_guard guard(lock_);
        if (mode == Mode::ReArmed) {
            due_ = armed_ + period_;
        } else {
            due_ += period_;
            if (!lateness_.empty() && due_ <= last_) {
                due_ = overrun_ == Overrun::Afresh
                           ? last_ + period_
                           : start_ + period_ * ((last_ - start_) / period_ + 1);
            }
        }
        last_ = now;
        lateness_.push_back(Ms(now - due_).count());
        const bool last = static_cast<int>(lateness_.size()) >= ticks_;
        if (last) done_.notify_all();
        return last;
    }
    std::vector<double> WaitForAll() {
        std::unique_lock guard(lock_);
        done_.wait(guard, [&] { return static_cast<int>(lateness_.size()) >= ticks_; });
        return lateness_;
    }

private:
    std::mutex lock_;
    std::condition_variable done_;
    const int ticks_;
    const Clock::duration period_;
    const Overrun overrun_;
    Clock::time_point start_;
    Clock::time_point armed_;
    Clock::time_point due_;  // of the last tick
    Clock::time_point last_; // arrival of the last tick
    std::vector<double> lateness_;
};

Result MeasureMMTimer(Mode mode, int periodMs, int ticks) {
    Recorder recorder(ticks, std::chrono::milliseconds(periodMs), Overrun::NextOfGrid);
    TMMTimer timer;
    timer.SetEnabled(false);
    timer.SetInterval(static_cast<std::uint32_t>(periodMs));
    timer.SetOnTimer([&](TMMTimer& sender, std::uint32_t) {
        const Clock::time_point now = Clock::now();
        if (mode == Mode::ReArmed) sender.SetEnabled(false);
        if (recorder.Tick(mode, now)) {
            sender.SetEnabled(false);
        } else if (mode == Mode::ReArmed) {
            recorder.Armed(Clock::now());
            sender.SetEnabled(true);
        }
    });
    recorder.Armed(Clock::now());
    timer.SetEnabled(true);
    return {"TMMTimer", mode, periodMs, recorder.WaitForAll()};
}

Result MeasureQTimer(Mode mode, int periodMs, int ticks) {
    Recorder recorder(ticks, std::chrono::milliseconds(periodMs), Overrun::Afresh);
    QEventLoop loop;
    QTimer timer;
    timer.setTimerType(Qt::PreciseTimer);
    timer.setInterval(periodMs);
    timer.setSingleShot(mode == Mode::ReArmed);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        if (recorder.Tick(mode, Clock::now())) {
            timer.stop();
            loop.quit();
        } else if (mode == Mode::ReArmed) {
            recorder.Armed(Clock::now());
            timer.start();
        }
    });
    recorder.Armed(Clock::now());
    timer.start();
    loop.exec();
    return {"QTimer precise", mode, periodMs, recorder.WaitForAll()};
}

double Percentile(const std::vector<double>& sorted, double fraction) {
    const auto rank = static_cast<std::size_t>(std::ceil(fraction * sorted.size()));
    return sorted[std::max<std::size_t>(rank, 1) - 1];
}

void Print(const Result& result) {
    std::vector<double> sorted = result.lateness;
    std::sort(sorted.begin(), sorted.end());
    const auto overruns = std::count_if(sorted.begin(), sorted.end(),
                                        [&](double ms) { return ms >= result.periodMs; });
    std::printf("%-15s %-9s %6d %6zu %8.3f %8.3f %8.3f %8.3f %8td\n", result.timer.c_str(),
                result.mode == Mode::Periodic ? "periodic" : "re-armed", result.periodMs,
                sorted.size(), Percentile(sorted, 0.5), Percentile(sorted, 0.99), sorted.back(),
                sorted.front(), overruns);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    int ticks = 1000;
    bool withLong = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--long") == 0) {
            withLong = true;
        } else if (std::strcmp(argv[i], "--ticks") == 0 && i + 1 < argc) {
            ticks = std::max(1, std::atoi(argv[++i]));
        } else {
            std::fprintf(stderr, "usage: %s [--ticks N] [--long]\n", argv[0]);
            return 2;
        }
    }

    std::printf("%-15s %-9s %6s %6s %8s %8s %8s %8s %8s\n", "timer", "mode", "period", "ticks",
                "p50 ms", "p99 ms", "max ms", "min ms", "overruns");
    for (Mode mode : {Mode::Periodic, Mode::ReArmed}) {
        Print(MeasureMMTimer(mode, 10, ticks));
        Print(MeasureQTimer(mode, 10, ticks));
    }
    if (withLong) {
        Print(MeasureMMTimer(Mode::Periodic, 500, 500));
        Print(MeasureQTimer(Mode::Periodic, 500, 500));
    }
    return 0;
}

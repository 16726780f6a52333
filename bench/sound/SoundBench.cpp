// The sound player's two costs: how soon a requested sound starts, and what
// an idle player costs.
//
//   sound_bench latency [requests]   (default 200 per series)
// A sound counts as started when SDL_mixer has mixed a buffer holding its
// first samples: a post-mix hook on SDL's audio thread stamps the first buffer
// with a sample other than silence after the request. That buffer goes to the
// audio driver at once; the driver's own output delay is not included (it is
// the same whatever the player does). Three series: the device closed because
// the player was idle (the usual case between landings), the device still
// open, and requests timed around the moment the idle player closes it (they
// must wait for the close to end). The player closes its device after 100 ms
// here instead of its usual second, to keep the run short; opening takes the
// same time either way.
//
//   sound_bench idle [seconds]       (default 10)
// Plays one sound, waits until the player has closed the device, then prints
// the CPU time of the process and of each thread over the given time.
//
// Run with SDL's dummy driver: SDL_AUDIODRIVER=dummy build/bench/sound/sound_bench latency
#include "components/SdlSession.h"
#include "components/SoundPlayer.h"
#include "components/SoundPlayerBeeps.h"

#include <SDL_mixer.h>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <thread>
#include <unistd.h>
#include <vector>

using namespace std::chrono;
using Clock = steady_clock;

namespace {

std::atomic<bool> armed{false};
std::atomic<Clock::rep> startedAt{0};

// Runs on SDL's audio thread after each mix: the mixer's format is signed
// 16-bit, where silence is 0.
void StampFirstSound(void*, Uint8* stream, int length) {
    if (!armed.load()) return;
    Sint16 samples[4096];
    const int count = std::min<int>(length / 2, 4096);
    std::memcpy(samples, stream, static_cast<std::size_t>(count) * 2);
    if (std::any_of(samples, samples + count, [](Sint16 s) { return s != 0; })) {
        startedAt.store(Clock::now().time_since_epoch().count());
        armed.store(false);
    }
}

struct ThreadTimes {
    std::string name;
    long ticks = 0;             // utime + stime, in clock ticks
    long long cpuNs = 0;        // from schedstat
    long voluntarySwitches = 0; // each one a sleep the thread woke from
};

std::string ReadFirstLine(const std::string& path) {
    std::ifstream in(path);
    std::string line;
    std::getline(in, line);
    return line;
}

ThreadTimes TimesOf(const std::string& task) {
    ThreadTimes t;
    const std::string stat = ReadFirstLine(task + "/stat");
    const auto open = stat.find('('), close = stat.rfind(')');
    if (open == std::string::npos || close == std::string::npos) return t;
    t.name = stat.substr(open + 1, close - open - 1);
    std::istringstream fields(stat.substr(close + 2));
    std::string field;
    for (int i = 3; i <= 15 && fields >> field; ++i)
        if (i == 14 || i == 15) t.ticks += std::stol(field);
    std::istringstream(ReadFirstLine(task + "/schedstat")) >> t.cpuNs;
    std::ifstream status(task + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("voluntary_ctxt_switches:", 0) == 0)
            t.voluntarySwitches = std::stol(line.substr(24));
    return t;
}

std::vector<std::pair<std::string, ThreadTimes>> AllThreads() {
    std::vector<std::pair<std::string, ThreadTimes>> threads;
    if (DIR* dir = opendir("/proc/self/task")) {
        while (const dirent* entry = readdir(dir))
            if (entry->d_name[0] != '.')
                threads.push_back(
                    {entry->d_name, TimesOf(std::string("/proc/self/task/") + entry->d_name)});
        closedir(dir);
    }
    return threads;
}

bool AudioThreadRunning() {
    for (const auto& [id, times] : AllThreads())
        if (times.name.rfind("SDLAudio", 0) == 0) return true;
    return false;
}

void WaitUntil(bool (*condition)(), milliseconds limit) {
    const auto giveUp = Clock::now() + limit;
    while (!condition() && Clock::now() < giveUp)
        std::this_thread::sleep_for(milliseconds(1));
}

double Ms(Clock::duration d) {
    return duration<double, std::milli>(d).count();
}

void Report(const char* name, std::vector<double> ms, int missed) {
    std::sort(ms.begin(), ms.end());
    if (ms.empty()) return;
    const auto at = [&](double q) {
        return ms[std::min(ms.size() - 1, static_cast<std::size_t>(q * ms.size()))];
    };
    std::printf("%-22s %4zu  %7.2f  %7.2f  %7.2f   %d\n", name, ms.size(), at(0.5), at(0.99),
                ms.back(), missed);
}

int Latency(int requests) {
    SdlSession session;
    const milliseconds idleClose{100};
    SoundPlayer player(session, idleClose);
    if (!player.HasDevice()) {
        std::fprintf(stderr, "no audio device: run with SDL_AUDIODRIVER=dummy\n");
        return 1;
    }
    Mix_SetPostMix(StampFirstSound, nullptr);
    // A plain square tone at full scale from its first sample.
    std::vector<std::uint8_t> samples(11025 / 50);
    for (std::size_t i = 0; i < samples.size(); ++i)
        samples[i] = (i / 10) % 2 ? 224 : 32;
    const QByteArray clip = MonoWave8(samples, 11025);
    const milliseconds clipLength{20};
    std::mt19937 random(1);

    // One request: the time from the call to the first buffer that holds it.
    auto request = [&](std::vector<double>& out, int& missed) {
        startedAt.store(0);
        armed.store(true);
        const auto asked = Clock::now();
        player.PlayMemory(clip, false);
        const auto giveUp = asked + seconds(1);
        while (startedAt.load() == 0 && Clock::now() < giveUp)
            std::this_thread::sleep_for(microseconds(200));
        armed.store(false);
        if (startedAt.load() == 0) {
            ++missed;
            return asked;
        }
        out.push_back(Ms(Clock::time_point(Clock::duration(startedAt.load())) - asked));
        return asked;
    };
    auto waitSilent = [&] {
        while (player.IsPlaying())
            std::this_thread::sleep_for(milliseconds(1));
    };

    std::vector<double> closed, open, closing;
    int missedClosed = 0, missedOpen = 0, missedClosing = 0;
    for (int i = 0; i < requests; ++i) {
        WaitUntil([] { return !AudioThreadRunning(); }, seconds(3));
        std::this_thread::sleep_for(microseconds(random() % 20000));
        request(closed, missedClosed);
        waitSilent();
    }
    for (int i = 0; i < requests; ++i) {
        waitSilent();
        std::this_thread::sleep_for(microseconds(2000 + random() % 12000));
        request(open, missedOpen);
    }
    // The player starts closing idleClose after the clip's end; aim from 5 ms
    // before that to 45 ms after.
    for (int i = 0; i < requests; ++i) {
        waitSilent();
        WaitUntil([] { return AudioThreadRunning(); }, seconds(1));
        std::vector<double> unused;
        int unusedMissed = 0;
        const auto previous = request(unused, unusedMissed);
        waitSilent();
        const auto aim =
            previous + clipLength + idleClose - milliseconds(5) + microseconds(random() % 50000);
        std::this_thread::sleep_until(aim);
        request(closing, missedClosing);
    }
    std::printf("sound start latency in ms (request to the first mixed buffer holding it)\n");
    std::printf("%-22s %4s  %7s  %7s  %7s   %s\n", "", "n", "median", "p99", "max", "missed");
    Report("device closed (idle)", closed, missedClosed);
    Report("device open", open, missedOpen);
    Report("while it closes", closing, missedClosing);
    player.Close();
    return 0;
}

int Idle(int seconds) {
    SdlSession session;
    SoundPlayer player(session);
    if (!player.HasDevice()) {
        std::fprintf(stderr, "no audio device: run with SDL_AUDIODRIVER=dummy\n");
        return 1;
    }
    player.PlayMemory(BeepWave(BeepKind::Default), true);
    WaitUntil([] { return !AudioThreadRunning(); }, std::chrono::seconds(5));
    std::this_thread::sleep_for(milliseconds(200));

    const auto before = AllThreads();
    const ThreadTimes processBefore = TimesOf("/proc/self");
    std::this_thread::sleep_for(std::chrono::seconds(seconds));
    const ThreadTimes processAfter = TimesOf("/proc/self");
    const long ticks = processAfter.ticks - processBefore.ticks;
    const long perSecond = sysconf(_SC_CLK_TCK);
    std::printf("idle player over %d s: process %ld ticks (%.2f %% of a core)%s\n", seconds, ticks,
                100.0 * ticks / (seconds * perSecond),
                AudioThreadRunning() ? ", audio thread running" : ", no audio thread");
    std::printf("  %-16s %6s %10s %9s\n", "thread", "ticks", "cpu ms", "wake-ups");
    for (const auto& [id, start] : before) {
        const ThreadTimes end = TimesOf("/proc/self/task/" + id);
        std::printf("  %-16s %6ld %10.3f %9ld\n", start.name.c_str(), end.ticks - start.ticks,
                    (end.cpuNs - start.cpuNs) / 1e6,
                    end.voluntarySwitches - start.voluntarySwitches);
    }
    player.Close();
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    const std::string command = argc > 1 ? argv[1] : "";
    const int count = argc > 2 ? std::max(1, std::atoi(argv[2])) : 0;
    if (command == "latency") return Latency(count ? count : 200);
    if (command == "idle") return Idle(count ? count : 10);
    std::fprintf(stderr, "usage: %s latency [requests] | idle [seconds]\n", argv[0]);
    return 2;
}

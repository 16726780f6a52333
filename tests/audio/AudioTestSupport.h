#pragma once

#include "components/SoundPlayerBeeps.h"

#include <chrono>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <vector>

// A clip in the built-in clips' format: 8-bit mono, a 440 Hz tone.
inline QByteArray ToneWave(int sampleRate, int lengthMs) {
    std::vector<std::uint8_t> samples(static_cast<std::size_t>(sampleRate) * lengthMs / 1000);
    for (std::size_t i = 0; i < samples.size(); ++i)
        samples[i] = static_cast<std::uint8_t>(
            128 + std::lround(60 * std::sin(2 * std::numbers::pi * 440.0 * i / sampleRate)));
    return MonoWave8(samples, sampleRate);
}

template <class Action> std::chrono::milliseconds TimeOf(Action action) {
    const auto start = std::chrono::steady_clock::now();
    action();
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() -
                                                                 start);
}

#pragma once

#include "components/SoundPlayerBeeps.h"
#include "joystick/JoystickTestSupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <SDL.h>
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

// Whether SDL's audio thread (SDLAudioP<n> for a playback device) exists in
// this process: it does exactly while the audio device is open.
inline bool AudioThreadRunning() {
    const QDir tasks("/proc/self/task");
    for (const QString& id : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile name(tasks.filePath(id + "/comm"));
        if (name.open(QIODevice::ReadOnly) && name.readAll().startsWith("SDLAudio")) return true;
    }
    return false;
}

template <class Action> std::chrono::milliseconds TimeOf(Action action) {
    const auto start = std::chrono::steady_clock::now();
    action();
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() -
                                                                 start);
}

#pragma once

#include "components/SoundPlayerBeeps.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <SDL.h>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <vector>

// The joystick's timer needs an event loop; one application object serves the
// whole test program.
inline void EnsureQtApplication() {
    if (QCoreApplication::instance()) return;
    static int argc = 1;
    static char name[] = "audio_tests";
    static char* argv[] = {name, nullptr};
    new QCoreApplication(argc, argv);
}

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

// A joystick with 2 axes and 2 buttons that exists only inside SDL; as the
// only joystick it is device 0.
class VirtualJoystick {
public:
    VirtualJoystick() {
        index_ = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, 2, 2, 0);
        if (index_ >= 0) handle_ = SDL_JoystickOpen(index_);
    }
    ~VirtualJoystick() {
        if (handle_) SDL_JoystickClose(handle_);
        if (index_ >= 0) SDL_JoystickDetachVirtual(index_);
    }
    VirtualJoystick(const VirtualJoystick&) = delete;
    VirtualJoystick& operator=(const VirtualJoystick&) = delete;

    bool Attached() const { return handle_ != nullptr; }
    void Set(Sint16 x, Sint16 y, bool button1, bool button2) {
        SDL_JoystickSetVirtualAxis(handle_, 0, x);
        SDL_JoystickSetVirtualAxis(handle_, 1, y);
        SDL_JoystickSetVirtualButton(handle_, 0, button1);
        SDL_JoystickSetVirtualButton(handle_, 1, button2);
    }

private:
    int index_ = -1;
    SDL_Joystick* handle_ = nullptr;
};

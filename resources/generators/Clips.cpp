#include "resources/generators/Clips.h"

#include "resources/generators/Noise.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace ResGen {

namespace {

constexpr double TwoPi = 2 * std::numbers::pi;

// Maps [-1, 1] onto 0 to 255 with 128 as silence; both ends are reachable.
uint8_t ToUnsigned8(double value) {
    const double level = std::round(128.0 + 128.0 * std::clamp(value, -1.0, 1.0));
    return static_cast<uint8_t>(std::clamp(level, 0.0, 255.0));
}

// Falls linearly from 1 to 0 over the clip, so that every clip ends in silence
// and stops without a click.
double Taper(int index, int count) {
    return 1.0 - static_cast<double>(index) / (count - 1);
}

// Rises linearly over the first seconds given, against a click at the start.
double Attack(double time, double length) {
    return std::min(1.0, time / length);
}

// A one-pole low-pass filter.
class LowPass {
public:
    LowPass(double cutoff, int sampleRate)
        : weight_(1.0 - std::exp(-TwoPi * cutoff / sampleRate)) {}
    double operator()(double input) { return state_ += weight_ * (input - state_); }

private:
    double weight_;
    double state_ = 0.0;
};

} // namespace

Clip BlipClip() {
    constexpr int Rate = 11025;
    constexpr int Count = 1175;
    constexpr double Pitch = 2500.0;
    Clip clip{Rate, {}};
    for (int i = 0; i < Count; ++i) {
        const double t = static_cast<double>(i) / Rate;
        const double tone = std::sin(TwoPi * Pitch * t) + 0.2 * std::sin(TwoPi * 2 * Pitch * t);
        const double envelope = 0.7 * Attack(t, 0.002) * std::exp(-t / 0.035) * Taper(i, Count);
        clip.samples.push_back(ToUnsigned8(tone * envelope));
    }
    return clip;
}

Clip RumbleClip() {
    constexpr int Rate = 22050;
    constexpr int Count = 27537;
    constexpr double LoudFor = 0.2;
    Noise noise(0x5EED2u);
    // Noise limited to the band of the rumble: what a 350 Hz low-pass lets
    // through, less what a 100 Hz low-pass lets through.
    LowPass upper(350.0, Rate);
    LowPass lower(100.0, Rate);
    LowPass smooth(350.0, Rate);
    double phase = 0.0;
    Clip clip{Rate, {}};
    for (int i = 0; i < Count; ++i) {
        const double t = static_cast<double>(i) / Rate;
        // The fundamental sinks from 130 to 100 Hz as the rumble dies away.
        phase += TwoPi * (130.0 - 30.0 * t / 1.25) / Rate;
        const double tone =
            0.5 * std::sin(phase) + 0.3 * std::sin(1.5 * phase) + 0.2 * std::sin(2.5 * phase);
        const double white = noise.Next();
        const double band = 4.0 * (upper(white) - lower(white));
        // Driven into saturation, then softened again: loud, dense and low.
        const double driven = smooth(std::tanh(4.0 * (tone + band)));
        // Pushed past full scale while loud; from there on it dies away.
        const double level = t < LoudFor ? 1.6 : std::exp(-(t - LoudFor) / 0.3);
        const double envelope = Attack(t, 0.005) * level * Taper(i, Count);
        clip.samples.push_back(ToUnsigned8(driven * envelope));
    }
    return clip;
}

Clip ClickClip() {
    constexpr int Rate = 22050;
    constexpr int Count = 725;
    Noise noise(0xC11C4u);
    LowPass soften(4000.0, Rate);
    Clip clip{Rate, {}};
    for (int i = 0; i < Count; ++i) {
        const double t = static_cast<double>(i) / Rate;
        const double knock = 0.6 * soften(noise.Next()) + 0.4 * std::sin(TwoPi * 1800.0 * t);
        const double envelope = 0.15 * std::exp(-t / 0.004) * Taper(i, Count);
        clip.samples.push_back(ToUnsigned8(knock * envelope));
    }
    return clip;
}

} // namespace ResGen

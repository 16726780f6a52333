#include "components/SoundPlayerBeeps.h"

#include "resources/generators/Wave.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr int BeepRate = 22050;

struct Note {
    double frequency; // Hz
    int lengthMs;
    double volume; // 0 to 1 of full scale
};

// Each note starts at once and dies away, like a struck bell; a short fade-in
// avoids a click at its start.
void AppendNote(std::vector<std::uint8_t>& samples, const Note& note) {
    const int count = BeepRate * note.lengthMs / 1000;
    const int attack = BeepRate / 500;
    for (int i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / BeepRate;
        const double envelope =
            std::min(1.0, static_cast<double>(i) / attack) * std::exp(-4.0 * i / count);
        const double value =
            note.volume * envelope * std::sin(2 * std::numbers::pi * note.frequency * t);
        samples.push_back(static_cast<std::uint8_t>(std::lround(128 + 127 * value)));
    }
}

} // namespace

QByteArray MonoWave8(const std::vector<std::uint8_t>& samples, int sampleRate) {
    const std::vector<std::uint8_t> wave = ResGen::EncodeWaveFile(sampleRate, samples);
    return QByteArray(reinterpret_cast<const char*>(wave.data()),
                      static_cast<qsizetype>(wave.size()));
}

QByteArray BeepWave(BeepKind kind) {
    std::vector<std::uint8_t> samples;
    switch (kind) {
    case BeepKind::Exclamation: // two falling notes: something needs attention
        AppendNote(samples, {880, 110, 0.6});
        AppendNote(samples, {660, 160, 0.6});
        break;
    case BeepKind::Information: // two rising, softer notes
        AppendNote(samples, {1320, 80, 0.4});
        AppendNote(samples, {1760, 120, 0.4});
        break;
    default: // one plain tone
        AppendNote(samples, {750, 180, 0.5});
        break;
    }
    return MonoWave8(samples, BeepRate);
}

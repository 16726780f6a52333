#include "FileFields.h"
#include "resources/Resources.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

namespace {

// The parts of a RIFF WAVE image the player relies on, found by walking its
// chunks rather than by assuming where they lie.
struct Wave {
    uint32_t riffSize = 0;
    uint32_t format = 0, channels = 0, rate = 0, byteRate = 0, blockAlign = 0, bits = 0;
    QByteArray samples;
};

Wave ParseWave(const QByteArray& file) {
    Wave wave;
    if (file.size() < 12 || file.left(4) != "RIFF" || file.mid(8, 4) != "WAVE") return wave;
    wave.riffSize = U32At(file, 4);
    qsizetype offset = 12;
    while (offset + 8 <= file.size()) {
        const QByteArray id = file.mid(offset, 4);
        const uint32_t size = U32At(file, offset + 4);
        const qsizetype body = offset + 8;
        if (id == "fmt ") {
            wave.format = U16At(file, body);
            wave.channels = U16At(file, body + 2);
            wave.rate = U32At(file, body + 4);
            wave.byteRate = U32At(file, body + 8);
            wave.blockAlign = U16At(file, body + 12);
            wave.bits = U16At(file, body + 14);
        } else if (id == "data") {
            wave.samples = file.mid(body, size);
        }
        offset = body + size + size % 2;
    }
    return wave;
}

// The largest distance from silence (128) among the samples from `from` to
// `to`, given as fractions of the clip.
int Peak(const QByteArray& samples, double from, double to) {
    const auto begin = static_cast<qsizetype>(from * samples.size());
    const auto end = static_cast<qsizetype>(to * samples.size());
    int peak = 0;
    for (qsizetype i = begin; i < end; ++i)
        peak = std::max(peak, std::abs(static_cast<uint8_t>(samples[i]) - 128));
    return peak;
}

// The dominant pitch of a stretch, from how often the wave crosses silence.
double CrossingPitch(const QByteArray& samples, int rate, qsizetype count) {
    int crossings = 0;
    for (qsizetype i = 1; i < count; ++i)
        crossings += (static_cast<uint8_t>(samples[i - 1]) < 128) !=
                     (static_cast<uint8_t>(samples[i]) < 128);
    return crossings / 2.0 / (static_cast<double>(count) / rate);
}

} // namespace

TEST(SoundClips, EachClipIsAn8BitMonoPcmWaveOfItsRateAndLength) {
    struct Expected {
        int slot;
        uint32_t rate;
        qsizetype samples;
    };
    for (const Expected& expected :
         {Expected{1, 11025, 1175}, Expected{2, 22050, 27537}, Expected{3, 22050, 725}}) {
        SCOPED_TRACE(expected.slot);
        const QByteArray file = Resources::SoundClip(expected.slot);
        const Wave wave = ParseWave(file);
        EXPECT_EQ(wave.riffSize + 8, static_cast<uint32_t>(file.size()));
        EXPECT_EQ(wave.format, 1u) << "PCM";
        EXPECT_EQ(wave.channels, 1u);
        EXPECT_EQ(wave.rate, expected.rate);
        EXPECT_EQ(wave.byteRate, expected.rate);
        EXPECT_EQ(wave.blockAlign, 1u);
        EXPECT_EQ(wave.bits, 8u);
        EXPECT_EQ(wave.samples.size(), expected.samples);
    }
}

TEST(SoundClips, SlotsOutsideOneToThreeGiveNothing) {
    for (int slot : {-1, 0, 4})
        EXPECT_TRUE(Resources::SoundClip(slot).isEmpty()) << slot;
}

TEST(SoundClips, RowBlipIsHighAndFadesOut) {
    const Wave wave = ParseWave(Resources::SoundClip(1));
    ASSERT_FALSE(wave.samples.isEmpty());
    const double pitch = CrossingPitch(wave.samples, 11025, 11025 / 20);
    EXPECT_GT(pitch, 2000);
    EXPECT_LT(pitch, 3000);
    EXPECT_GT(Peak(wave.samples, 0.0, 0.1), 64);
    EXPECT_LT(Peak(wave.samples, 0.9, 1.0), 8);
}

TEST(SoundClips, FourRowRumbleIsLowAtFullScaleForAFifthOfASecondThenFades) {
    const Wave wave = ParseWave(Resources::SoundClip(2));
    ASSERT_FALSE(wave.samples.isEmpty());
    const QByteArray loud = wave.samples.left(22050 / 5);
    EXPECT_TRUE(loud.contains('\x00')) << "reaches the bottom of the scale";
    EXPECT_TRUE(loud.contains('\xFF')) << "reaches the top of the scale";
    const double pitch = CrossingPitch(wave.samples, 22050, loud.size());
    EXPECT_GT(pitch, 80);
    EXPECT_LT(pitch, 400);
    EXPECT_LT(Peak(wave.samples, 0.8, 1.0), 16);
}

TEST(SoundClips, LandingClickIsQuiet) {
    const Wave wave = ParseWave(Resources::SoundClip(3));
    ASSERT_FALSE(wave.samples.isEmpty());
    const int peak = Peak(wave.samples, 0.0, 1.0);
    EXPECT_GT(peak, 0) << "not silent";
    EXPECT_LT(peak, 32);
}

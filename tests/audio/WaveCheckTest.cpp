#include "components/WaveCheck.h"
#include "audio/AudioTestSupport.h"

#include <gtest/gtest.h>

// WaveFault by name in failure messages.
void PrintTo(WaveFault fault, std::ostream* out) {
    static const char* const names[] = {"None",        "NotRiffWave", "NoFormatChunk",
                                        "NoDataChunk", "NoChannels",  "RateOutOfRange",
                                        "TooLong",     "TooLarge"};
    *out << names[static_cast<int>(fault)];
}

namespace {

// The clip with a little-endian field of the canonical 44-byte header changed.
QByteArray With(QByteArray wave, int offset, int width, std::uint32_t value) {
    for (int i = 0; i < width; ++i)
        wave[offset + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
    return wave;
}

constexpr int Channels = 22, Rate = 24, Bits = 34, DataSize = 40, FormatTag = 20;

// 8-bit mono at `rate` with `bytes` bytes of samples.
QByteArray Silence(int rate, std::size_t bytes) {
    return MonoWave8(std::vector<std::uint8_t>(bytes, 128), rate);
}

TEST(WaveCheckTest, RefusesWhatTheMixerMustNotSeeAndPassesTheRest) {
    const QByteArray clip = ToneWave(11025, 100);
    const QByteArray head = clip.left(36);
    const QByteArray data = clip.mid(36);
    const struct {
        const char* name;
        QByteArray wave;
        WaveFault expected;
    } cases[] = {
        {"a clip as the game writes it", clip, WaveFault::None},
        {"empty", QByteArray(), WaveFault::NotRiffWave},
        {"RIFF and WAVE tags only", clip.left(12), WaveFault::NoFormatChunk},
        {"cut inside the tags", clip.left(11), WaveFault::NotRiffWave},
        {"big-endian RIFX", QByteArray(clip).replace(0, 4, "RIFX"), WaveFault::NotRiffWave},
        {"another format with a RIFF tag", QByteArray(clip).replace(8, 4, "AVI "),
         WaveFault::NotRiffWave},
        {"an Ogg stream named .wav", QByteArray("OggS\0\x02", 6) + clip, WaveFault::NotRiffWave},
        {"cut inside the fmt chunk", clip.left(30), WaveFault::NoFormatChunk},
        {"fmt chunk of 15 bytes", With(clip, 16, 4, 15), WaveFault::NoFormatChunk},
        {"fmt chunk longer than the file", With(clip, 16, 4, 0xFFFFFFFF), WaveFault::NoFormatChunk},
        {"cut before the data chunk", head, WaveFault::NoDataChunk},
        {"data chunk only before the fmt chunk", clip.left(12) + data + clip.mid(12, 24),
         WaveFault::NoDataChunk},
        {"odd-sized chunk, padded, before the data",
         head + QByteArray("LIST\x03\0\0\0abc\0", 12) + data, WaveFault::None},
        {"data size beyond the file: the bytes present count", With(clip, DataSize, 4, 0xFFFFFFFF),
         WaveFault::None},
        {"zero channels", With(clip, Channels, 2, 0), WaveFault::NoChannels},
        {"zero bits per sample", With(clip, Bits, 2, 0), WaveFault::NoChannels},
        {"rate 0", With(clip, Rate, 4, 0), WaveFault::RateOutOfRange},
        {"rate 1", With(clip, Rate, 4, 1), WaveFault::RateOutOfRange},
        {"rate just below the lowest", With(clip, Rate, 4, MinWaveRate - 1),
         WaveFault::RateOutOfRange},
        {"the lowest rate", With(clip, Rate, 4, MinWaveRate), WaveFault::None},
        {"the longest clip", Silence(MinWaveRate, MaxWaveSeconds * MinWaveRate), WaveFault::None},
        {"one sample more", Silence(MinWaveRate, MaxWaveSeconds * MinWaveRate + 1),
         WaveFault::TooLong},
        // ADPCM packs a sample in 4 bits: the same bytes play twice as long.
        {"4-bit ADPCM of half the bytes, plus one",
         With(With(Silence(MinWaveRate, MaxWaveSeconds * MinWaveRate / 2 + 1), FormatTag, 2, 2),
              Bits, 2, 4),
         WaveFault::TooLong},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(CheckWave(c.wave), c.expected);
    }
}

TEST(WaveCheckTest, ADataLengthPastTheEndIsCutToTheBytesPresent) {
    const QByteArray clip = ToneWave(11025, 100); // an even number of samples: no pad byte
    const auto present = static_cast<std::uint32_t>(clip.size() - 44);
    const struct {
        const char* name;
        QByteArray wave;
        QByteArray expected;
    } cases[] = {
        {"length 2^32 - 1", With(clip, DataSize, 4, 0xFFFFFFFF), clip},
        {"one byte too many", With(clip, DataSize, 4, present + 1), clip},
        {"file cut short", clip.left(100), With(clip.left(100), DataSize, 4, 56)},
        {"length within the file", With(clip, DataSize, 4, 10), With(clip, DataSize, 4, 10)},
        {"refused by the check", With(With(clip, Rate, 4, 1), DataSize, 4, 0xFFFFFFFF),
         With(With(clip, Rate, 4, 1), DataSize, 4, 0xFFFFFFFF)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(WithDataLengthInFile(c.wave), c.expected);
    }
}

} // namespace

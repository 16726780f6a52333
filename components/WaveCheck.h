#pragma once

#include <QByteArray>
#include <cstdint>

// Why a sound file is not handed to the mixer; None when it may be.
enum class WaveFault {
    None,
    NotRiffWave,    // no "RIFF" ... "WAVE" at the start
    NoFormatChunk,  // no complete "fmt " chunk before the end of the file
    NoDataChunk,    // no "data" chunk after the fmt chunk
    NoChannels,     // zero channels or zero bits per sample
    RateOutOfRange, // fewer than MinWaveRate frames per second
    TooLong,        // the samples would play for more than MaxWaveSeconds
    TooLarge,       // the file is larger than MaxWaveFileBytes
};

// The mixer converts every clip to the device's format in one piece of
// memory, so a header that claims a tiny sample rate turns a small file into
// a huge clip (a 1 KB file at 1 Hz becomes 194 MB and 18 minutes of sound);
// the limits below keep what a game sound can be.
constexpr std::uint32_t MinWaveRate = 1000;
constexpr std::int64_t MaxWaveSeconds = 600;
constexpr std::int64_t MaxWaveFileBytes = std::int64_t{128} << 20;

// Checks a RIFF WAVE image before it is decoded: its tags, a fmt chunk that
// is present and sane, a data chunk after it, and a playing time within the
// limits above. A data chunk that claims more bytes than the file holds counts
// with the bytes present (recorders that were cut off leave such files, and
// the mixer plays what is there). Anything that is not RIFF WAVE is refused,
// so that other decoders never see a file named as a WAVE sound. The format
// code and sample width are left to the decoder, which refuses those it does
// not know.
WaveFault CheckWave(const QByteArray& wave);

// The image with its data chunk's length cut down to the bytes the file
// holds, where the header claims more: the decoder allocates the claimed
// length before it reads what is there (4 GiB for a 1 KB file whose length
// field reads 2^32 - 1). Any other image comes back as it was.
QByteArray WithDataLengthInFile(const QByteArray& wave);

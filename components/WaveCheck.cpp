#include "components/WaveCheck.h"

#include <algorithm>
#include <cstring>

namespace {

std::uint32_t Read32(const QByteArray& bytes, std::int64_t offset) {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.constData()) + offset;
    return p[0] | p[1] << 8 | p[2] << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

std::uint16_t Read16(const QByteArray& bytes, std::int64_t offset) {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.constData()) + offset;
    return static_cast<std::uint16_t>(p[0] | p[1] << 8);
}

bool TagAt(const QByteArray& bytes, std::int64_t offset, const char* tag) {
    return std::memcmp(bytes.constData() + offset, tag, 4) == 0;
}

// Where the chunks that matter lie, as far as they could be found.
struct Layout {
    WaveFault fault = WaveFault::None;
    std::uint16_t channels = 0;
    std::uint32_t rate = 0;
    std::uint16_t bitsPerSample = 0;
    std::int64_t dataLengthAt = -1; // offset of the data chunk's length field
    std::int64_t dataLength = 0;    // as the header claims it
    std::int64_t dataBytes = 0;     // as the file holds them
};

Layout Examine(const QByteArray& wave) {
    Layout layout;
    const std::int64_t size = wave.size();
    if (size > MaxWaveFileBytes) return {WaveFault::TooLarge};
    if (size < 12 || !TagAt(wave, 0, "RIFF") || !TagAt(wave, 8, "WAVE"))
        return {WaveFault::NotRiffWave};

    // The chunks follow one another, each padded to an even length; the
    // first fmt chunk counts, and the first data chunk after it. The RIFF size
    // is not trusted: many writers get it wrong.
    bool haveFormat = false;
    for (std::int64_t at = 12; at + 8 <= size;) {
        const std::int64_t length = Read32(wave, at + 4);
        const std::int64_t body = at + 8;
        if (!haveFormat && TagAt(wave, at, "fmt ")) {
            if (length < 16 || body + length > size) return {WaveFault::NoFormatChunk};
            layout.channels = Read16(wave, body + 2);
            layout.rate = Read32(wave, body + 4);
            layout.bitsPerSample = Read16(wave, body + 14);
            haveFormat = true;
        } else if (haveFormat && TagAt(wave, at, "data")) {
            layout.dataLengthAt = at + 4;
            layout.dataLength = length;
            layout.dataBytes = std::min(length, size - body);
            break;
        }
        at = body + length + (length & 1);
    }
    if (!haveFormat) return {WaveFault::NoFormatChunk};
    if (layout.dataLengthAt < 0) return {WaveFault::NoDataChunk};
    if (layout.channels == 0 || layout.bitsPerSample == 0) return {WaveFault::NoChannels};
    if (layout.rate < MinWaveRate) return {WaveFault::RateOutOfRange};

    // Compressed formats give their bits per decoded sample here (4 for
    // ADPCM), so this bounds their playing time too.
    const std::int64_t frames =
        layout.dataBytes * 8 / (std::int64_t{layout.channels} * layout.bitsPerSample);
    if (frames > MaxWaveSeconds * layout.rate) return {WaveFault::TooLong};
    return layout;
}

} // namespace

WaveFault CheckWave(const QByteArray& wave) {
    return Examine(wave).fault;
}

QByteArray WithDataLengthInFile(const QByteArray& wave) {
    const Layout layout = Examine(wave);
    if (layout.fault != WaveFault::None || layout.dataLength <= layout.dataBytes) return wave;
    QByteArray trimmed = wave;
    const auto bytes = static_cast<std::uint32_t>(layout.dataBytes);
    for (int i = 0; i < 4; ++i)
        trimmed[static_cast<qsizetype>(layout.dataLengthAt + i)] =
            static_cast<char>((bytes >> (8 * i)) & 0xFF);
    return trimmed;
}

#include "audio/WaveMutations.h"

#include <random>

namespace {

// Offsets in the canonical header: RIFF chunk, fmt chunk, data chunk.
struct Field {
    const char* name;
    int offset;
    int width; // bytes, little-endian
};

constexpr Field RiffSize{"RIFF size", 4, 4};
constexpr Field FmtSize{"fmt size", 16, 4};
constexpr Field FormatTag{"format tag", 20, 2};
constexpr Field Channels{"channels", 22, 2};
constexpr Field SampleRate{"sample rate", 24, 4};
constexpr Field ByteRate{"byte rate", 28, 4};
constexpr Field BlockAlign{"block align", 32, 2};
constexpr Field BitsPerSample{"bits per sample", 34, 2};
constexpr Field DataSize{"data size", 40, 4};
constexpr int HeaderSize = 44;

void Put(QByteArray& bytes, int offset, int width, std::uint64_t value) {
    for (int i = 0; i < width && offset + i < bytes.size(); ++i)
        bytes[offset + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

class Collector {
public:
    Collector(const QByteArray& clip, int count) : clip_(clip), count_(count) {}

    bool Full() const { return static_cast<int>(out_.size()) >= count_; }
    void Add(std::string name, QByteArray bytes) {
        if (!Full()) out_.push_back({std::move(name), std::move(bytes)});
    }
    void Set(const Field& field, std::uint64_t value) { SetAll({{field, value}}); }
    void SetAll(std::initializer_list<std::pair<Field, std::uint64_t>> changes) {
        QByteArray bytes = clip_;
        std::string name;
        for (const auto& [field, value] : changes) {
            Put(bytes, field.offset, field.width, value);
            name +=
                (name.empty() ? "" : ", ") + std::string(field.name) + " " + std::to_string(value);
        }
        Add(name, bytes);
    }
    std::vector<WaveMutation> Take() { return std::move(out_); }

private:
    const QByteArray& clip_;
    int count_;
    std::vector<WaveMutation> out_;
};

} // namespace

std::vector<WaveMutation> MutateWave(const QByteArray& clip, int count, std::uint32_t seed) {
    Collector c(clip, count);
    const auto dataSize = static_cast<std::uint64_t>(clip.size() - HeaderSize);

    for (int length = 0; length <= HeaderSize; ++length)
        c.Add("cut to " + std::to_string(length) + " bytes", clip.left(length));
    for (qsizetype length : {qsizetype{HeaderSize + 1}, qsizetype{HeaderSize + 3},
                             (clip.size() + HeaderSize) / 2, clip.size() - 1})
        c.Add("cut to " + std::to_string(length) + " bytes", clip.left(length));

    for (const Field& size : {RiffSize, FmtSize, DataSize}) {
        const std::uint64_t actual = size.offset == RiffSize.offset  ? clip.size() - 8
                                     : size.offset == FmtSize.offset ? 16
                                                                     : dataSize;
        for (std::uint64_t value :
             {std::uint64_t{0}, std::uint64_t{1}, std::uint64_t{2}, std::uint64_t{0x7FFFFFFF},
              std::uint64_t{0x80000000}, std::uint64_t{0xFFFFFFFF}, std::uint64_t{0xFFFFFFFE},
              actual - 1, actual + 1, actual + 2, actual * 2, actual / 2})
            c.Set(size, value);
    }
    for (std::uint64_t value : {0, 2, 3, 4, 8, 9, 16, 255, 256, 32767, 65535})
        c.Set(Channels, value);
    for (std::uint64_t value :
         {std::uint64_t{0}, std::uint64_t{1}, std::uint64_t{2}, std::uint64_t{100},
          std::uint64_t{999}, std::uint64_t{1000}, std::uint64_t{4000}, std::uint64_t{44100},
          std::uint64_t{96000}, std::uint64_t{384000}, std::uint64_t{384001},
          std::uint64_t{1000000}, std::uint64_t{0x7FFFFFFF}, std::uint64_t{0x80000000},
          std::uint64_t{0xFFFFFFFF}})
        c.Set(SampleRate, value);
    for (std::uint64_t value : {std::uint64_t{0}, std::uint64_t{1}, std::uint64_t{0xFFFFFFFF}})
        c.Set(ByteRate, value);
    for (std::uint64_t value : {0, 2, 3, 4, 255, 65535})
        c.Set(BlockAlign, value);
    for (std::uint64_t value : {0, 1, 4, 7, 9, 12, 16, 20, 24, 32, 33, 64, 255, 65535})
        c.Set(BitsPerSample, value);
    // 2, 0x11: ADPCM; 3: float; 6, 7: A-law, mu-law; 0x55: MPEG layer 3;
    // 0xFFFE: extensible, whose extra fields this fmt chunk does not have.
    for (std::uint64_t value : {0, 2, 3, 6, 7, 0x11, 0x55, 0xFFFE, 0xFFFF})
        c.Set(FormatTag, value);
    // Fields that agree with each other but describe other sample layouts, so
    // that the clip's bytes are read as something else.
    c.SetAll({{Channels, 2}, {BlockAlign, 2}, {ByteRate, 22050}});
    c.SetAll({{BitsPerSample, 16}, {BlockAlign, 2}, {ByteRate, 22050}});
    c.SetAll({{Channels, 2}, {BitsPerSample, 16}, {BlockAlign, 4}, {ByteRate, 44100}});
    c.SetAll({{BitsPerSample, 32}, {BlockAlign, 4}, {ByteRate, 44100}});
    c.SetAll({{BitsPerSample, 32}, {BlockAlign, 4}, {FormatTag, 3}});
    c.SetAll({{Channels, 255}, {BlockAlign, 255}, {ByteRate, 255 * 11025}});
    c.SetAll({{Channels, 65535}, {BlockAlign, 65535}});
    c.SetAll({{SampleRate, 1}, {ByteRate, 1}});
    c.SetAll({{SampleRate, 2}, {ByteRate, 2}});
    c.SetAll({{SampleRate, 0xFFFFFFFF}, {ByteRate, 0xFFFFFFFF}});
    c.SetAll({{DataSize, 0}, {RiffSize, 36}});
    c.SetAll({{FmtSize, 18}, {RiffSize, 0xFFFFFFFF}});

    for (const auto& [offset, tag] :
         std::initializer_list<std::pair<int, const char*>>{{0, "RIFX"},
                                                            {0, "riff"},
                                                            {0, "RF64"},
                                                            {8, "WAVF"},
                                                            {8, "AVI "},
                                                            {12, "fmt\0"},
                                                            {12, "FMT "},
                                                            {12, "data"},
                                                            {36, "dat "},
                                                            {36, "fmt "},
                                                            {36, "LIST"}}) {
        QByteArray bytes = clip;
        bytes.replace(offset, 4, QByteArray(tag, 4));
        c.Add(std::string("tag at ") + std::to_string(offset) + " replaced", bytes);
    }
    {
        // A chunk of odd size before the data chunk, with and without the pad
        // byte that RIFF requires after it; and one that claims to run past
        // the end of the file.
        const QByteArray head = clip.left(36);
        const QByteArray tail = clip.mid(36);
        c.Add("odd-sized LIST chunk, padded", head + QByteArray("LIST\x03\0\0\0abc\0", 12) + tail);
        c.Add("odd-sized LIST chunk, unpadded", head + QByteArray("LIST\x03\0\0\0abc", 11) + tail);
        c.Add("LIST chunk past the end", head + QByteArray("LIST\xF0\xFF\xFF\x7F", 8) + tail);
        c.Add("fmt chunk twice", head + clip.mid(12, 24) + tail);
        c.Add("no data chunk", head);
        c.Add("data chunk twice", clip + clip.mid(36));
    }

    std::mt19937 random(seed);
    auto below = [&](std::uint32_t n) { return static_cast<int>(random() % n); };
    while (!c.Full()) {
        QByteArray bytes = clip;
        std::string name;
        switch (below(8)) {
        case 0: { // an entirely random file, sometimes with the right first tags
            bytes = QByteArray(below(200), '\0');
            for (char& b : bytes)
                b = static_cast<char>(random());
            if (bytes.size() >= 12 && below(2)) {
                bytes.replace(0, 4, "RIFF");
                bytes.replace(8, 4, "WAVE");
            }
            name = "random file of " + std::to_string(bytes.size()) + " bytes";
            break;
        }
        case 1: { // a random 32-bit value over a random aligned header field
            const int offset = 2 * below(HeaderSize / 2 - 1);
            const std::uint32_t value = random();
            Put(bytes, offset, 4, value);
            name = "value " + std::to_string(value) + " at " + std::to_string(offset);
            break;
        }
        default: { // a few random bytes, most of them in the header
            const int changes = 1 + below(8);
            name = "random bytes at";
            for (int i = 0; i < changes; ++i) {
                const int offset = below(4) ? below(HeaderSize) : below(bytes.size());
                bytes[offset] = static_cast<char>(random());
                name += " " + std::to_string(offset);
            }
            if (below(4) == 0) {
                bytes.truncate(below(bytes.size()));
                name += ", cut to " + std::to_string(bytes.size());
            }
        }
        }
        c.Add(name, bytes);
    }
    return c.Take();
}

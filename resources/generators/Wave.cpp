#include "resources/generators/Wave.h"

#include "resources/generators/Bytes.h"

namespace ResGen {

std::vector<uint8_t> EncodeWaveFile(int sampleRate, const std::vector<uint8_t>& samples) {
    constexpr uint32_t PcmFormat = 1;
    constexpr uint32_t FormatChunkSize = 16;
    const auto dataSize = static_cast<uint32_t>(samples.size());
    // A RIFF chunk of odd length is followed by a pad byte that its size
    // leaves out but the enclosing RIFF size counts.
    const uint32_t pad = dataSize % 2;

    Bytes out;
    out.Chars("RIFF");
    out.U32(4 + (8 + FormatChunkSize) + (8 + dataSize + pad));
    out.Chars("WAVE");
    out.Chars("fmt ");
    out.U32(FormatChunkSize);
    out.U16(PcmFormat);
    out.U16(1);                                 // channels
    out.U32(static_cast<uint32_t>(sampleRate)); // samples per second
    out.U32(static_cast<uint32_t>(sampleRate)); // bytes per second
    out.U16(1);                                 // bytes per sample frame
    out.U16(8);                                 // bits per sample
    out.Chars("data");
    out.U32(dataSize);
    out.Append(samples);
    if (pad) out.U8(0);
    return out.Data();
}

} // namespace ResGen

#pragma once

#include <cstdint>
#include <vector>

namespace ResGen {

// A RIFF WAVE file of uncompressed PCM, one channel, 8 bits per sample
// unsigned (128 is silence).
std::vector<uint8_t> EncodeWaveFile(int sampleRate, const std::vector<uint8_t>& samples);

} // namespace ResGen

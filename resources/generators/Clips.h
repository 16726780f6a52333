#pragma once

#include <cstdint>
#include <vector>

namespace ResGen {

// A mono clip of 8-bit unsigned samples.
struct Clip {
    int sampleRate;
    std::vector<uint8_t> samples;
};

// Slot 1, one to three rows completed: a short high blip near 2.5 kHz that
// fades out; 11025 Hz, 1175 samples.
Clip BlipClip();

// Slot 2, four rows at once: a loud low rumble between about 100 and 350 Hz,
// at full scale for its first fifth of a second and fading over the rest;
// 22050 Hz, 27537 samples.
Clip RumbleClip();

// Slot 3, a piece has landed: a quiet click; 22050 Hz, 725 samples.
Clip ClickClip();

} // namespace ResGen

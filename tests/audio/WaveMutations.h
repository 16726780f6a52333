#pragma once

#include <QByteArray>
#include <cstdint>
#include <string>
#include <vector>

// One damaged copy of a sound file, named after what was done to it.
struct WaveMutation {
    std::string name;
    QByteArray bytes;
};

// Exactly `count` damaged copies of `clip`, the same on every run for the same
// seed. `clip` must be a canonical 44-byte-header PCM WAVE image (as MonoWave8
// writes). First come the structured damages: the file cut short at every byte
// of the header and at points in the samples; the RIFF, fmt and data chunk
// sizes set to 0, 2^31 - 1, 2^32 - 1 and their neighbours; channel counts,
// rates, byte rates, block alignments, sample widths and format codes that no
// sane file has; broken tags and extra chunks. The rest are random bytes
// written over the file (mostly the header) from a generator seeded with
// `seed`, and entirely random files.
std::vector<WaveMutation> MutateWave(const QByteArray& clip, int count, std::uint32_t seed);

#pragma once

#include <cstdint>

namespace ResGen {

// White noise from a 32-bit xorshift generator with a fixed seed, so that the
// clips come out byte for byte the same on every build.
class Noise {
public:
    explicit Noise(uint32_t seed) : state_(seed != 0 ? seed : 1) {}

    // The next value, evenly spread over [-1, 1).
    double Next() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return static_cast<double>(state_) / 2147483648.0 - 1.0;
    }

private:
    uint32_t state_;
};

} // namespace ResGen

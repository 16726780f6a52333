#pragma once

#include "resources/generators/Picture.h"

#include <vector>

namespace ResGen {

// The standard 16-colour palette, in its usual order: the enumerators are the
// palette indices that the 4-bit pictures store.
enum Colour : uint8_t {
    Black,
    Maroon,
    Green,
    Olive,
    Navy,
    Purple,
    Teal,
    Silver,
    Grey,
    Red,
    Lime,
    Yellow,
    Blue,
    Fuchsia,
    Aqua,
    White,
};

inline const std::vector<Rgb>& StandardPalette() {
    static const std::vector<Rgb> palette = {
        {0x00, 0x00, 0x00}, {0x80, 0x00, 0x00}, {0x00, 0x80, 0x00}, {0x80, 0x80, 0x00},
        {0x00, 0x00, 0x80}, {0x80, 0x00, 0x80}, {0x00, 0x80, 0x80}, {0xC0, 0xC0, 0xC0},
        {0x80, 0x80, 0x80}, {0xFF, 0x00, 0x00}, {0x00, 0xFF, 0x00}, {0xFF, 0xFF, 0x00},
        {0x00, 0x00, 0xFF}, {0xFF, 0x00, 0xFF}, {0x00, 0xFF, 0xFF}, {0xFF, 0xFF, 0xFF},
    };
    return palette;
}

// The two-entry palette of 1-bit pictures: index 0 black, index 1 white.
inline const std::vector<Rgb>& MonoPalette() {
    static const std::vector<Rgb> palette = {{0x00, 0x00, 0x00}, {0xFF, 0xFF, 0xFF}};
    return palette;
}

} // namespace ResGen

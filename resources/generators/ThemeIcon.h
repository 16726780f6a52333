#pragma once

#include "resources/generators/Picture.h"

#include <vector>

namespace ResGen {

// The sizes at which the desktop's icon theme gets the application icon.
inline constexpr int ThemeIconSizes[] = {16, 24, 32, 48, 64, 128, 256};

// A square picture of RGB pixels, row 0 at the top.
struct RgbPicture {
    int size = 0;
    std::vector<Rgb> pixels;

    const Rgb& At(int x, int y) const { return pixels[static_cast<std::size_t>(y * size + x)]; }
};

// The square picture redrawn at size x size pixels for the icon theme. Enlarged,
// each pixel takes the colour of the source pixel under its centre, so that at a
// whole multiple every source pixel becomes a square block of one colour and the
// edges stay as sharp as in the original. Reduced, each pixel is the average of
// the source area that it covers.
RgbPicture ThemeIcon(const IndexedPicture& picture, const std::vector<Rgb>& palette, int size);

} // namespace ResGen

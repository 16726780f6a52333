#include "resources/generators/ThemeIcon.h"

#include <algorithm>
#include <cassert>

namespace ResGen {

namespace {

// How much of source pixel `source` lies under target pixel `target`, in a
// scale where a source pixel is `targetSize` long and a target pixel
// `sourceSize` long, so that every length is a whole number.
int Overlap(int target, int source, int sourceSize, int targetSize) {
    const int start = std::max(target * sourceSize, source * targetSize);
    const int end = std::min((target + 1) * sourceSize, (source + 1) * targetSize);
    return std::max(0, end - start);
}

Rgb Averaged(const IndexedPicture& picture, const std::vector<Rgb>& palette, int x, int y,
             int size) {
    const int sourceSize = picture.Width();
    // A target pixel spans at most this many source pixels each way.
    const int span = sourceSize / size + 2;
    long r = 0, g = 0, b = 0;
    const int firstX = x * sourceSize / size;
    const int firstY = y * sourceSize / size;
    for (int sy = firstY; sy < std::min(sourceSize, firstY + span); ++sy) {
        const int wy = Overlap(y, sy, sourceSize, size);
        for (int sx = firstX; sx < std::min(sourceSize, firstX + span); ++sx) {
            const long weight = long(wy) * Overlap(x, sx, sourceSize, size);
            const Rgb& colour = palette[picture.At(sx, sy)];
            r += weight * colour.r;
            g += weight * colour.g;
            b += weight * colour.b;
        }
    }
    const long total = long(sourceSize) * sourceSize;
    auto rounded = [total](long sum) { return static_cast<uint8_t>((sum + total / 2) / total); };
    return {rounded(r), rounded(g), rounded(b)};
}

} // namespace

RgbPicture ThemeIcon(const IndexedPicture& picture, const std::vector<Rgb>& palette, int size) {
    assert(picture.Width() == picture.Height() && size > 0);
    const int sourceSize = picture.Width();
    RgbPicture icon{size, std::vector<Rgb>(static_cast<std::size_t>(size * size))};
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            Rgb& pixel = icon.pixels[static_cast<std::size_t>(y * size + x)];
            if (size >= sourceSize) {
                // The source pixel under the centre (x + 1/2, y + 1/2).
                const int sx = (2 * x + 1) * sourceSize / (2 * size);
                const int sy = (2 * y + 1) * sourceSize / (2 * size);
                pixel = palette[picture.At(sx, sy)];
            } else {
                pixel = Averaged(picture, palette, x, y, size);
            }
        }
    }
    return icon;
}

} // namespace ResGen

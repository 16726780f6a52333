#pragma once

#include "resources/generators/Picture.h"

#include <cstdint>
#include <vector>

namespace ResGen {

enum class DibUse { BitmapFile, IconImage };

// A device-independent bitmap as Windows stores it: the 40-byte info header,
// the palette, then the pixel rows bottom row first, each padded to four
// bytes, uncompressed. An icon image doubles the height in its header and
// follows the rows with a 1-bit AND mask, here all zero: every pixel opaque.
std::vector<uint8_t> EncodeDib(const IndexedPicture& picture, int bitsPerPixel,
                               const std::vector<Rgb>& palette, DibUse use);

// A .bmp file: the 14-byte file header followed by the bitmap.
std::vector<uint8_t> EncodeBmpFile(const IndexedPicture& picture, int bitsPerPixel,
                                   const std::vector<Rgb>& palette);

} // namespace ResGen

#pragma once

#include "resources/generators/Picture.h"

#include <cstdint>
#include <vector>

namespace ResGen {

// An .ico file holding one 4-bit image of the picture with the given
// 16-entry palette, fully opaque.
std::vector<uint8_t> EncodeIcoFile(const IndexedPicture& picture, const std::vector<Rgb>& palette);

} // namespace ResGen

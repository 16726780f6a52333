#pragma once

#include "resources/generators/Picture.h"

namespace ResGen {

// The resource name of each block code's patterned cell, 1 to 7; entry 0 is
// unused, as the empty cell has no patterned form.
inline constexpr const char* PatternedCellNames[8] = {nullptr,  "REDPT",  "BLUEPT", "RBLUEPT",
                                                      "PINKPT", "GREEPT", "YELPT",  "GRAYPT"};

// The cell picture of block code 1 to 7 with a mark cut into its face, a
// different shape for each code, so that the blocks can be told apart by
// shape where their colours cannot be. The mark is a groove in the block's
// own light: dark along its top and left, white along its bottom and right.
// That keeps it visible on every face, light or dark, also in greys alone.
IndexedPicture PatternedCellPicture(int code);

} // namespace ResGen

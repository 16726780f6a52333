#pragma once

#include "resources/generators/Palette.h"
#include "resources/generators/Picture.h"

namespace ResGen {

inline constexpr int CellCount = 8;
inline constexpr int CellSize = 16;

// The resource name of each cell code: 0 the empty cell, 1 to 7 the blocks.
inline constexpr const char* CellNames[CellCount] = {"BLABL",  "REDBL",  "BLUEBL", "RBLUEBL",
                                                     "PINKBL", "GREEBL", "YELBL",  "GRAYBL"};

struct BlockColours {
    Colour face;
    Colour shadow;
};

// The face and shadow colours of block codes 1 to 7.
BlockColours ColoursOfBlock(int code);

// The 16 x 16 picture of a cell code. Code 0 is all black and meant for a
// 1-bit file; the blocks use the standard 16-colour palette.
IndexedPicture CellPicture(int code);

} // namespace ResGen

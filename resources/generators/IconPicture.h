#pragma once

#include "resources/generators/Picture.h"

namespace ResGen {

inline constexpr int IconSize = 32;

// The 32 x 32 application icon in the standard 16-colour palette: a black
// well in a raised frame, a T piece falling in the upper middle and an uneven
// stack of small cells in the bottom five rows.
IndexedPicture IconPicture();

} // namespace ResGen

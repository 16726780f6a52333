#include "resources/generators/CellPattern.h"

#include "resources/generators/CellPicture.h"

#include <stdexcept>
#include <string_view>

namespace ResGen {

namespace {

// The dark side of each code's groove over the 10 x 10 face, one character per
// pixel, '#' where the groove runs. The lit side follows one pixel to the
// right and below, so the last row and column stay free for it; a line falling
// to the right would hide its own lit side, so there is none. Red and green,
// and blue and magenta, the pairs a colour-blind player confuses, get shapes
// that share no stroke.
constexpr std::string_view Marks[8] = {
    "",
    // 1 red: a rising diagonal
    ".........."
    ".......#.."
    "......#..."
    ".....#...."
    "....#....."
    "...#......"
    "..#......."
    ".#........"
    ".........."
    "..........",
    // 2 blue: a plus
    ".........."
    "....#....."
    "....#....."
    "....#....."
    ".#######.."
    "....#....."
    "....#....."
    "....#....."
    ".........."
    "..........",
    // 3 aqua: a ring
    ".........."
    ".#######.."
    ".#.....#.."
    ".#.....#.."
    ".#.....#.."
    ".#.....#.."
    ".#.....#.."
    ".#######.."
    ".........."
    "..........",
    // 4 magenta: four dots
    ".........."
    ".##...##.."
    ".##...##.."
    ".........."
    ".........."
    ".........."
    ".##...##.."
    ".##...##.."
    ".........."
    "..........",
    // 5 green: two bars across
    ".........."
    ".........."
    ".#######.."
    ".........."
    ".........."
    ".........."
    ".#######.."
    ".........."
    ".........."
    "..........",
    // 6 yellow: a dot
    ".........."
    ".........."
    ".........."
    "...###...."
    "...###...."
    "...###...."
    ".........."
    ".........."
    ".........."
    "..........",
    // 7 grey: two bars upright
    ".........."
    ".#....#..."
    ".#....#..."
    ".#....#..."
    ".#....#..."
    ".#....#..."
    ".#....#..."
    ".#....#..."
    ".........."
    "..........",
};

constexpr int FaceOrigin = 3;
constexpr int FaceSize = 10;

static_assert([] {
    for (int code = 1; code < CellCount; ++code)
        if (Marks[code].size() != FaceSize * FaceSize) return false;
    return true;
}());

bool Marked(int code, int x, int y) {
    if (x < 0 || y < 0 || x >= FaceSize || y >= FaceSize) return false;
    return Marks[code][static_cast<std::size_t>(y * FaceSize + x)] == '#';
}

} // namespace

IndexedPicture PatternedCellPicture(int code) {
    if (code < 1 || code >= CellCount) throw std::out_of_range("block codes run from 1 to 7");
    IndexedPicture picture = CellPicture(code);
    const Colour dark = ColoursOfBlock(code).shadow;
    for (int y = 0; y < FaceSize; ++y) {
        for (int x = 0; x < FaceSize; ++x) {
            if (Marked(code, x, y))
                picture.Set(FaceOrigin + x, FaceOrigin + y, dark);
            else if (Marked(code, x - 1, y - 1))
                picture.Set(FaceOrigin + x, FaceOrigin + y, White);
        }
    }
    return picture;
}

} // namespace ResGen

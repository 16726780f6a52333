#include "resources/generators/CellPicture.h"

#include <stdexcept>

namespace ResGen {

BlockColours ColoursOfBlock(int code) {
    static constexpr BlockColours colours[CellCount] = {
        {Black, Black},    {Red, Maroon}, {Blue, Navy},    {Aqua, Teal},
        {Fuchsia, Purple}, {Lime, Green}, {Yellow, Olive}, {Silver, Grey},
    };
    if (code < 1 || code >= CellCount) throw std::out_of_range("block codes run from 1 to 7");
    return colours[code];
}

IndexedPicture CellPicture(int code) {
    IndexedPicture picture(CellSize, CellSize, Black);
    if (code == 0) return picture;
    const BlockColours colours = ColoursOfBlock(code);
    constexpr int Last = CellSize - 1;
    // A raised block: black outline, a 10 x 10 face, and a two-pixel bevel
    // between them, lit from the top left and mitred along the diagonal
    // x + y = 15.
    for (int y = 1; y < Last; ++y) {
        for (int x = 1; x < Last; ++x) {
            const bool face = x >= 3 && x <= 12 && y >= 3 && y <= 12;
            Colour colour = colours.face;
            if (!face && x + y < Last)
                colour = White;
            else if (!face && x + y > Last)
                colour = colours.shadow;
            picture.Set(x, y, colour);
        }
    }
    return picture;
}

} // namespace ResGen

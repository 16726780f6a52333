#include "resources/generators/IconPicture.h"

#include "resources/generators/CellPicture.h"
#include "resources/generators/Palette.h"

namespace ResGen {

namespace {

constexpr int FrameWidth = 2;
constexpr int SmallCell = 3;
constexpr int GridSize = 9;
// The 9 x 9 cells fill 27 of the well's 28 pixels each way: the spare
// column is on the right and the spare row at the top, so the stack sits
// on the floor.
constexpr int GridLeft = FrameWidth;
constexpr int GridTop = FrameWidth + 1;

// One letter per small cell: A aqua, B blue, G green, R red, Y yellow. Every
// stack row has a gap, as no completed row stays in a well.
// clang-format off
constexpr const char* Cells[GridSize] = {
    ".........",
    "....A....",
    "...AAA...",
    ".........",
    ".Y.......",
    ".YY....AB",
    "RRY...AAB",
    "GRR.BBAGB",
    "GG.BBYYGG",
};
// clang-format on

int BlockOfLetter(char letter) {
    switch (letter) {
    case 'R':
        return 1;
    case 'B':
        return 2;
    case 'A':
        return 3;
    case 'G':
        return 5;
    case 'Y':
        return 6;
    default:
        return 0;
    }
}

// A miniature of the cell images: a white top-left corner pixel, the face
// across the middle and the shadow along the bottom-right edge, mitred along
// the diagonal so that the face shows at the other two corners.
void DrawSmallCell(IndexedPicture& picture, int left, int top, BlockColours colours) {
    for (int dy = 0; dy < SmallCell; ++dy) {
        for (int dx = 0; dx < SmallCell; ++dx) {
            const int diagonal = dx + dy;
            const Colour colour = diagonal == 0          ? White
                                  : diagonal < SmallCell ? colours.face
                                                         : colours.shadow;
            picture.Set(left + dx, top + dy, colour);
        }
    }
}

} // namespace

IndexedPicture IconPicture() {
    IndexedPicture picture(IconSize, IconSize, Black);
    constexpr int Last = IconSize - 1;
    for (int y = 0; y < IconSize; ++y) {
        for (int x = 0; x < IconSize; ++x) {
            const bool frame =
                x < FrameWidth || y < FrameWidth || x > Last - FrameWidth || y > Last - FrameWidth;
            if (frame) picture.Set(x, y, x + y < Last ? White : Silver);
        }
    }
    for (int row = 0; row < GridSize; ++row) {
        for (int column = 0; column < GridSize; ++column) {
            const int block = BlockOfLetter(Cells[row][column]);
            if (block != 0)
                DrawSmallCell(picture, GridLeft + column * SmallCell, GridTop + row * SmallCell,
                              ColoursOfBlock(block));
        }
    }
    return picture;
}

} // namespace ResGen

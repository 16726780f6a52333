#include "engine/Catalogue.h"

#include "engine/Assert.h"

const std::array<std::array<CellOffset, 4>, ShapeCount + 1> ShapeTable{{
    {},
    {{{0, 0}, {0, -1}, {1, -1}, {1, 0}}},    // 1  XX / AX
    {{{0, 0}, {0, -1}, {0, -2}, {0, -3}}},   // 2  X / X / X / A
    {{{0, 0}, {1, 0}, {2, 0}, {3, 0}}},      // 3  AXXX
    {{{0, 0}, {0, -1}, {-1, -1}, {-1, -2}}}, // 4  X. / XX / .A
    {{{0, 0}, {1, 0}, {1, -1}, {2, -1}}},    // 5  .XX / AX.
    {{{0, 0}, {0, -1}, {1, -1}, {1, -2}}},   // 6  .X / XX / A.
    {{{0, 0}, {0, -1}, {1, 0}, {-1, -1}}},   // 7  XX. / .AX
    {{{0, 0}, {0, -1}, {0, -2}, {1, -2}}},   // 8  XX / X. / A.
    {{{0, 0}, {0, -1}, {1, 0}, {2, 0}}},     // 9  X.. / AXX
    {{{0, 0}, {1, 0}, {1, -1}, {1, -2}}},    // 10 .X / .X / AX
    {{{0, 0}, {0, -1}, {-1, -1}, {-2, -1}}}, // 11 XXX / ..A
    {{{0, 0}, {0, -1}, {0, -2}, {-1, -2}}},  // 12 XX / .X / .A
    {{{0, 0}, {0, -1}, {1, -1}, {2, -1}}},   // 13 XXX / A..
    {{{0, 0}, {0, -1}, {0, -2}, {1, 0}}},    // 14 X. / X. / AX
    {{{0, 0}, {1, 0}, {2, 0}, {2, -1}}},     // 15 ..X / AXX
    {{{0, 0}, {0, -1}, {0, -2}, {1, -1}}},   // 16 X. / XX / A.
    {{{0, 0}, {1, 0}, {2, 0}, {1, -1}}},     // 17 .X. / AXX
    {{{0, 0}, {0, -1}, {0, -2}, {-1, -1}}},  // 18 .X / XX / .A
    {{{0, 0}, {0, -1}, {-1, -1}, {1, -1}}},  // 19 XXX / .A.
}};

const std::array<PreviewPicture, ShapeCount + 1> PreviewPatterns{{
    {},
    {{{0, 0, 0, 0}, {0, 3, 3, 0}, {0, 3, 3, 0}, {0, 0, 0, 0}}},
    {{{0, 0, 1, 0}, {0, 0, 1, 0}, {0, 0, 1, 0}, {0, 0, 1, 0}}},
    {{{0, 0, 0, 0}, {0, 0, 0, 0}, {1, 1, 1, 1}, {0, 0, 0, 0}}},
    {{{0, 0, 0, 0}, {0, 4, 0, 0}, {0, 4, 4, 0}, {0, 0, 4, 0}}},
    {{{0, 0, 0, 0}, {0, 0, 4, 4}, {0, 4, 4, 0}, {0, 0, 0, 0}}},
    {{{0, 0, 0, 0}, {0, 0, 2, 0}, {0, 2, 2, 0}, {0, 2, 0, 0}}},
    {{{0, 0, 0, 0}, {0, 2, 2, 0}, {0, 0, 2, 2}, {0, 0, 0, 0}}},
    {{{0, 0, 0, 0}, {0, 6, 6, 0}, {0, 6, 0, 0}, {0, 6, 0, 0}}},
    {{{0, 0, 0, 0}, {0, 6, 0, 0}, {0, 6, 6, 6}, {0, 0, 0, 0}}},
    {{{0, 0, 0, 0}, {0, 0, 6, 0}, {0, 0, 6, 0}, {0, 6, 6, 0}}},
    {{{0, 0, 0, 0}, {0, 6, 6, 6}, {0, 0, 0, 6}, {0, 0, 0, 0}}},
    {{{0, 0, 0, 0}, {0, 5, 5, 0}, {0, 0, 5, 0}, {0, 0, 5, 0}}},
    {{{0, 0, 0, 0}, {0, 5, 5, 5}, {0, 5, 0, 0}, {0, 0, 0, 0}}},
    {{{0, 0, 0, 0}, {0, 5, 0, 0}, {0, 5, 0, 0}, {0, 5, 5, 0}}},
    {{{0, 0, 0, 0}, {0, 0, 0, 5}, {0, 5, 5, 5}, {0, 0, 0, 0}}},
    {{{0, 0, 0, 0}, {0, 7, 0, 0}, {0, 7, 7, 0}, {0, 7, 0, 0}}},
    {{{0, 0, 0, 0}, {0, 0, 7, 0}, {0, 7, 7, 7}, {0, 0, 0, 0}}},
    {{{0, 0, 0, 0}, {0, 0, 7, 0}, {0, 7, 7, 0}, {0, 0, 7, 0}}},
    {{{0, 0, 0, 0}, {0, 7, 7, 7}, {0, 0, 7, 0}, {0, 0, 0, 0}}},
}};

namespace {

// The tables below are laid out by shape number, 1 to 19 after the unused 0.
// clang-format off

// Successors for a left turn; a right turn runs each cycle backwards.
constexpr std::array<int, ShapeCount + 1> LeftSuccessor{
    0, 1, 3, 2, 5, 4, 7, 6, 9, 10, 11, 8, 13, 14, 15, 12, 17, 18, 19, 16};
constexpr std::array<int, ShapeCount + 1> RightSuccessor{
    0, 1, 3, 2, 5, 4, 7, 6, 11, 8, 9, 10, 15, 12, 13, 14, 19, 16, 17, 18};

// Anchor shifts by the shape turned into. The two directions differ only for
// kinds 5, 6 and 7; each cycle's shifts add up to nothing.
constexpr std::array<CellOffset, ShapeCount + 1> LeftShift{{
    {0, 0}, {0, 0}, {2, 1}, {-2, -1}, {1, 0}, {-1, 0}, {0, 0}, {0, 0}, {-2, 1}, {0, 0}, {1, 0},
    {1, -1}, {2, 0}, {-2, -1}, {0, 1}, {0, 0}, {-1, 1}, {0, 0}, {2, 0}, {-1, -1},
}};
constexpr std::array<CellOffset, ShapeCount + 1> RightShift{{
    {0, 0}, {0, 0}, {2, 1}, {-2, -1}, {1, 0}, {-1, 0}, {0, 0}, {0, 0}, {0, 0}, {-1, 0}, {-1, 1},
    {2, -1}, {2, 1}, {0, -1}, {0, 0}, {-2, 0}, {0, 0}, {-2, 0}, {1, 1}, {1, -1},
}};

constexpr std::array<int, ShapeCount + 1> Kind{
    0, 1, 2, 2, 3, 3, 4, 4, 5, 5, 5, 5, 6, 6, 6, 6, 7, 7, 7, 7};
// clang-format on
constexpr std::array<int, KindCount + 1> KindColor{0, 3, 1, 4, 2, 6, 5, 7};
constexpr std::array<int, KindCount + 1> KindPreviewShape{0, 1, 2, 4, 6, 10, 14, 17};

void CheckShape(int shape) {
    BRIMAL_ASSERT(shape >= 1 && shape <= ShapeCount);
}

} // namespace

int TurnSuccessor(int shape, TurnDirection direction) {
    CheckShape(shape);
    return direction == TurnDirection::Left ? LeftSuccessor[shape] : RightSuccessor[shape];
}

CellOffset TurnOffsets(int shape, TurnDirection direction) {
    CheckShape(shape);
    return direction == TurnDirection::Left ? LeftShift[shape] : RightShift[shape];
}

int KindOfShape(int shape) {
    CheckShape(shape);
    return Kind[shape];
}

int FixedColorOfShape(int shape) {
    return KindColor[KindOfShape(shape)];
}

int PreviewShapeOfKind(int kind) {
    BRIMAL_ASSERT(kind >= 1 && kind <= KindCount);
    return KindPreviewShape[kind];
}

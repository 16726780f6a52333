#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <iterator>
#include <set>
#include <utility>

#include "engine/Catalogue.h"

TEST(Catalogue, EveryShapeIsAnchoredAtItsBottomLeft) {
    for (int shape = 1; shape <= ShapeCount; ++shape) {
        const auto& cells = ShapeTable[shape];
        EXPECT_EQ(cells[0].dx, 0) << shape;
        EXPECT_EQ(cells[0].dy, 0) << shape;
        std::set<std::pair<int, int>> distinct;
        for (const CellOffset& c : cells) {
            distinct.insert({c.dx, c.dy});
            EXPECT_LE(c.dy, 0) << shape;
            // The anchor is the lowest cell of its column and the leftmost of its row.
            if (c.dx == 0) {
                EXPECT_LE(c.dy, 0) << shape;
            }
            if (c.dy == 0) {
                EXPECT_GE(c.dx, 0) << shape;
            }
        }
        EXPECT_EQ(distinct.size(), 4u) << shape;
    }
}

TEST(Catalogue, TurnCyclesReturnToTheirShapeAndAnchor) {
    for (TurnDirection direction : {TurnDirection::Left, TurnDirection::Right}) {
        for (int shape = 1; shape <= ShapeCount; ++shape) {
            int current = shape;
            int dx = 0, dy = 0, steps = 0;
            do {
                current = TurnSuccessor(current, direction);
                EXPECT_EQ(KindOfShape(current), KindOfShape(shape));
                dx += TurnOffsets(current, direction).dx;
                dy += TurnOffsets(current, direction).dy;
                ++steps;
            } while (current != shape && steps < 10);
            const int expectedSteps[] = {0, 1, 2, 2, 2, 4, 4, 4};
            EXPECT_EQ(steps, expectedSteps[KindOfShape(shape)]) << shape;
            EXPECT_EQ(dx, 0) << shape;
            EXPECT_EQ(dy, 0) << shape;
        }
    }
}

TEST(Catalogue, TurningLeftThenRightRestoresShapeAndAnchor) {
    for (int shape = 1; shape <= ShapeCount; ++shape) {
        const int left = TurnSuccessor(shape, TurnDirection::Left);
        const int back = TurnSuccessor(left, TurnDirection::Right);
        EXPECT_EQ(back, shape);
        EXPECT_EQ(TurnOffsets(left, TurnDirection::Left).dx +
                      TurnOffsets(back, TurnDirection::Right).dx,
                  0)
            << shape;
        EXPECT_EQ(TurnOffsets(left, TurnDirection::Left).dy +
                      TurnOffsets(back, TurnDirection::Right).dy,
                  0)
            << shape;
    }
}

TEST(Catalogue, EveryPreviewHoldsFourCellsOfTheKindsColour) {
    const int kindColour[] = {0, 3, 1, 4, 2, 6, 5, 7};
    for (int shape = 1; shape <= ShapeCount; ++shape) {
        int blocks = 0;
        for (const auto& row : PreviewPatterns[shape]) {
            for (int code : row) {
                if (code == 0) continue;
                ++blocks;
                EXPECT_EQ(code, kindColour[KindOfShape(shape)]) << shape;
            }
        }
        EXPECT_EQ(blocks, 4) << shape;
        EXPECT_EQ(FixedColorOfShape(shape), kindColour[KindOfShape(shape)]);
    }
    // The square sits in the middle 2 x 2 cells; the lying bar fills the third row.
    EXPECT_EQ(PreviewPatterns[1][1], (std::array<int, 4>{0, 3, 3, 0}));
    EXPECT_EQ(PreviewPatterns[1][2], (std::array<int, 4>{0, 3, 3, 0}));
    EXPECT_EQ(PreviewPatterns[3][2], (std::array<int, 4>{1, 1, 1, 1}));
}

TEST(Catalogue, EveryPreviewShowsTheShapesCells) {
    // The pictures are placed for the preview, but each is its shape moved.
    for (int shape = 1; shape <= ShapeCount; ++shape) {
        std::set<std::pair<int, int>> picture, cells;
        for (int row = 0; row < 4; ++row) {
            for (int column = 0; column < 4; ++column) {
                if (PreviewPatterns[shape][row][column] != 0) picture.insert({column, row});
            }
        }
        // The anchor is the leftmost cell of the shape's bottom row.
        std::pair<int, int> anchor{4, -1};
        for (auto [column, row] : picture) {
            if (row > anchor.second || (row == anchor.second && column < anchor.first)) {
                anchor = {column, row};
            }
        }
        for (const CellOffset& c : ShapeTable[shape])
            cells.insert({anchor.first + c.dx, anchor.second + c.dy});
        EXPECT_EQ(picture, cells) << shape;
    }
}

TEST(Catalogue, KindsStandForTheRatioPageByTheirPictures) {
    const int shapes[] = {0, 1, 2, 4, 6, 10, 14, 17};
    for (int kind = 1; kind <= KindCount; ++kind) {
        EXPECT_EQ(PreviewShapeOfKind(kind), shapes[kind]);
        EXPECT_EQ(KindOfShape(shapes[kind]), kind);
    }
}

TEST(Catalogue, ShapesTurnsAndAnchorShiftsAreThoseOfTheCatalogue) {
    // Written out by hand, one shape a row: its kind, its four cells from the
    // anchor, the shapes a left and a right turn lead to, and how the anchor
    // moves when a piece turns into this shape to the left and to the right.
    struct Row {
        int shape, kind;
        std::array<CellOffset, 4> cells;
        int leftTurn, rightTurn;
        CellOffset leftShift, rightShift;
    };
    // clang-format off
    const Row rows[] = {
        { 1, 1, {{{0, 0}, {0, -1}, {1, -1}, {1, 0}}},    1,  1, { 0,  0}, { 0,  0}},
        { 2, 2, {{{0, 0}, {0, -1}, {0, -2}, {0, -3}}},   3,  3, { 2,  1}, { 2,  1}},
        { 3, 2, {{{0, 0}, {1, 0}, {2, 0}, {3, 0}}},      2,  2, {-2, -1}, {-2, -1}},
        { 4, 3, {{{0, 0}, {0, -1}, {-1, -1}, {-1, -2}}}, 5,  5, { 1,  0}, { 1,  0}},
        { 5, 3, {{{0, 0}, {1, 0}, {1, -1}, {2, -1}}},    4,  4, {-1,  0}, {-1,  0}},
        { 6, 4, {{{0, 0}, {0, -1}, {1, -1}, {1, -2}}},   7,  7, { 0,  0}, { 0,  0}},
        { 7, 4, {{{0, 0}, {0, -1}, {1, 0}, {-1, -1}}},   6,  6, { 0,  0}, { 0,  0}},
        { 8, 5, {{{0, 0}, {0, -1}, {0, -2}, {1, -2}}},   9, 11, {-2,  1}, { 0,  0}},
        { 9, 5, {{{0, 0}, {0, -1}, {1, 0}, {2, 0}}},    10,  8, { 0,  0}, {-1,  0}},
        {10, 5, {{{0, 0}, {1, 0}, {1, -1}, {1, -2}}},   11,  9, { 1,  0}, {-1,  1}},
        {11, 5, {{{0, 0}, {0, -1}, {-1, -1}, {-2, -1}}}, 8, 10, { 1, -1}, { 2, -1}},
        {12, 6, {{{0, 0}, {0, -1}, {0, -2}, {-1, -2}}}, 13, 15, { 2,  0}, { 2,  1}},
        {13, 6, {{{0, 0}, {0, -1}, {1, -1}, {2, -1}}},  14, 12, {-2, -1}, { 0, -1}},
        {14, 6, {{{0, 0}, {0, -1}, {0, -2}, {1, 0}}},   15, 13, { 0,  1}, { 0,  0}},
        {15, 6, {{{0, 0}, {1, 0}, {2, 0}, {2, -1}}},    12, 14, { 0,  0}, {-2,  0}},
        {16, 7, {{{0, 0}, {0, -1}, {0, -2}, {1, -1}}},  17, 19, {-1,  1}, { 0,  0}},
        {17, 7, {{{0, 0}, {1, 0}, {2, 0}, {1, -1}}},    18, 16, { 0,  0}, {-2,  0}},
        {18, 7, {{{0, 0}, {0, -1}, {0, -2}, {-1, -1}}}, 19, 17, { 2,  0}, { 1,  1}},
        {19, 7, {{{0, 0}, {0, -1}, {-1, -1}, {1, -1}}}, 16, 18, {-1, -1}, { 1, -1}},
    };
    // clang-format on
    const auto pair = [](CellOffset c) { return std::pair{c.dx, c.dy}; };
    ASSERT_EQ(std::size(rows), static_cast<size_t>(ShapeCount));
    for (const Row& row : rows) {
        const int s = row.shape;
        EXPECT_EQ(KindOfShape(s), row.kind) << "shape " << s;
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(pair(ShapeTable[s][i]), pair(row.cells[i])) << "shape " << s << " cell " << i;
        EXPECT_EQ(TurnSuccessor(s, TurnDirection::Left), row.leftTurn) << "shape " << s;
        EXPECT_EQ(TurnSuccessor(s, TurnDirection::Right), row.rightTurn) << "shape " << s;
        EXPECT_EQ(pair(TurnOffsets(s, TurnDirection::Left)), pair(row.leftShift)) << "shape " << s;
        EXPECT_EQ(pair(TurnOffsets(s, TurnDirection::Right)), pair(row.rightShift))
            << "shape " << s;
    }
}

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

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

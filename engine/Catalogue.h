#pragma once

#include <array>

// The fixed catalogue of pieces: seven kinds in nineteen shapes (orientations),
// numbered 1 to 19 by kind, with their cells, turn tables and preview pictures.

struct CellOffset {
    int dx; // to the right
    int dy; // downward; 0 or negative, the anchor lies in the shape's bottom row
};

inline constexpr int ShapeCount = 19;
inline constexpr int KindCount = 7;

enum class TurnDirection { Left, Right };

// The four cells of every shape as offsets from the anchor, cell 0 being the
// anchor itself. Indexed by shape number; entry 0 is unused.
extern const std::array<std::array<CellOffset, 4>, ShapeCount + 1> ShapeTable;

// 4 x 4 preview pictures of cell codes, row by row from the top. Indexed by
// shape number; entry 0 is unused.
using PreviewPicture = std::array<std::array<int, 4>, 4>;
extern const std::array<PreviewPicture, ShapeCount + 1> PreviewPatterns;

// The shape a piece turns into, a quarter turn counter-clockwise (Left) or
// clockwise (Right).
int TurnSuccessor(int shape, TurnDirection direction);

// How the anchor moves when a piece turns into `shape` in `direction`.
CellOffset TurnOffsets(int shape, TurnDirection direction);

int KindOfShape(int shape);

// The cell code of the shape's kind when colours are fixed.
int FixedColorOfShape(int shape);

// The shape whose preview picture stands for a kind on the ratio page.
int PreviewShapeOfKind(int kind);

#pragma once

#include <vector>

// Cell codes held by the well.
inline constexpr int EmptyCell = 0;
inline constexpr int WallCell = 255; // wall or floor; never drawn

// The grid of cell codes. Columns run from -1 (left wall) to width (right
// wall), rows from -4 (the top hidden entry row) to height (the floor); cell
// (x, y) is element [x + 1][y + 4]. Only GetCell and SetCell touch it.
class Well {
public:
    static constexpr int HiddenRows = 4;

    // Reallocates the grid for a well of width x height visible cells; every
    // cell, walls included, becomes 0.
    void Resize(int width, int height);

    int Width() const { return width_; }
    int Height() const { return height_; }

    int GetCell(int x, int y) const { return cells_[Index(x, y)]; }
    void SetCell(int x, int y, int code) { cells_[Index(x, y)] = code; }

private:
    int Index(int x, int y) const;

    int width_ = 0;
    int height_ = 0;
    std::vector<int> cells_; // column by column, each column top to bottom
};

#include "engine/Well.h"

#include "engine/Assert.h"

void Well::Resize(int width, int height) {
    BRIMAL_ASSERT(width > 0 && height > 0);
    width_ = width;
    height_ = height;
    cells_.assign(static_cast<size_t>(width + 2) * static_cast<size_t>(height + 5), EmptyCell);
}

int Well::Index(int x, int y) const {
    // Every caller stays within the walls, the floor and the hidden rows; the
    // turn test refuses a target left of -1 before it reads.
    BRIMAL_ASSERT(x >= -1 && x <= width_ && y >= -HiddenRows && y <= height_);
    return (x + 1) * (height_ + 5) + (y + HiddenRows);
}

#pragma once

#include <cstdint>
#include <vector>

namespace ResGen {

struct Rgb {
    uint8_t r, g, b;

    bool operator==(const Rgb&) const = default;
};

// A picture whose pixels are palette indices, row 0 at the top.
class IndexedPicture {
public:
    IndexedPicture(int width, int height, uint8_t fill)
        : width_(width), height_(height), pixels_(static_cast<std::size_t>(width * height), fill) {}

    int Width() const { return width_; }
    int Height() const { return height_; }
    uint8_t At(int x, int y) const { return pixels_[static_cast<std::size_t>(y * width_ + x)]; }
    void Set(int x, int y, uint8_t index) {
        pixels_[static_cast<std::size_t>(y * width_ + x)] = index;
    }

private:
    int width_;
    int height_;
    std::vector<uint8_t> pixels_;
};

} // namespace ResGen

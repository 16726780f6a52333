#include "resources/generators/ThemeIcon.h"
#include "resources/generators/IconPicture.h"
#include "resources/generators/Palette.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <string>

namespace {

using namespace ResGen;

std::string Text(const Rgb& colour) {
    char text[8];
    std::snprintf(text, sizeof text, "%02X%02X%02X", colour.r, colour.g, colour.b);
    return text;
}

std::array<double, 3> Mean(const RgbPicture& picture) {
    std::array<double, 3> sum{};
    for (const Rgb& pixel : picture.pixels) {
        sum[0] += pixel.r;
        sum[1] += pixel.g;
        sum[2] += pixel.b;
    }
    for (double& channel : sum)
        channel /= double(picture.pixels.size());
    return sum;
}

TEST(ThemeIcon, WholeEnlargementsMakeEverySourcePixelASquareBlockOfItsColour) {
    const IndexedPicture source = IconPicture();
    for (const int size : {32, 64, 128, 256}) {
        const RgbPicture icon = ThemeIcon(source, StandardPalette(), size);
        ASSERT_EQ(icon.size, size);
        ASSERT_EQ(icon.pixels.size(), std::size_t(size * size));
        const int block = size / IconSize;
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x) {
                const Rgb& expected = StandardPalette()[source.At(x / block, y / block)];
                ASSERT_EQ(icon.At(x, y), expected)
                    << size << " px at " << x << ", " << y << ": " << Text(icon.At(x, y));
            }
    }
}

TEST(ThemeIcon, At48EachSourcePixelBecomesOneOrTwoPixelsEachWayWithNoBlending) {
    const IndexedPicture source = IconPicture();
    const RgbPicture icon = ThemeIcon(source, StandardPalette(), 48);
    for (const Rgb& pixel : icon.pixels) {
        ASSERT_NE(std::find(StandardPalette().begin(), StandardPalette().end(), pixel),
                  StandardPalette().end())
            << Text(pixel);
    }
    // The two-pixel white frame at the top and left becomes three pixels (up
    // to the mitred corners).
    for (int x = 0; x < 43; ++x)
        for (int y = 0; y < 3; ++y) {
            EXPECT_EQ(icon.At(x, y), StandardPalette()[White]) << x << ", " << y;
            EXPECT_EQ(icon.At(y, x), StandardPalette()[White]) << y << ", " << x;
        }
    EXPECT_EQ(icon.At(3, 24), StandardPalette()[Black]) << "the well inside the frame";
}

TEST(ThemeIcon, ReductionsAverageTheAreaTheyCover) {
    // A one-pixel checkerboard of black and white reduces to even grey.
    IndexedPicture checker(32, 32, Black);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            if ((x + y) % 2) checker.Set(x, y, White);
    const RgbPicture half = ThemeIcon(checker, StandardPalette(), 16);
    for (const Rgb& pixel : half.pixels)
        ASSERT_EQ(pixel, (Rgb{0x80, 0x80, 0x80})) << Text(pixel);

    // Any reduction keeps the picture's mean colour, to within rounding.
    const IndexedPicture source = IconPicture();
    const std::array<double, 3> mean = Mean(ThemeIcon(source, StandardPalette(), 32));
    for (const int size : {16, 24}) {
        const RgbPicture icon = ThemeIcon(source, StandardPalette(), size);
        ASSERT_EQ(icon.pixels.size(), std::size_t(size * size));
        const std::array<double, 3> reduced = Mean(icon);
        for (int channel = 0; channel < 3; ++channel)
            EXPECT_NEAR(reduced[channel], mean[channel], 0.5) << size << " px, channel " << channel;
        // Areas of one colour keep it: the white frame's corner, the black well.
        EXPECT_EQ(icon.At(0, 0), StandardPalette()[White]) << size;
        EXPECT_EQ(icon.At(size * 5 / 32, size * 4 / 32), StandardPalette()[Black]) << size;
    }
}

} // namespace

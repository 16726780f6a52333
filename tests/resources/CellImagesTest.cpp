#include "FileFields.h"
#include "resources/Resources.h"

#include <gtest/gtest.h>

#include <map>

namespace {

constexpr int FileHeader = 14;
constexpr int InfoHeader = 40;

// The cell as text, one character per pixel and a line per row, top row
// first; a colour outside the legend shows as '?'.
QString Picture(const QImage& image, const std::map<QRgb, char>& legend) {
    QString text = "\n";
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const auto known = legend.find(image.pixel(x, y));
            text += known == legend.end() ? '?' : known->second;
        }
        text += '\n';
    }
    return text;
}

// # black, W white, F the face colour, S the shadow colour.
const QString RaisedBlock = R"(
################
#WWWWWWWWWWWWWF#
#WWWWWWWWWWWWFS#
#WWFFFFFFFFFFSS#
#WWFFFFFFFFFFSS#
#WWFFFFFFFFFFSS#
#WWFFFFFFFFFFSS#
#WWFFFFFFFFFFSS#
#WWFFFFFFFFFFSS#
#WWFFFFFFFFFFSS#
#WWFFFFFFFFFFSS#
#WWFFFFFFFFFFSS#
#WWFFFFFFFFFFSS#
#WFSSSSSSSSSSSS#
#FSSSSSSSSSSSSS#
################
)";

struct Block {
    int code;
    QRgb face;
    QRgb shadow;
};

const Block Blocks[] = {
    {1, 0xFFFF0000, 0xFF800000}, {2, 0xFF0000FF, 0xFF000080}, {3, 0xFF00FFFF, 0xFF008080},
    {4, 0xFFFF00FF, 0xFF800080}, {5, 0xFF00FF00, 0xFF008000}, {6, 0xFFFFFF00, 0xFF808000},
    {7, 0xFFC0C0C0, 0xFF808080},
};

} // namespace

TEST(CellImages, BlocksAreUncompressedBottomUp4BitBitmapsInTheStandardPalette) {
    constexpr int PixelOffset = FileHeader + InfoHeader + 16 * 4;
    for (const Block& block : Blocks) {
        SCOPED_TRACE(block.code);
        const QByteArray file = Resources::CellImageFile(block.code);
        ASSERT_EQ(file.size(), PixelOffset + 16 * 8);
        EXPECT_EQ(file.left(2), "BM");
        EXPECT_EQ(U32At(file, 2), static_cast<uint32_t>(file.size()));
        EXPECT_EQ(U32At(file, 10), static_cast<uint32_t>(PixelOffset));
        EXPECT_EQ(U32At(file, 14), static_cast<uint32_t>(InfoHeader));
        EXPECT_EQ(U32At(file, 18), 16u);
        EXPECT_EQ(U32At(file, 22), 16u) << "a positive height stores the bottom row first";
        EXPECT_EQ(U16At(file, 28), 4u);
        EXPECT_EQ(U32At(file, 30), 0u) << "BI_RGB, no compression";
        EXPECT_EQ(PaletteAt(file, FileHeader + InfoHeader), StandardPaletteEntries());
    }
}

TEST(CellImages, BlocksAreRaisedWithWhiteTopLeftAndShadowBottomRight) {
    for (const Block& block : Blocks) {
        SCOPED_TRACE(block.code);
        const QImage image = Resources::CellImage(block.code);
        ASSERT_EQ(image.size(), QSize(16, 16));
        const std::map<QRgb, char> legend = {
            {0xFF000000, '#'}, {0xFFFFFFFF, 'W'}, {block.face, 'F'}, {block.shadow, 'S'}};
        EXPECT_EQ(Picture(image, legend), RaisedBlock);
    }
}

TEST(CellImages, EmptyCellIsAnAllBlack1BitBitmap) {
    const QByteArray file = Resources::CellImageFile(0);
    ASSERT_EQ(file.size(), FileHeader + InfoHeader + 2 * 4 + 16 * 4);
    EXPECT_EQ(file.left(2), "BM");
    EXPECT_EQ(U32At(file, 22), 16u);
    EXPECT_EQ(U16At(file, 28), 1u);
    EXPECT_EQ(U32At(file, 30), 0u);
    EXPECT_EQ(PaletteEntryAt(file, FileHeader + InfoHeader), qRgb(0, 0, 0));
    EXPECT_EQ(PaletteEntryAt(file, FileHeader + InfoHeader + 4), qRgb(255, 255, 255));

    const QImage image = Resources::CellImage(0);
    ASSERT_EQ(image.size(), QSize(16, 16));
    EXPECT_EQ(Picture(image, {{0xFF000000, '#'}}),
              "\n" + QString("################\n").repeated(16));
}

TEST(CellImages, CodesOutsideZeroToSevenGiveNothing) {
    for (int code : {-1, 8, 255}) {
        SCOPED_TRACE(code);
        EXPECT_TRUE(Resources::CellImage(code).isNull());
        EXPECT_TRUE(Resources::CellImageFile(code).isEmpty());
    }
}

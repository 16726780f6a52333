#include "resources/Resources.h"

#include <gtest/gtest.h>

namespace {

using Resources::CellImage;
using Resources::CellStyle;

// A player who sees no colours at all sees the cells as this.
QImage Grey(const QImage& image) {
    return image.convertToFormat(QImage::Format_Grayscale8);
}

// How many pixels of two cells differ by at least a quarter of the grey scale:
// enough pixels of such contrast make a shape one can see, a faint shade
// difference over the whole face does not.
int ClearlyDifferentPixels(const QImage& a, const QImage& b) {
    const QImage greyA = Grey(a);
    const QImage greyB = Grey(b);
    int count = 0;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            if (std::abs(qGray(greyA.pixel(x, y)) - qGray(greyB.pixel(x, y))) >= 64) ++count;
    return count;
}

bool InFace(int x, int y) {
    return x >= 3 && x <= 12 && y >= 3 && y <= 12;
}

} // namespace

TEST(PatternedCells, SevenBlocksDifferPairwiseInGreysAndFromTheEmptyCell) {
    // A mark of a dozen pixels or more; the plain cells' nearest pair, aqua
    // and silver, differs clearly in none (their faces lie 13 grey levels
    // apart), and so does red against magenta.
    constexpr int Clear = 12;
    ASSERT_EQ(ClearlyDifferentPixels(CellImage(3), CellImage(7)), 0);
    for (int a = 0; a <= 7; ++a) {
        for (int b = a + 1; b <= 7; ++b) {
            SCOPED_TRACE(testing::Message() << a << " against " << b);
            EXPECT_GE(ClearlyDifferentPixels(CellImage(a, CellStyle::Patterned),
                                             CellImage(b, CellStyle::Patterned)),
                      Clear);
        }
    }
}

TEST(PatternedCells, KeepTheBlocksOutlineAndBevelAndChangeOnlyTheFace) {
    for (int code = 1; code <= 7; ++code) {
        SCOPED_TRACE(code);
        const QImage plain = CellImage(code);
        const QImage patterned = CellImage(code, CellStyle::Patterned);
        ASSERT_EQ(patterned.size(), QSize(16, 16));
        int marked = 0;
        for (int y = 0; y < 16; ++y) {
            for (int x = 0; x < 16; ++x) {
                if (!InFace(x, y))
                    EXPECT_EQ(patterned.pixel(x, y), plain.pixel(x, y)) << x << "," << y;
                else if (patterned.pixel(x, y) != plain.pixel(x, y))
                    ++marked;
            }
        }
        // A mark, but one that leaves most of the face its colour.
        EXPECT_GE(marked, 12);
        EXPECT_LE(marked, 50);
    }
}

TEST(PatternedCells, TheEmptyCellIsTheSameInBothStylesAndBadCodesGiveNothing) {
    EXPECT_EQ(Resources::CellImageFile(0, CellStyle::Patterned), Resources::CellImageFile(0));
    for (int code : {-1, 8, 255})
        EXPECT_TRUE(CellImage(code, CellStyle::Patterned).isNull()) << code;
}

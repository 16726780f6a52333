#include "FileFields.h"
#include "resources/Resources.h"

#include <QGuiApplication>
#include <QPixmap>

#include <gtest/gtest.h>

namespace {

constexpr QRgb White = 0xFFFFFFFF;
constexpr QRgb Silver = 0xFFC0C0C0;
constexpr QRgb Black = 0xFF000000;
constexpr QRgb Aqua = 0xFF00FFFF;

} // namespace

TEST(AppIcon, IconFileHoldsOneOpaque32By32ImageOf16Colours) {
    const QByteArray file = Resources::IconFile();
    constexpr int Directory = 6 + 16;
    constexpr int Header = 40;
    constexpr int Colours = Header + 16 * 4;
    constexpr int Mask = Colours + 32 * 16;
    ASSERT_EQ(file.size(), Directory + Mask + 32 * 4);

    EXPECT_EQ(U16At(file, 0), 0u);
    EXPECT_EQ(U16At(file, 2), 1u) << "an icon";
    EXPECT_EQ(U16At(file, 4), 1u) << "one image";
    EXPECT_EQ(static_cast<uint8_t>(file[6]), 32);
    EXPECT_EQ(static_cast<uint8_t>(file[7]), 32);
    EXPECT_EQ(static_cast<uint8_t>(file[8]), 16) << "colours";
    EXPECT_EQ(U16At(file, 12), 4u) << "bits per pixel";
    EXPECT_EQ(U32At(file, 14), static_cast<uint32_t>(file.size() - Directory));
    EXPECT_EQ(U32At(file, 18), static_cast<uint32_t>(Directory));

    const QByteArray image = file.mid(Directory);
    EXPECT_EQ(U32At(image, 0), static_cast<uint32_t>(Header));
    EXPECT_EQ(U32At(image, 4), 32u);
    EXPECT_EQ(U32At(image, 8), 64u) << "colour rows and mask rows";
    EXPECT_EQ(U16At(image, 14), 4u);
    EXPECT_EQ(U32At(image, 16), 0u) << "BI_RGB, no compression";
    EXPECT_EQ(PaletteAt(image, Header), StandardPaletteEntries());
    EXPECT_EQ(image.mid(Mask), QByteArray(32 * 4, '\0')) << "a clear mask: every pixel opaque";
}

TEST(AppIcon, IconShowsTheWellInARaisedFrameWithAFallingPiece) {
    const QImage icon = Resources::IconImage();
    ASSERT_EQ(icon.size(), QSize(32, 32));
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            ASSERT_EQ(qAlpha(icon.pixel(x, y)), 255) << "at " << x << ", " << y;

    struct Pixel {
        int x, y;
        QRgb colour;
        const char* what;
    };
    const Pixel facts[] = {
        {0, 0, White, "frame, top left"},          {1, 16, White, "frame, left edge"},
        {16, 1, White, "frame, top edge"},         {31, 31, Silver, "frame, bottom right"},
        {30, 16, Silver, "frame, right edge"},     {16, 30, Silver, "frame, bottom edge"},
        {16, 4, Black, "well above the piece"},    {4, 12, Black, "well beside the piece"},
        {14, 6, White, "lit corner of the piece"}, {15, 7, Aqua, "face of the piece"},
    };
    for (const Pixel& fact : facts)
        EXPECT_EQ(icon.pixel(fact.x, fact.y), fact.colour) << fact.what;
}

TEST(AppIcon, AppIconDrawsThe32By32Image) {
    int argc = 1;
    char name[] = "resources_tests";
    char* argv[] = {name, nullptr};
    const QGuiApplication app(argc, argv);

    const QIcon icon = Resources::AppIcon();
    ASSERT_TRUE(icon.availableSizes().contains(QSize(32, 32)));
    EXPECT_EQ(icon.pixmap(32, 32).toImage().convertToFormat(QImage::Format_ARGB32),
              Resources::IconImage().convertToFormat(QImage::Format_ARGB32));
}

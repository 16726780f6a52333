#include "resources/generators/Dib.h"

#include "resources/generators/Bytes.h"

#include <stdexcept>

namespace ResGen {

namespace {

constexpr uint32_t InfoHeaderSize = 40;
constexpr uint32_t FileHeaderSize = 14;
constexpr uint32_t BiRgb = 0;

uint32_t RowBytes(int width, int bitsPerPixel) {
    return ((static_cast<uint32_t>(width * bitsPerPixel) + 31) / 32) * 4;
}

// Packs one picture row, leftmost pixel in the highest bits of the first byte.
void PutRow(Bytes& out, const IndexedPicture& picture, int y, int bitsPerPixel) {
    const uint32_t rowBytes = RowBytes(picture.Width(), bitsPerPixel);
    std::vector<uint8_t> row(rowBytes, 0);
    for (int x = 0; x < picture.Width(); ++x) {
        const int bit = x * bitsPerPixel;
        const int shift = 8 - bitsPerPixel - bit % 8;
        row[static_cast<std::size_t>(bit / 8)] |= static_cast<uint8_t>(picture.At(x, y) << shift);
    }
    out.Append(row);
}

} // namespace

std::vector<uint8_t> EncodeDib(const IndexedPicture& picture, int bitsPerPixel,
                               const std::vector<Rgb>& palette, DibUse use) {
    if (bitsPerPixel != 1 && bitsPerPixel != 4)
        throw std::invalid_argument("only 1-bit and 4-bit pictures are written");
    if (palette.size() != (1u << bitsPerPixel))
        throw std::invalid_argument("the palette must fill the bit depth");
    for (int y = 0; y < picture.Height(); ++y)
        for (int x = 0; x < picture.Width(); ++x)
            if (picture.At(x, y) >= palette.size())
                throw std::invalid_argument("a pixel lies outside the palette");

    const bool icon = use == DibUse::IconImage;
    const uint32_t colourBytes = RowBytes(picture.Width(), bitsPerPixel) * picture.Height();
    const uint32_t maskBytes = icon ? RowBytes(picture.Width(), 1) * picture.Height() : 0;

    Bytes out;
    out.U32(InfoHeaderSize);
    out.U32(static_cast<uint32_t>(picture.Width()));
    // A positive height means bottom row first.
    out.U32(static_cast<uint32_t>(icon ? picture.Height() * 2 : picture.Height()));
    out.U16(1);
    out.U16(static_cast<uint32_t>(bitsPerPixel));
    out.U32(BiRgb);
    out.U32(colourBytes + maskBytes);
    out.U32(0);
    out.U32(0);
    out.U32(static_cast<uint32_t>(palette.size()));
    out.U32(0);
    for (const Rgb& c : palette) {
        out.U8(c.b);
        out.U8(c.g);
        out.U8(c.r);
        out.U8(0);
    }
    for (int y = picture.Height() - 1; y >= 0; --y)
        PutRow(out, picture, y, bitsPerPixel);
    out.Append(std::vector<uint8_t>(maskBytes, 0));
    return out.Data();
}

std::vector<uint8_t> EncodeBmpFile(const IndexedPicture& picture, int bitsPerPixel,
                                   const std::vector<Rgb>& palette) {
    const std::vector<uint8_t> dib = EncodeDib(picture, bitsPerPixel, palette, DibUse::BitmapFile);
    const uint32_t pixelOffset =
        FileHeaderSize + InfoHeaderSize + static_cast<uint32_t>(palette.size()) * 4;
    Bytes out;
    out.Chars("BM");
    out.U32(FileHeaderSize + static_cast<uint32_t>(dib.size()));
    out.U16(0);
    out.U16(0);
    out.U32(pixelOffset);
    out.Append(dib);
    return out.Data();
}

} // namespace ResGen

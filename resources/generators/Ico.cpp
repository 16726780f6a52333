#include "resources/generators/Ico.h"

#include "resources/generators/Bytes.h"
#include "resources/generators/Dib.h"

#include <stdexcept>

namespace ResGen {

std::vector<uint8_t> EncodeIcoFile(const IndexedPicture& picture, const std::vector<Rgb>& palette) {
    // The directory stores sizes in one byte each, 0 standing for 256.
    if (picture.Width() < 1 || picture.Width() > 256 || picture.Height() < 1 ||
        picture.Height() > 256)
        throw std::invalid_argument("an icon image is 1 to 256 pixels on each side");
    constexpr int BitsPerPixel = 4;
    constexpr uint32_t DirectorySize = 6 + 16;
    const std::vector<uint8_t> image = EncodeDib(picture, BitsPerPixel, palette, DibUse::IconImage);

    Bytes out;
    out.U16(0);
    out.U16(1); // an icon, not a cursor
    out.U16(1); // one image
    out.U8(static_cast<uint32_t>(picture.Width() % 256));
    out.U8(static_cast<uint32_t>(picture.Height() % 256));
    out.U8(static_cast<uint32_t>(palette.size()));
    out.U8(0);
    out.U16(1);
    out.U16(BitsPerPixel);
    out.U32(static_cast<uint32_t>(image.size()));
    out.U32(DirectorySize);
    out.Append(image);
    return out.Data();
}

} // namespace ResGen

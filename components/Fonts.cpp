#include "components/Fonts.h"

namespace {

QFont MakeFont(const char* family, int pixelHeight, bool bold) {
    QFont font(QString::fromUtf8(family));
    font.setPixelSize(pixelHeight);
    font.setBold(bold);
    return font;
}

} // namespace

QFont FixedPitchFont(int pixelHeight, bool bold) {
    return MakeFont(FixedPitchFamily, pixelHeight, bold);
}

QFont ProportionalFont(int pixelHeight, bool bold) {
    return MakeFont(ProportionalFamily, pixelHeight, bold);
}

#include "components/Fonts.h"

namespace {

const char* const FixedPitchFamily = "ＭＳ ゴシック";
const char* const ProportionalFamily = "ＭＳ Ｐゴシック";

QFont MakeFont(const char* family, int pixelHeight, bool bold) {
    QFont font(QString::fromUtf8(family));
    font.setPixelSize(pixelHeight);
    font.setBold(bold);
    return font;
}

} // namespace

void InstallFontSubstitutes() {
    // Without these the names resolve to a Latin font, and Japanese glyphs
    // come one by one from a fallback with the wrong widths.
    QFont::insertSubstitution(QString::fromUtf8(FixedPitchFamily), "IPAGothic");
    QFont::insertSubstitution("MS Gothic", "IPAGothic");
    QFont::insertSubstitution(QString::fromUtf8(ProportionalFamily), "IPAPGothic");
    QFont::insertSubstitution("MS PGothic", "IPAPGothic");
}

QFont FixedPitchFont(int pixelHeight, bool bold) {
    return MakeFont(FixedPitchFamily, pixelHeight, bold);
}

QFont ProportionalFont(int pixelHeight, bool bold) {
    return MakeFont(ProportionalFamily, pixelHeight, bold);
}

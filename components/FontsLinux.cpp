#include "components/Fonts.h"

void InstallFontSubstitutes() {
    // Without these the names resolve to a Latin font, and Japanese glyphs
    // come one by one from a fallback with the wrong widths.
    QFont::insertSubstitution(QString::fromUtf8(FixedPitchFamily), "IPAGothic");
    QFont::insertSubstitution("MS Gothic", "IPAGothic");
    QFont::insertSubstitution(QString::fromUtf8(ProportionalFamily), "IPAPGothic");
    QFont::insertSubstitution("MS PGothic", "IPAPGothic");
}

#include "components/Fonts.h"

#include <QStringList>

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

void InstallFontSubstitutes() {
    // Qt turns to these only when a family is not installed: on Linux, and on
    // a Windows without its Japanese fonts. Then the nearest Japanese font
    // that is there, fixed-pitch for the fixed-pitch family, rather than a
    // Latin font whose Japanese glyphs would come one by one with the wrong
    // widths. The Latin names of the two families get the same stand-ins.
    const QStringList fixedPitch = {"MS Gothic",    "IPAGothic", "BIZ UDGothic",
                                    "MS UI Gothic", "Yu Gothic", "Meiryo"};
    const QStringList proportional = {"MS PGothic",   "IPAPGothic", "BIZ UDPGothic",
                                      "Yu Gothic UI", "Meiryo UI",  "Meiryo"};
    QFont::insertSubstitutions(QString::fromUtf8(FixedPitchFamily), fixedPitch);
    QFont::insertSubstitutions(fixedPitch.first(), fixedPitch.mid(1));
    QFont::insertSubstitutions(QString::fromUtf8(ProportionalFamily), proportional);
    QFont::insertSubstitutions(proportional.first(), proportional.mid(1));
}

#include "components/Fonts.h"

#include <QStringList>

void InstallFontSubstitutes() {
    // Qt turns to these only when the family itself is not installed, as on a
    // Windows without its Japanese fonts: then the nearest Japanese font that
    // is there, fixed-pitch for the fixed-pitch family, rather than a Latin
    // font whose Japanese glyphs would come one by one with the wrong widths.
    QFont::insertSubstitutions(
        QString::fromUtf8(FixedPitchFamily),
        {"MS Gothic", "IPAGothic", "BIZ UDGothic", "MS UI Gothic", "Yu Gothic", "Meiryo"});
    QFont::insertSubstitutions(
        QString::fromUtf8(ProportionalFamily),
        {"MS PGothic", "IPAPGothic", "BIZ UDPGothic", "Yu Gothic UI", "Meiryo UI", "Meiryo"});
}

#include "components/Fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace {

const QStringList& FixedPitchStandIns() {
    static const QStringList names = {"MS Gothic",    "IPAGothic", "BIZ UDGothic",
                                      "MS UI Gothic", "Yu Gothic", "Meiryo"};
    return names;
}

const QStringList& ProportionalStandIns() {
    static const QStringList names = {"MS PGothic",   "IPAPGothic", "BIZ UDPGothic",
                                      "Yu Gothic UI", "Meiryo UI",  "Meiryo"};
    return names;
}

// The family itself where it is installed, or else its first stand-in that
// is. Asked for by a name that is not installed, Qt would first have the
// system list every font that could stand in for it (a few milliseconds at
// start-up on Linux) and take the substitutes only after that.
QString InstalledFamily(const char* family, const QStringList& standIns) {
    const QString name = QString::fromUtf8(family);
    if (QFontDatabase::hasFamily(name)) return name;
    for (const QString& standIn : standIns)
        if (QFontDatabase::hasFamily(standIn)) return standIn;
    return name;
}

QFont MakeFont(const QString& family, int pixelHeight, bool bold) {
    QFont font(family);
    font.setPixelSize(pixelHeight);
    font.setBold(bold);
    return font;
}

} // namespace

QFont FixedPitchFont(int pixelHeight, bool bold) {
    static const QString family = InstalledFamily(FixedPitchFamily, FixedPitchStandIns());
    return MakeFont(family, pixelHeight, bold);
}

QFont ProportionalFont(int pixelHeight, bool bold) {
    static const QString family = InstalledFamily(ProportionalFamily, ProportionalStandIns());
    return MakeFont(family, pixelHeight, bold);
}

void InstallFontSubstitutes() {
    // Qt turns to these only when a family is not installed: on Linux, and on
    // a Windows without its Japanese fonts. Then the nearest Japanese font
    // that is there, fixed-pitch for the fixed-pitch family, rather than a
    // Latin font whose Japanese glyphs would come one by one with the wrong
    // widths. The Latin names of the two families get the same stand-ins.
    const QStringList& fixedPitch = FixedPitchStandIns();
    const QStringList& proportional = ProportionalStandIns();
    QFont::insertSubstitutions(QString::fromUtf8(FixedPitchFamily), fixedPitch);
    QFont::insertSubstitutions(fixedPitch.first(), fixedPitch.mid(1));
    QFont::insertSubstitutions(QString::fromUtf8(ProportionalFamily), proportional);
    QFont::insertSubstitutions(proportional.first(), proportional.mid(1));
}

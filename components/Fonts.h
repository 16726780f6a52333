#pragma once

#include <QFont>

// The program's fonts are the Japanese fixed-pitch "ＭＳ ゴシック" and
// proportional "ＭＳ Ｐゴシック" system fonts.
inline constexpr const char* FixedPitchFamily = "ＭＳ ゴシック";
inline constexpr const char* ProportionalFamily = "ＭＳ Ｐゴシック";

// Names the fonts that stand in for the two where they are not installed
// (on Linux: IPAGothic and IPAPGothic), one list for every platform.
void InstallFontSubstitutes();

// The fixed-pitch and proportional fonts at a character height in pixels.
QFont FixedPitchFont(int pixelHeight, bool bold = false);
QFont ProportionalFont(int pixelHeight, bool bold = false);

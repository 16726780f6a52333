#pragma once

#include <QFont>

// The program's fonts are the Japanese fixed-pitch "ＭＳ ゴシック" and
// proportional "ＭＳ Ｐゴシック" system fonts; on this desktop IPAGothic and
// IPAPGothic stand in for them.
void InstallFontSubstitutes();

// The fixed-pitch and proportional fonts at a character height in pixels.
QFont FixedPitchFont(int pixelHeight, bool bold = false);
QFont ProportionalFont(int pixelHeight, bool bold = false);

#include "support/DescribeSettings.h"

#include <sstream>

std::string Describe(const TGameSettings& settings) {
    std::ostringstream out;
    out << "WellWidth " << settings.WellWidth << "\nWellHeight " << settings.WellHeight
        << "\nRowWait " << settings.RowWait << "\nShowNext " << settings.ShowNext
        << "\nFixedColors " << settings.FixedColors << "\nPreFill " << settings.PreFill
        << "\nPreFillPieces " << settings.PreFillPieces << "\nKeyActions";
    for (int n = 1; n <= 9; ++n)
        out << ' ' << settings.KeyActions[n];
    out << "\nSoundOn " << settings.SoundOn;
    for (int n = 1; n <= 3; ++n)
        out << "\nSoundFiles[" << n << "] \"" << settings.SoundFiles[n] << '"';
    out << "\nRatioOn " << settings.RatioOn << "\nRatios";
    for (int n = 1; n <= 7; ++n)
        out << ' ' << settings.Ratios[n];
    out << '\n';
    return out.str();
}

#pragma once

#include "engine/GameSettings.h"
#include "settings/SettingsIO.h"

#include <string>

// A settings record in which every one of the 28 values tells the save it came
// from, generation g, and a window position that does too: a store file read
// back shows whether its values are of one save or mixed.
inline TGameSettings Generation(int g) {
    TGameSettings settings;
    settings.WellWidth = g;
    settings.WellHeight = g + 1;
    settings.RowWait = g + 2;
    settings.PreFillPieces = g + 3;
    for (int n = 1; n <= 9; ++n)
        settings.KeyActions[n] = g + 3 + n;
    for (int n = 1; n <= 7; ++n)
        settings.Ratios[n] = g + 12 + n;
    settings.ShowNext = g & 1;
    settings.FixedColors = g & 2;
    settings.PreFill = g & 4;
    settings.SoundOn = g & 8;
    settings.RatioOn = g & 16;
    for (int n = 1; n <= 3; ++n)
        settings.SoundFiles[n] =
            "/sounds/save " + std::to_string(g) + "/slot " + std::to_string(n) + ".wav";
    return settings;
}

inline WindowPosition PositionOfGeneration(int g) {
    return {g, -g};
}

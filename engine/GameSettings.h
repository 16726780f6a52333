#pragma once

#include <array>
#include <string>

// The in-memory settings record. Filled once from the store at start-up and
// changed only by the settings dialog's OK (and by the well's lower bounds at
// ResetBoard). Arrays are indexed from 1, as the settings are numbered; entry 0
// is unused.
struct TGameSettings {
    int WellWidth = 8;
    int WellHeight = 25;
    int RowWait = 200; // milliseconds after each completed row
    bool ShowNext = true;
    bool FixedColors = true;
    bool PreFill = false;
    int PreFillPieces = 10;
    std::array<int, 10> KeyActions{0, 2, 0, 1, 3, 2, 2, 2, 1, 0};
    bool SoundOn = true;
    std::array<std::string, 4> SoundFiles{"", "Standard", "Standard", "Standard"};
    bool RatioOn = false;
    std::array<int, 8> Ratios{0, 15, 15, 14, 14, 14, 14, 14};

    bool operator==(const TGameSettings&) const = default;
};

// The ranges the settings dialog offers. The engine holds a stored value to
// them where it uses it, since a hand-edited store may hold anything: a larger
// well would exhaust memory or overflow the window's size, a longer wait would
// freeze the game.
inline constexpr int MinWellWidth = 6;
inline constexpr int MinWellHeight = 17;
inline constexpr int MaxWellSize = 50;
inline constexpr int MinRowWait = 0;
inline constexpr int MaxRowWait = 1000;

// A SoundFiles entry that selects the slot's built-in clip.
inline constexpr const char* StandardSound = "Standard";

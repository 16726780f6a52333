#pragma once

#include "engine/GameSettings.h"

#include <QRect>
#include <QSize>
#include <functional>

class SettingsStore;

// The main window's top-left corner in screen pixels, as kept in the store.
struct WindowPosition {
    int Top = 0;
    int Left = 0;
};

// Reads the window position and then every game setting from the store, in
// the store's fixed order. Missing or unreadable values take their defaults:
// the record's own for the settings, and for the position the window centred
// on the screen, its origin + (size - window) / 2 truncated toward zero, for
// the window's outer size. That size is asked for only when a coordinate is
// missing: finding it may cost a round trip to the window manager. Nothing is
// clamped here.
WindowPosition LoadSettings(const SettingsStore& store, TGameSettings& settings, QRect screen,
                            const std::function<QSize()>& outerSize);
inline WindowPosition LoadSettings(const SettingsStore& store, TGameSettings& settings,
                                   QRect screen, QSize outerSize) {
    return LoadSettings(store, settings, screen, [outerSize] { return outerSize; });
}

// Writes all 28 game settings, changed or not, and makes them durable. A
// failure is swallowed: the record keeps its values for the rest of the run.
// Returns whether the store was written; the program itself ignores it.
bool SaveSettings(SettingsStore& store, const TGameSettings& settings);

// Writes the window position and makes it durable; a failure is swallowed as
// by SaveSettings.
bool SaveWindowPosition(SettingsStore& store, WindowPosition position);

#pragma once

#include <QString>

#include "engine/GameState.h"

// The game's state in words, as a screen reader reads the well: idle, playing
// or paused, then the three counters with their labels.
QString GameStateInWords(GameState state, const QString& score, const QString& kazu,
                         const QString& line4);

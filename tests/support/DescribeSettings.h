#pragma once

#include <string>

#include "engine/GameSettings.h"

// Every field of a settings record, one per line, so that a failed comparison
// of two records shows which fields differ.
std::string Describe(const TGameSettings& settings);

#pragma once

#include "components/UseLanguage.h"

class SettingsStore;

// The language chosen by the player, kept in the store as Setup/Language: "en"
// for English, "ja" for Japanese. The value is this program's own, and the
// settings dialog's OK leaves it alone (SaveSettings writes only the game's
// settings). A store without it, or with any other text, means Japanese.
Language LoadLanguage(const SettingsStore& store);

// Writes the choice and makes it durable; a failure is swallowed as by
// SaveSettings, and the language holds for the rest of the run. Returns
// whether the store was written.
bool SaveLanguage(SettingsStore& store, Language language);

#pragma once

class SettingsStore;

// Whether the blocks are drawn with their patterns, kept in the store as
// Setup/Patterns, "1" or "0", apart from the settings record: the settings
// dialog neither shows nor writes it, and its OK leaves it as it is. Off when
// missing or unreadable, so that the game looks as it always did until the
// player asks for the patterns.
bool LoadPatternSetting(const SettingsStore& store);

// Writes the setting and makes it durable. A failure is swallowed as by
// SaveSettings: the choice holds for the rest of the run. Returns whether the
// store was written.
bool SavePatternSetting(SettingsStore& store, bool patterned);

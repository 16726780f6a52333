#pragma once

#include "engine/GameSettings.h"

// Turns every sound slot whose file no longer exists into the built-in clip
// ("Standard"), in the record only: the store keeps the old name until the
// settings are next saved. Run once at start-up, right after loading.
//
// Only a regular file, or a link to one, counts as existing: an empty name, a
// folder or a device cannot be played as a clip.
void ApplySoundFileFallback(TGameSettings& settings);

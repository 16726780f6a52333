#pragma once

#include "engine/BeepKind.h"

// Sounds the desktop's own message sound of the given kind where the desktop
// has an audible one (Windows' message beep, in the user's sound scheme), and
// says whether it did. It needs no sound device of ours. Where it returns
// false the caller plays a sound of its own: the desktop bell is silent on
// most Linux desktops.
bool SystemMessageBeep(BeepKind kind);

// Whether the desktop has a default sound of the user's choosing (Windows'
// sound scheme), which stands in for a sound file that cannot be played.
// Where it has none, the caller plays a tone of its own.
bool HasSystemDefaultSound();

// Plays that default sound; with `waitForEnd` it returns when the sound has
// ended.
void PlaySystemDefaultSound(bool waitForEnd);

#pragma once

#include "engine/BeepKind.h"

// Sounds the desktop's own message sound of the given kind where the desktop
// has an audible one (Windows' message beep, in the user's sound scheme), and
// says whether it did. Where it returns false the caller plays a sound of its
// own: the desktop bell is silent on most Linux desktops.
bool SystemMessageBeep(BeepKind kind);

#include "components/SystemBeep.h"

#include <windows.h>

#include <mmsystem.h>

bool SystemMessageBeep(BeepKind kind) {
    // The kinds carry the numbers MessageBeep takes for them.
    MessageBeep(static_cast<UINT>(kind));
    return true;
}

bool HasSystemDefaultSound() {
    return true;
}

void PlaySystemDefaultSound(bool waitForEnd) {
    const DWORD flags = SND_ALIAS_ID | (waitForEnd ? SND_SYNC : SND_ASYNC);
    // A scheme without a default sound, or a system without a sound device
    // for it: the plain message beep, which falls back to the speaker.
    if (!PlaySoundW(reinterpret_cast<LPCWSTR>(SND_ALIAS_SYSTEMDEFAULT), nullptr, flags))
        MessageBeep(MB_OK);
}

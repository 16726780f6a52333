#include "components/SystemBeep.h"

#include <windows.h>

bool SystemMessageBeep(BeepKind kind) {
    // The kinds carry the numbers MessageBeep takes for them.
    MessageBeep(static_cast<UINT>(kind));
    return true;
}

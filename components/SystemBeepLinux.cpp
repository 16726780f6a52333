#include "components/SystemBeep.h"

bool SystemMessageBeep(BeepKind) {
    return false;
}

bool HasSystemDefaultSound() {
    return false;
}

void PlaySystemDefaultSound(bool) {}

#include "components/MessageBeep.h"

namespace {

std::function<void(unsigned)>& Beeper() {
    static std::function<void(unsigned)> beeper;
    return beeper;
}

} // namespace

void MessageBeep(unsigned type) {
    if (Beeper()) Beeper()(type);
}

void SetMessageBeeper(std::function<void(unsigned type)> beeper) {
    Beeper() = std::move(beeper);
}

#include "app/PlatformChoice.h"

// Windows sessions have no X server of their own; the program runs on Qt's
// Windows platform, which ChoosePlatform leaves to Qt.
bool XServerAnswers(const std::string&) {
    return false;
}

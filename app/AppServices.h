#pragma once

#include "components/DesktopServices.h"

namespace MMTimerService {
struct ServiceSeam;
}

// What the main window is given from outside: the desktop's services for its
// dialogs (an empty message beep stands for the program's own sound player)
// and, for tests only, a seam into the fall clock's timer service.
struct AppServices {
    DesktopServices Desktop;
    MMTimerService::ServiceSeam* TimerSeam = nullptr;
};

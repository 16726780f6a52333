#pragma once

#include "components/DesktopServices.h"
#include "components/SdlSession.h"

namespace MMTimerService {
struct ServiceSeam;
}

// What the main window is given from outside: the desktop's services for its
// dialogs (an empty message beep stands for the program's own sound player),
// SDL's services to start (all of them) and, for tests only, a seam into the
// fall clock's timer service.
struct AppServices {
    DesktopServices Desktop;
    SdlServices Sdl;
    MMTimerService::ServiceSeam* TimerSeam = nullptr;
};

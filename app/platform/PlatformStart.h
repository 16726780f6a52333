#pragma once

#include <vector>

// The steps of the program's start that belong to one platform, one file per
// platform (PlatformStartLinux.cpp, PlatformStartWindows.cpp).

// The command line for the application object: the program's own, with Qt's
// -platform option put first where the program chooses the platform itself
// (on Linux, ChoosePlatform). Ends with a null pointer, which is not counted
// in Qt's argument count; the texts live as long as the process.
std::vector<char*> QtArguments(int argc, char* argv[]);

// Once the application object is made: on Linux names the desktop entry that
// the program's windows belong to; on Windows holds the named mutex by which
// the installer and the uninstaller know that the game is running.
void AnnounceProgram();

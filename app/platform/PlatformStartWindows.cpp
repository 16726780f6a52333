#include "app/platform/PlatformStart.h"

#include <windows.h>

std::vector<char*> QtArguments(int argc, char* argv[]) {
    std::vector<char*> arguments(argv, argv + argc);
    arguments.push_back(nullptr);
    return arguments;
}

void AnnounceProgram() {
    // The installer and the uninstaller refuse to run while this name exists
    // (desktop/windows/installer.nsi): they could not replace or remove the
    // files in use. The handle is never closed; the system lets go of it when
    // the process ends, however it ends. Per session, like the installation.
    CreateMutexW(nullptr, FALSE, L"Local\\Kelvox.Brimal.Running");
}

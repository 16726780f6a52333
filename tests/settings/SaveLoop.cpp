// Saves the settings over and over as the settings dialog's OK and the main
// window's closing do, through the user's own store, until it is killed. Each
// save is reported on standard output as it ends: "S <generation> <1|0>" for
// the 28 values, "P <generation> <1|0>" for the window position, 1 when the
// save reported success.
//
// Usage: settings_save_loop FIRST_GENERATION

#include "SaveGeneration.h"

#include "settings/SettingsIO.h"
#include "settings/SettingsStore.h"

#include <QCoreApplication>

#include <unistd.h>

#include <cstdlib>
#include <string>

namespace {

void Report(char what, int generation, bool saved) {
    const std::string line =
        what + (" " + std::to_string(generation) + " " + (saved ? "1" : "0") + "\n");
    if (::write(STDOUT_FILENO, line.data(), line.size()) != static_cast<ssize_t>(line.size()))
        std::_Exit(3);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) return 2;
    // The application's name goes into the store's lock file, as in the game.
    QCoreApplication app(argc, argv);
    SettingsStore store;
    for (int g = std::atoi(argv[1]);; ++g) {
        Report('S', g, SaveSettings(store, Generation(g)));
        Report('P', g, SaveWindowPosition(store, PositionOfGeneration(g)));
    }
}

#pragma once

#include <QString>

// The user's own file of game-controller mappings in SDL's format,
// gamecontrollerdb.txt, beside the user's other files of the game: on Linux in
// the configuration folder beside the settings store, on Windows (whose store
// is the registry) in the folder that holds the high scores. It may not exist.
QString PadMappingsFile();

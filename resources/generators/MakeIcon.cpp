// Writes the application icon, MAINICON.ico, into the folder given.

#include "resources/generators/Ico.h"
#include "resources/generators/IconPicture.h"
#include "resources/generators/Palette.h"
#include "resources/generators/SaveFile.h"

#include <string>

int main(int argc, char** argv) {
    using namespace ResGen;
    std::string folder;
    if (!OutputFolder(argc, argv, folder)) return 2;
    const std::string path = folder + "/MAINICON.ico";
    return SaveFile(path, EncodeIcoFile(IconPicture(), StandardPalette())) ? 0 : 1;
}

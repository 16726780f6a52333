// Writes the application icon, MAINICON.ico, into the folder given.

#include "resources/generators/Ico.h"
#include "resources/generators/IconPicture.h"
#include "resources/generators/Palette.h"
#include "resources/generators/SaveFile.h"

#include <iostream>
#include <string>

int main(int argc, char** argv) {
    using namespace ResGen;
    if (argc != 2) {
        std::cerr << "usage: " << argv[0] << " OUTPUT-FOLDER\n";
        return 2;
    }
    const std::string path = std::string(argv[1]) + "/MAINICON.ico";
    return SaveFile(path, EncodeIcoFile(IconPicture(), StandardPalette())) ? 0 : 1;
}

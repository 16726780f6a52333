// Writes the eight cell images, BLABL.bmp to GRAYBL.bmp, and the seven
// patterned block images, REDPT.bmp to GRAYPT.bmp, into the folder given.

#include "resources/generators/CellPattern.h"
#include "resources/generators/CellPicture.h"
#include "resources/generators/Dib.h"
#include "resources/generators/Palette.h"
#include "resources/generators/SaveFile.h"

#include <string>

int main(int argc, char** argv) {
    using namespace ResGen;
    std::string folder;
    if (!OutputFolder(argc, argv, folder)) return 2;
    bool saved = true;
    for (int code = 0; code < CellCount; ++code) {
        // The empty cell is all black, so one bit per pixel holds it.
        const bool empty = code == 0;
        const auto bytes = EncodeBmpFile(CellPicture(code), empty ? 1 : 4,
                                         empty ? MonoPalette() : StandardPalette());
        saved = SaveFile(folder + "/" + CellNames[code] + ".bmp", bytes) && saved;
    }
    for (int code = 1; code < CellCount; ++code) {
        const auto bytes = EncodeBmpFile(PatternedCellPicture(code), 4, StandardPalette());
        saved = SaveFile(folder + "/" + PatternedCellNames[code] + ".bmp", bytes) && saved;
    }
    return saved ? 0 : 1;
}

#include "resources/generators/SaveFile.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iostream>

namespace ResGen {

bool SaveFile(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    file.close();
    if (!file) {
        std::cerr << "cannot write " << path << ": " << std::strerror(errno) << '\n';
        return false;
    }
    return true;
}

bool OutputFolder(int argc, char** argv, std::string& folder) {
    if (argc != 2) {
        std::cerr << "usage: " << argv[0] << " OUTPUT-FOLDER\n";
        return false;
    }
    folder = argv[1];
    return true;
}

} // namespace ResGen

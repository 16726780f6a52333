#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace ResGen {

// Writes the bytes to the file, replacing it. On failure says why on standard
// error and returns false, so that the build step fails visibly.
bool SaveFile(const std::string& path, const std::vector<uint8_t>& bytes);

// The output folder, the generators' one argument. Without it, prints the
// usage on standard error and returns false.
bool OutputFolder(int argc, char** argv, std::string& folder);

} // namespace ResGen

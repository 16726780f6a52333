#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace ResGen {

// Writes the bytes to the file, replacing it. On failure says why on standard
// error and returns false, so that the build step fails visibly.
bool SaveFile(const std::string& path, const std::vector<uint8_t>& bytes);

} // namespace ResGen

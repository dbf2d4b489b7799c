// Reads a whole regular file into memory; every loader starts here.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kavalto {

// False when the file cannot be opened or read, or is not a regular file.
bool ReadWholeFile(const std::string& path, std::vector<uint8_t>& bytes);

}  // namespace kavalto

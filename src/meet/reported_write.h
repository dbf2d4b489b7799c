// A safe write whose failure the operator is told of once, in the words the
// program uses for every file it saves.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "meet/notifier.h"

namespace kavalto {

// False, after "Filen kan ikke opprettes" or the disk-full message, when the
// file could not be written (an empty path cannot be created); a file
// already at the path is then intact. keepPrevious as for WriteFileSafely.
bool WriteFileReported(Notifier& notifier, const std::string& path, std::span<const uint8_t> bytes,
                       const std::string& keepPrevious = {});

}  // namespace kavalto

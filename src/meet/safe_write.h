// Every file the program writes goes through here: a temporary file beside
// the target, written, flushed and synced, then renamed over the target.
// A failure leaves the previous file intact.
#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace kavalto {

enum class WriteFailure { kNone, kCannotCreate, kCannotWrite };

// When keepPrevious is given and the target exists, the previous target is
// kept under that name (replacing an older copy) once the new file is safely
// in place.
WriteFailure WriteFileSafely(const std::string& path, std::span<const uint8_t> bytes,
                             const std::string& keepPrevious = {});

}  // namespace kavalto

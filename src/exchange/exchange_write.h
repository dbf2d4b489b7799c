// Club and ring files go to disk through the safe write; a failure is told
// to the operator once, here.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "meet/meet_state.h"

namespace kavalto {

// False, after "Filen kan ikke opprettes" or the disk-full message, when the
// file could not be written; a file already at the path is then intact.
bool WriteExchangeFile(MeetState& meet, const std::string& path, std::span<const uint8_t> bytes);

}  // namespace kavalto

// The club results file (".agr"): a checksum line, a header of 24 keys and
// one line per first-run result, each line ended by CR, LF and a zero byte.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "meet/meet_state.h"

namespace kavalto {

inline constexpr char kClubLineEnd[] = {'\r', '\n', '\0'};

// The whole file. Always the first run: currentRun is set to 0 while the
// lists are built and restored afterwards.
std::vector<uint8_t> ClubResultsBytes(MeetState& meet);

// Writes the file safely; false, after a message, when it cannot be written.
bool ExportClubResults(MeetState& meet, const std::string& path);

}  // namespace kavalto

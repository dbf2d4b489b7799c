// The ring results file (".agr"): the first-run results of one computer's
// classes, read into the other computer's copy of the same meet when the
// meet runs in two rings. Records are addressed by their place in the
// arrays, so both computers must hold copies of one meet file.
//
// Layout (little-endian): meetId (100 bytes); C, then C x (int32 slot, the
// 168-byte class); E, then E x (int32 equipage, int32 entry 0..4, the
// 200-byte entry); T, then T x (int32 team, the 556-byte team).
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "meet/meet_state.h"

namespace kavalto {

inline constexpr size_t kRingClassBytes = 4 + sizeof(ClassRecord);
inline constexpr size_t kRingEntryBytes = 8 + sizeof(ClassEntry);
inline constexpr size_t kRingTeamBytes = 4 + sizeof(TeamRecord);

// Marks what goes into the file (entries with a first-run result, their
// classes, the teams they are members of) and gives its bytes. The marks
// stay set until the next ring results file is made.
std::vector<uint8_t> RingResultsBytes(MeetState& meet);

// Writes the file safely; false, after a message, when it cannot be
// written (the marks are then as they were).
bool SaveRingResults(MeetState& meet, const std::string& path);

// Reads a ring results file into the meet. The whole file is checked first:
// a file of another meet ("Feil Stevne ID"), a truncated file, or one that
// names a class, equipage, entry or team this meet does not have is refused
// with a message and the meet stays as it was. Afterwards the team members
// are re-ordered.
bool ImportRingResultsBytes(MeetState& meet, std::span<const uint8_t> bytes);
bool ImportRingResults(MeetState& meet, const std::string& path);

}  // namespace kavalto

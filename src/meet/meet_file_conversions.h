// How meet files of older versions become the current meet.
#pragma once

#include <cstdint>

#include "meet/meet_state.h"

namespace kavalto {

// Version 27 numbered the classes without the Open classes of each size:
// its 23 slots map to these.
inline constexpr int kVersion27ClassCount = 23;
inline constexpr int kMap27[kVersion27ClassCount] = {0,  1,  2,  4,  5,  6,  8,  9,  10, 3,  12, 13,
                                                     14, 16, 17, 18, 20, 21, 22, 15, 24, 25, 26};

// Fields an older version did not have, cleared or renumbered as each record
// is read.
void ConvertEquipageRecord(EquipageRecord& equipage, int32_t version);
void ConvertTeamRecord(TeamRecord& team, int32_t version);

// What an older version needs once everything is read: teams by size, Open
// entries in their size's Open class, start numbers and start orders.
void ConvertLoadedMeet(MeetState& meet, int32_t version);

}  // namespace kavalto

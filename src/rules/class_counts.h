// Questions about a class in the current run: entrants, recorded results,
// combined results and the average speed.
#pragma once

#include <cstdint>

#include "meet/meet_state.h"

namespace kavalto {

// Equipages entered in the class for the current run; 0 when the class does
// not take part in it.
int32_t CountEntrants(const MeetState& meet, int classSlot);
// Teams of the team class taking part in the current run.
int32_t CountTeamEntrants(const MeetState& meet, int classSlot);

// Something other than "Ikke Møtt" is recorded for the entry in the current run.
bool HasRunResult(const MeetState& meet, int equipage, int entryKind);

// A combined result exists: the class and its twin both take part in the
// current run; a team class must take part in both runs, the second current.
bool CombinedAvailable(const MeetState& meet, int classSlot);

// Mean speed of the timed, not disqualified runs of the class, hundredths of
// a metre per second (single precision, truncated); 0 when there are none.
int32_t AverageSpeed(const MeetState& meet, int classSlot);

}  // namespace kavalto

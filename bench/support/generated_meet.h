// A generated meet of realistic size for the benchmarks.
#pragma once

#include "meet/meet_state.h"

namespace kavalto::bench {

// A club meet with the given numbers of equipages and teams. Every equipage
// runs its Hopp and Agility level classes; Hopp Large 1 (slot 8) holds
// exactly min(300, equipages) of them. Team members come from the equipages
// in order. Results are recorded in the first run: most clean or with
// faults, some over the standard time, a few disqualified or absent, some
// not yet run. The same arguments always give the same meet.
void GenerateMeet(MeetState& meet, int equipages, int teams);

// The meet of the size the targets name (1500 equipages, 180 teams), made
// once per benchmark program.
MeetState& StandardMeet();

}  // namespace kavalto::bench

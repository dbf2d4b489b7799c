// The qualification mark "Napp" of the first run at a club meet.
#pragma once

#include <cstdint>

#include "meet/meet_state.h"

namespace kavalto {

// The highest place that earns the mark with n starters: 1 + 15 % of n,
// worked out in single precision as the program always has.
int32_t NappLimit(int32_t starters);

// Sets or clears the "Napp" flag of every placed and eliminated row of the
// individual list just built in meet.resultList; rows without a result keep
// theirs.
void ComputeNapp(MeetState& meet);

}  // namespace kavalto

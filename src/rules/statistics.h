// The counts of the statistics sheet.
#pragma once

#include "meet/meet_state.h"

namespace kavalto {

// Fills meet.statistics for the current run: per class entered, started,
// fault-free and eliminated, and the total of entries over all classes.
void ComputeClassStatistics(MeetState& meet);

}  // namespace kavalto

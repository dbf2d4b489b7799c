// The results list of a class (meet.resultList): placed rows, then the
// eliminated rows, then the rows without a countable result.
#pragma once

#include "meet/meet_state.h"

namespace kavalto {

// Rebuilds meet.resultList for the class in the current run, combined with
// the twin class (or, for a team class, the other run) when combine is set.
// Uses the equipages' workMark and the teams' ringMark. In the first run of
// a club meet an uncombined individual list also sets the "Napp" marks.
void BuildResultList(MeetState& meet, int classSlot, bool combine);

}  // namespace kavalto

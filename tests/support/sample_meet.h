// A small meet that uses every block of the meet file: equipages, a team, a
// banner, non-zero reserved bytes and bytes after text terminators.
#pragma once

#include "meet/meet_state.h"

namespace kavalto::test {

void MakeSampleMeet(MeetState& meet);

}  // namespace kavalto::test

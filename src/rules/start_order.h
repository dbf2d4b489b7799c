// Start order of the classes: the positions (startOrder) of the entrants of a
// class in the current run.
#pragma once

#include "meet/meet_state.h"

namespace kavalto {

// Rebuilds the positions of one class for the current run. A class that is
// not in the first run loses its second run. In the first run the entrants
// start by start number (table order on equal numbers); the members of the
// teams of a team class follow their teams. The second run's order belongs
// to the finals and is left as it is here.
void OrderByStartNumber(MeetState& meet, int classSlot);

// OrderByStartNumber for all 27 classes.
void OrderAllClasses(MeetState& meet);

}  // namespace kavalto

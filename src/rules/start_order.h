// Start numbers and start order: the number each entrant of a class carries
// and its position (startOrder) in the class for each run. Within a class
// and run the positions are kept 0, 1, 2, ... without gaps; a lower position
// starts earlier.
#pragma once

#include <cstdint>

#include "meet/meet_state.h"

namespace kavalto {

// The start number for a new entry (or team) of the class. Club meet: one
// series for the whole meet from 8000. Private meet: one series per class
// from class x 200 + 1.
int32_t NextStartNumber(const MeetState& meet, int classSlot);

// Puts the equipage's entry for the class last in the current run.
void AppendToStartOrder(MeetState& meet, int classSlot, int32_t equipage);

// Takes the equipage's entry out of the class's order of the current run
// (its position becomes 0) and closes the gap.
void RemoveFromStartOrder(MeetState& meet, int classSlot, int32_t equipage);

// The same for a team of a team class.
void RemoveTeamFromStartOrder(MeetState& meet, int teamClass, int32_t team);

// A bitch in season starts last: the equipage is moved to the end of every
// individual class it is entered in for the first run.
void MoveToEndForSeason(MeetState& meet, int32_t equipage);

// Rebuilds the positions of one class for the current run. A class that is
// not in the first run loses its second run. In the first run the entrants
// start by start number (table order on equal numbers) and the members of
// the teams of a team class follow their teams; the second run's entrants
// and order are chosen by the finals.
void OrderByStartNumber(MeetState& meet, int classSlot);

// OrderByStartNumber for all 27 classes.
void OrderAllClasses(MeetState& meet);

// The random draw ("Lag tilfeldig start rekkefølge", already confirmed): new
// random start numbers for every class of the first run, in blocks of a
// multiple of 100, dogs in season drawn last; then OrderAllClasses.
void DrawStartNumbers(MeetState& meet);

// Positions of the team members in every team class of the current run:
// team by team in start order, all dogs in season after the others.
void OrderTeamMembers(MeetState& meet);

// The equipage (team) at a position of the class in the current run. When
// none holds it, the first in table order with a greater position takes it
// (closing a gap). -1 when no entrant holds that position or a greater one.
int32_t EquipageAtPosition(MeetState& meet, int classSlot, int32_t position);
int32_t TeamAtPosition(MeetState& meet, int teamClass, int32_t position);

// A walk through the equipages of a class in start order (uses workMark).
struct StartOrderWalk {
    int classSlot = 0;
};
StartOrderWalk BeginStartOrder(MeetState& meet, int classSlot);
// The next equipage of the walk, -1 when all have been given.
int32_t NextInStartOrder(MeetState& meet, const StartOrderWalk& walk);

// Closes the gaps in every class of the first run.
void RepairStartOrder(MeetState& meet);

// Moves an entrant from its position to the given one in the current run;
// the entrants between shift by one (the start list editor's move).
void MoveInStartOrder(MeetState& meet, int classSlot, int32_t equipage, int32_t position);
void MoveTeamInStartOrder(MeetState& meet, int teamClass, int32_t team, int32_t position);

}  // namespace kavalto

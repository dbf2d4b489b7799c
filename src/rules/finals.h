// The second run of a double meet: the run selector and the finalists.
#pragma once

#include "meet/meet_state.h"

namespace kavalto {

// Items of the run selector ("Velg Løp").
enum RunSelectorItem : int {
    kSelectQualification = 0,  // "Kvalifisering"
    kSelectHoppFinal = 1,      // "Hopp Finale"
    kSelectAgilityFinal = 2,   // "Agility Finale"
};

// Sets currentRun and agilityFinal; the two finals rebuild the second-run
// entrants and order of all 27 classes.
void SelectRun(MeetState& meet, int item);

// The item the selector shows for the meet's current run and final.
int SelectedRunItem(const MeetState& meet);

// "Enkel" (single) or "Dobbel" (double). Single forces the first run.
void SetSingleRun(MeetState& meet, bool single);

// The second-run entrants and start order of an individual class: the Hopp
// final from the combined qualification, the Agility final from the Hopp
// final's results (by meet.info.agilityFinal).
void SelectFinalists(MeetState& meet, int classSlot);

// The teams of the team final, in reverse order of their first-run places,
// and their members' positions.
void SelectTeamFinalists(MeetState& meet, int teamClass);

}  // namespace kavalto

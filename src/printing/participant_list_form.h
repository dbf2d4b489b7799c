// The participant lists of the lists page, printed from the rows that page
// supplies. They are not print items: the page prints its list at once.
#pragma once

#include <cstdint>
#include <vector>

#include "meet/meet_state.h"
#include "printing/print_engine.h"

namespace kavalto {

enum ParticipantListKind : int {
    kListAllStarts = 0,          // "Liste over alle starter"
    kListAllParticipants = 1,    // "Liste over alle deltakerer"
    kListAllTeams = 2,           // "Liste over alle lag"
    kListAllDogs = 3,            // "Liste over alle hunder"
    kListNotMailed = 4,          // results not yet sent by e-mail
};

struct ParticipantListRow {
    int32_t classSlot = 0;
    int32_t equipage = -1;
    int32_t team = -1;
    int32_t entry = 0;           // the equipage's entry 0..4
};

struct ParticipantList {
    int kind = kListAllStarts;
    std::vector<ParticipantListRow> rows;
};

// The next page of the list (the engine's progress counter is the next row);
// true when the list is complete.
bool RenderParticipantList(MeetState& meet, PrintEngine& engine, const ParticipantList& list);

// Counts the pages, then draws each page as a sheet of its own on the
// target; false when the target refuses a sheet.
bool PrintParticipantList(MeetState& meet, PrintEngine& engine, PrintTarget& target, const ParticipantList& list);

}  // namespace kavalto

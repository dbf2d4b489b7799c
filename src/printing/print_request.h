// What a print button asks for, and its expansion into print items.
#pragma once

#include <cstdint>
#include <vector>

#include "meet/meet_state.h"
#include "printing/print_item.h"

namespace kavalto {

enum PrintKind : int32_t {
    kPrintEquipageEntryForm = 0,
    kPrintTeamEntryForms = 1,
    kPrintStatistics = 2,
    kPrintStartCards = 3,
    kPrintScribeForms = 4,
    kPrintStartLists = 5,
    kPrintResults = 6,
    kPrintCombined = 8,
    kPrintJudgeLists = 9,
    kPrintJudgeSheets = 10,
};

struct PrintRequest {
    int32_t kind = 0;
    bool all = false;             // every class / team / equipage
    bool teamsOnly = false;       // kinds 4, 5, 10
    bool individualsOnly = false; // kinds 4, 5, 10
    bool lateOnly = false;        // kinds 3, 4: only late entries
    bool oneEquipage = false;     // kind 4: the given equipage's entries
    bool byClass = false;         // kind 10: by class, not the given equipage or team
    int32_t team = -1;
    int32_t classSlot = 0;
    int32_t judge = 0;            // kind 9: index into the judges list
    int32_t equipage = -1;
    std::vector<PrintItem> items;
    int32_t current = 0;

    int32_t count() const { return static_cast<int32_t>(items.size()); }
};

// Replaces the request's items by the expansion of its kind for the
// current run. Out of memory: "Out of memory" (once per program run) and no items.
void BuildPrintItems(MeetState& meet, PrintRequest& request);

// The judges list of the results page's "Hvilken Dommer?": the distinct
// judges of the classes taking part in the current run, in slot order, at
// most ten. Answers how many.
int CollectJudges(MeetState& meet);

}  // namespace kavalto

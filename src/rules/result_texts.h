// The texts of a results row as the results page, the big screen, the
// printed lists and the club export show them (code page 1252).
#pragma once

#include <cstdint>

#include "meet/meet_state.h"

namespace kavalto {

struct FormattedRow {
    ResultRowTexts texts{};
    int32_t team = -1;           // -1 on rows of an individual class
    int32_t equipage = -1;       // -1 on a team's own row
    int32_t entryKind = -1;      // the entry of the list's class; -1 for a row outside the list
};

// The texts of one row of meet.resultList, scored in the list's context.
// A row number outside the list gives empty texts and no result.
FormattedRow FormatResultRow(MeetState& meet, int row);

// The run texts (time, time faults, faults, refusals, result and the three
// flags) of one run only, without list context; equipage -1 scores the team.
ResultRowTexts FormatRunTexts(MeetState& meet, int classSlot, int team, int equipage, int run);

// The award shown beside a result: "Napp", "CACIAC", "R. CACIAC",
// "Champion", "Cert" or one blank.
const char* AwardText(const MeetState& meet, int classSlot, int equipage);

// True when a hand-set award (Champion, Cert, CACIAC, R. CACIAC) is set on a
// level-3 entry at a club meet; "Napp" is shown through AwardText only.
bool HasAward(const MeetState& meet, int equipage, int entryKind, int award);

}  // namespace kavalto

#include "rules/napp.h"

#include <cstddef>

#include "meet/class_catalogue.h"
#include "rules/scoring.h"

namespace kavalto {

int32_t NappLimit(int32_t starters) {
    // The limit has always been n / 100 * -15 in float, truncated toward
    // zero and taken from 1; it equals 1 + 15 * n / 100 below 420 starters.
    const float share = static_cast<float>(starters) / 100.0f;
    const float scaled = share * -15.0f;
    return 1 - static_cast<int32_t>(scaled);
}

void ComputeNapp(MeetState& meet) {
    const ResultList& list = meet.resultList;
    const int slot = list.classSlot;
    const int run = list.run;
    if (!IsClassSlot(slot) || IsTeamClass(slot) || !IsRunIndex(run)) return;
    const int kind = EntryOfClass(slot);

    int32_t starters = 0;
    for (const EquipageRecord& e : meet.equipages) {
        const ClassEntry& entry = e.entries[kind];
        if (IsEnteredIn(entry, slot, run) && entry.run[run].notPresent == 0) ++starters;
    }
    const int32_t limit = NappLimit(starters);

    for (int32_t r = 0; r < list.placedOrEliminatedCount; ++r) {
        const ResultRow row = list.rows[static_cast<size_t>(r)];
        ClassEntry& entry = meet.equipages[static_cast<size_t>(row.equipage)].entries[kind];
        entry.awards[kAwardNapp] = 0;
        ScoreRun(meet, run, row.equipage, kind, slot);
        const RunScore& s = meet.runScore;
        const bool clean = s.disqualified == 0 && s.overMaxTime == 0 && s.threeRefusals == 0 && s.notPresent == 0 &&
                           s.totalFaults == 0 && s.time != 0;
        if (clean && (row.place <= limit || row.place <= 3)) entry.awards[kAwardNapp] = 1;
    }
}

}  // namespace kavalto

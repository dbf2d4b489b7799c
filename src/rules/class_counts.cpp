#include "rules/class_counts.h"

#include <cstddef>

#include "meet/class_catalogue.h"
#include "rules/scoring.h"

namespace kavalto {

int32_t CountEntrants(const MeetState& meet, int classSlot) {
    const int run = meet.info.currentRun;
    if (!TakesPart(meet, classSlot, run)) return 0;
    const int kind = EntryOfClass(classSlot);
    int32_t count = 0;
    for (const EquipageRecord& e : meet.equipages) {
        if (IsEnteredIn(e.entries[kind], classSlot, run)) ++count;
    }
    return count;
}

int32_t CountTeamEntrants(const MeetState& meet, int classSlot) {
    const int run = meet.info.currentRun;
    if (!TakesPart(meet, classSlot, run)) return 0;
    int32_t count = 0;
    for (const TeamRecord& team : meet.teams) {
        if (team.classSlot == classSlot && team.inRun[run] != 0) ++count;
    }
    return count;
}

bool HasRunResult(const MeetState& meet, int equipage, int entryKind) {
    const int run = meet.info.currentRun;
    if (!IsEquipageIndex(meet, equipage) || entryKind < 0 || entryKind >= kEntriesPerEquipage || !IsRunIndex(run)) {
        return false;
    }
    const ClassEntry& entry = meet.equipages[static_cast<size_t>(equipage)].entries[entryKind];
    const RunResult& r = entry.run[run];
    return entry.entered[run] != 0 && TakesPart(meet, entry.classSlot, run) && r.notPresent == 0 &&
           (r.time != 0 || r.faults != 0 || r.refusals != 0 || r.disqualified != 0);
}

bool CombinedAvailable(const MeetState& meet, int classSlot) {
    const int run = meet.info.currentRun;
    if (IsTeamClass(classSlot)) return run == 1 && TakesPart(meet, classSlot, 0) && TakesPart(meet, classSlot, 1);
    return IsClassSlot(classSlot) && TakesPart(meet, classSlot, run) && TakesPart(meet, TwinOfClass(classSlot), run);
}

int32_t AverageSpeed(const MeetState& meet, int classSlot) {
    const int run = meet.info.currentRun;
    if (!TakesPart(meet, classSlot, run)) return 0;
    const int kind = EntryOfClass(classSlot);
    const float length = static_cast<float>(meet.classes[static_cast<size_t>(classSlot)].courseLength[run]);
    // Single precision throughout, as the printed figures always were.
    float sum = 0.0f;
    int32_t count = 0;
    for (const EquipageRecord& e : meet.equipages) {
        const ClassEntry& entry = e.entries[kind];
        const RunResult& r = entry.run[run];
        if (!IsEnteredIn(entry, classSlot, run) || r.time == 0 || r.disqualified != 0) continue;
        sum += length / (static_cast<float>(r.time) / 100.0f);
        ++count;
    }
    if (count == 0) return 0;
    const float mean = sum * 100.0f / static_cast<float>(count);
    // Absurd lengths or times must not overflow the conversion.
    if (!(mean > -2147483520.0f)) return mean < 0.0f ? INT32_MIN : 0;
    if (!(mean < 2147483520.0f)) return INT32_MAX;
    return static_cast<int32_t>(mean);
}

}  // namespace kavalto

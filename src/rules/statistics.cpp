#include "rules/statistics.h"

#include <cstddef>

#include "meet/class_catalogue.h"
#include "rules/class_counts.h"
#include "rules/scoring.h"

namespace kavalto {
namespace {

// Started unless absent; then eliminated, or fault-free with a time and no faults.
void Count(ClassStatistics& stats, int slot, const RunScore& s) {
    if (s.notPresent != 0) return;
    ++stats.started[slot];
    if (s.disqualified != 0 || s.overMaxTime != 0 || s.threeRefusals != 0) {
        ++stats.eliminated[slot];
    } else if (s.time > 0 && s.totalFaults == 0) {
        ++stats.faultFree[slot];
    }
}

}  // namespace

void ComputeClassStatistics(MeetState& meet) {
    ClassStatistics& stats = meet.statistics;
    stats = ClassStatistics{};
    const int run = meet.info.currentRun;
    if (!IsRunIndex(run)) return;
    for (int slot = 0; slot < kClassCount; ++slot) {
        if (IsTeamClass(slot)) {
            for (int32_t t = 0; t < meet.teamCount(); ++t) {
                const TeamRecord& team = meet.teams[static_cast<size_t>(t)];
                if (team.inRun[run] == 0 || team.classSlot != slot) continue;
                ++stats.total;
                ++stats.entered[slot];
                ScoreTeam(meet, run, t, slot);
                Count(stats, slot, meet.teamScore);
            }
            continue;
        }
        // An equipage entered twice in the class (two entries holding it) counts twice.
        for (int32_t i = 0; i < meet.equipageCount(); ++i) {
            for (int kind = kEntryHopp; kind <= kEntryAgilityOpen; ++kind) {
                if (!IsEnteredIn(meet.equipages[static_cast<size_t>(i)].entries[kind], slot, run)) continue;
                ++stats.total;
                ++stats.entered[slot];
                ScoreRun(meet, run, i, kind, slot);
                Count(stats, slot, meet.runScore);
            }
        }
    }
}

StatisticsTotals SumClassStatistics(const MeetState& meet) {
    const ClassStatistics& stats = meet.statistics;
    StatisticsTotals totals;
    totals.entered = stats.total;
    const int run = meet.info.currentRun;
    int64_t speedSum = 0;
    int64_t speedCount = 0;
    for (int slot = 0; slot < kClassCount; ++slot) {
        if (TakesPart(meet, slot, run)) {
            totals.started += stats.started[slot];
            totals.faultFree += stats.faultFree[slot];
            totals.eliminated += stats.eliminated[slot];
        }
        const int32_t speed = AverageSpeed(meet, slot);
        if (speed == 0) continue;
        speedSum += speed;
        ++speedCount;
    }
    totals.meanSpeed = speedCount == 0 ? 0 : static_cast<int32_t>(speedSum / speedCount);
    return totals;
}

}  // namespace kavalto

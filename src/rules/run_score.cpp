#include <cstddef>

#include "meet/class_catalogue.h"
#include "rules/scoring.h"

namespace kavalto {
namespace {

constexpr int32_t kFaultWeight = 500;  // a fault or a refusal costs 5 points

// Record values come from files and may be anything; the sums wrap around
// in 32 bits as the stored format does instead of overflowing.
int32_t Wrap(int64_t value) { return static_cast<int32_t>(value); }

}  // namespace

void AddScores(RunScore& sum, const RunScore& more) {
    sum.time = Wrap(int64_t{sum.time} + more.time);
    sum.timeFaults = Wrap(int64_t{sum.timeFaults} + more.timeFaults);
    sum.faults = Wrap(int64_t{sum.faults} + more.faults);
    sum.refusals = Wrap(int64_t{sum.refusals} + more.refusals);
    sum.totalFaults = Wrap(int64_t{sum.totalFaults} + more.totalFaults);
    sum.disqualified = Wrap(int64_t{sum.disqualified} + more.disqualified);
    sum.overMaxTime = Wrap(int64_t{sum.overMaxTime} + more.overMaxTime);
    sum.threeRefusals = Wrap(int64_t{sum.threeRefusals} + more.threeRefusals);
    sum.notPresent = Wrap(int64_t{sum.notPresent} + more.notPresent);
}

bool ScoreRun(MeetState& meet, int run, int equipage, int entryKind, int classSlot) {
    RunScore& score = meet.runScore;
    score = RunScore{};
    if (!IsRunIndex(run) || !IsEquipageIndex(meet, equipage) || entryKind < 0 || entryKind >= kEntriesPerEquipage ||
        !IsClassSlot(classSlot)) {
        return false;
    }
    const ClassEntry& entry = meet.equipages[static_cast<size_t>(equipage)].entries[entryKind];
    if (entry.entered[run] == 0) return false;

    const ClassRecord& cls = meet.classes[static_cast<size_t>(classSlot)];
    const RunResult& result = entry.run[run];
    score.time = result.time;
    score.faults = result.faults;
    score.refusals = result.refusals;
    score.disqualified = result.disqualified;
    score.notPresent = result.notPresent;
    score.timeFaults = score.time > cls.standardTime[run] ? Wrap(int64_t{score.time} - cls.standardTime[run]) : 0;
    score.totalFaults = Wrap((int64_t{score.faults} + score.refusals) * kFaultWeight + score.timeFaults);
    score.overMaxTime = (cls.maxTimeOn != 0 && score.time > cls.maxTime[run]) ? 1 : 0;
    score.threeRefusals = score.refusals >= 3 ? 1 : 0;
    return true;
}

bool ScoreWithTwin(MeetState& meet, int run, int equipage, int classSlot, bool combine) {
    const bool entered = ScoreRun(meet, run, equipage, EntryOfClass(classSlot), classSlot);
    if (!combine || !IsClassSlot(classSlot)) return entered;
    const RunScore own = meet.runScore;
    if (IsTeamClass(classSlot)) {
        ScoreRun(meet, 1 - run, equipage, kEntryTeam, classSlot);
    } else {
        const int twin = TwinOfClass(classSlot);
        ScoreRun(meet, run, equipage, EntryOfClass(twin), twin);
    }
    AddScores(meet.runScore, own);
    return entered;
}

bool IsPlaceable(const RunScore& score) {
    return score.time != 0 && score.notPresent == 0 && score.disqualified == 0 && score.overMaxTime == 0 &&
           score.threeRefusals == 0;
}

void StoreRunScore(MeetState& meet, int equipage, int classSlot) {
    const int run = meet.info.currentRun;
    if (!IsRunIndex(run) || !IsEquipageIndex(meet, equipage) || !IsClassSlot(classSlot)) return;
    RunResult& result = meet.equipages[static_cast<size_t>(equipage)].entries[EntryOfClass(classSlot)].run[run];
    const RunScore& score = meet.runScore;
    result.time = score.time;
    result.faults = score.faults;
    result.refusals = score.refusals;
    result.disqualified = score.disqualified;
    result.notPresent = score.notPresent;
}

}  // namespace kavalto

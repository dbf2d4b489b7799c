#include "rules/result_list.h"

#include <algorithm>
#include <cstddef>
#include <vector>

#include "meet/class_catalogue.h"
#include "rules/napp.h"
#include "rules/scoring.h"

namespace kavalto {
namespace {

// An equipage (or team) of the list with its score, worked out once.
struct Candidate {
    int32_t index;
    RunScore score;
};

int64_t FaultsAndRefusals(const RunScore& s) { return int64_t{s.faults} + s.refusals; }

// The order of the placed rows: lowest total faults, then faults plus
// refusals, then time; on a full tie the later record of the table first.
// Sorting by it gives the rows the repeated "take the best" selection gives.
bool PlacesBefore(const Candidate& a, const Candidate& b) {
    if (a.score.totalFaults != b.score.totalFaults) return a.score.totalFaults < b.score.totalFaults;
    if (FaultsAndRefusals(a.score) != FaultsAndRefusals(b.score)) {
        return FaultsAndRefusals(a.score) < FaultsAndRefusals(b.score);
    }
    if (a.score.time != b.score.time) return a.score.time < b.score.time;
    return a.index > b.index;
}

bool SameResult(const RunScore& a, const RunScore& b) {
    return a.totalFaults == b.totalFaults && a.time == b.time && FaultsAndRefusals(a) == FaultsAndRefusals(b);
}

// The eliminated groups in list order; a run in several lands in the first.
enum Group { kThreeRefusals, kOverMaxTime, kDisqualified, kNotPresent, kNoGroup };

Group GroupOf(const RunScore& s) {
    if (s.threeRefusals != 0) return kThreeRefusals;
    if (s.overMaxTime != 0) return kOverMaxTime;
    if (s.disqualified != 0) return kDisqualified;
    if (s.notPresent != 0) return kNotPresent;
    return kNoGroup;
}

bool HasSomethingRecorded(const RunResult& r) { return r.notPresent != 0 || r.disqualified != 0 || r.time != 0; }

// Placeable candidates in placing order, each with its place: a row equal
// to the one before shares its place, otherwise it takes its own number.
template <class Emit>
void EmitPlaced(std::vector<Candidate>& candidates, Emit emit) {
    std::vector<Candidate> placed;
    placed.reserve(candidates.size());
    for (const Candidate& c : candidates) {
        if (IsPlaceable(c.score)) placed.push_back(c);
    }
    std::sort(placed.begin(), placed.end(), PlacesBefore);
    int32_t place = 0;
    for (size_t i = 0; i < placed.size(); ++i) {
        if (i == 0 || !SameResult(placed[i].score, placed[i - 1].score)) place = static_cast<int32_t>(i + 1);
        emit(placed[i].index, place);
    }
}

void BuildIndividualList(MeetState& meet, int classSlot, bool combine) {
    ResultList& list = meet.resultList;
    const int run = list.run;
    const int kind = EntryOfClass(classSlot);
    const int twin = TwinOfClass(classSlot);
    const int twinKind = EntryOfClass(twin);

    std::vector<Candidate> marked;
    bool anyEntered = false;
    for (int32_t i = 0; i < meet.equipageCount(); ++i) {
        EquipageRecord& e = meet.equipages[static_cast<size_t>(i)];
        e.workMark = 0;
        const ClassEntry& entry = e.entries[kind];
        if (!IsEnteredIn(entry, classSlot, run)) continue;
        anyEntered = true;
        if (combine) {
            const ClassEntry& other = e.entries[twinKind];
            if (!HasSomethingRecorded(entry.run[run]) || !IsEnteredIn(other, twin, run) ||
                !HasSomethingRecorded(other.run[run])) {
                continue;
            }
        }
        e.workMark = 1;
        ScoreWithTwin(meet, run, i, classSlot, combine);
        marked.push_back({i, meet.runScore});
    }
    if (!anyEntered) return;

    auto append = [&](int32_t equipage, int32_t place) {
        meet.equipages[static_cast<size_t>(equipage)].workMark = 2;
        list.rows.push_back({-1, equipage, place});
    };
    EmitPlaced(marked, append);
    list.placedCount = static_cast<int32_t>(list.rows.size());
    // Rows after the placed ones carry their 0-based row number as place.
    for (int group = kThreeRefusals; group <= kNoGroup; ++group) {
        if (group == kNoGroup) list.placedOrEliminatedCount = static_cast<int32_t>(list.rows.size());
        for (const Candidate& c : marked) {
            if (meet.equipages[static_cast<size_t>(c.index)].workMark == 1 && GroupOf(c.score) == group) {
                append(c.index, static_cast<int32_t>(list.rows.size()));
            }
        }
    }
    list.allCount = static_cast<int32_t>(list.rows.size());

    if (run == 0 && !combine && IsClubMeet(meet)) ComputeNapp(meet);
}

// A team's row followed by one row per occupied member place.
void AppendTeamRows(MeetState& meet, int32_t team, int32_t place) {
    TeamRecord& record = meet.teams[static_cast<size_t>(team)];
    record.ringMark = 2;
    meet.resultList.rows.push_back({team, -1, place});
    for (int m = 0; m < kTeamMembers; ++m) {
        if (MemberEquipage(meet, record, m) != nullptr) meet.resultList.rows.push_back({team, record.members[m], 0});
    }
}

void BuildTeamList(MeetState& meet, int classSlot, bool combine) {
    ResultList& list = meet.resultList;
    const int run = list.run;
    std::vector<Candidate> marked;
    for (int32_t t = 0; t < meet.teamCount(); ++t) {
        TeamRecord& team = meet.teams[static_cast<size_t>(t)];
        team.ringMark = 0;
        if (team.inRun[run] == 0 || team.classSlot != classSlot) continue;
        team.ringMark = 1;
        ScoreTeamBothRuns(meet, run, t, classSlot, combine);
        marked.push_back({t, meet.teamScore});
    }
    if (marked.empty()) return;

    int32_t teamNumber = 0;
    EmitPlaced(marked, [&](int32_t team, int32_t place) {
        ++teamNumber;
        AppendTeamRows(meet, team, place);
    });
    list.placedTeams = teamNumber;
    list.placedCount = static_cast<int32_t>(list.rows.size());
    // The teams after the placed ones carry their 1-based running number,
    // which no list shows.
    for (int group = kThreeRefusals; group <= kNoGroup; ++group) {
        if (group == kNoGroup) list.placedOrEliminatedCount = static_cast<int32_t>(list.rows.size());
        for (const Candidate& c : marked) {
            if (meet.teams[static_cast<size_t>(c.index)].ringMark == 1 && GroupOf(c.score) == group) {
                AppendTeamRows(meet, c.index, ++teamNumber);
            }
        }
    }
    list.allCount = static_cast<int32_t>(list.rows.size());
}

}  // namespace

void BuildResultList(MeetState& meet, int classSlot, bool combine) {
    ResultList& list = meet.resultList;
    list.rows.clear();
    list.placedCount = list.placedOrEliminatedCount = list.allCount = 0;
    list.placedTeams = 0;
    list.classSlot = classSlot;
    list.run = meet.info.currentRun;
    list.combined = combine;
    if (!TakesPart(meet, classSlot, list.run)) return;
    if (IsTeamClass(classSlot)) {
        BuildTeamList(meet, classSlot, combine);
    } else {
        BuildIndividualList(meet, classSlot, combine);
    }
}

}  // namespace kavalto

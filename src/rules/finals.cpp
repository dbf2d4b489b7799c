#include "rules/finals.h"

#include <algorithm>
#include <vector>

#include "meet/class_catalogue.h"
#include "rules/result_list.h"
#include "rules/scoring.h"
#include "rules/start_order.h"

namespace kavalto {
namespace {

constexpr int kQualification = 0;
constexpr int kFinal = 1;

void ClearSecondRunEntries(MeetState& meet, int classSlot) {
    const int kind = EntryOfClass(classSlot);
    for (EquipageRecord& e : meet.equipages) {
        if (e.entries[kind].classSlot == classSlot) e.entries[kind].entered[kFinal] = 0;
    }
}

// Starters of a final go in reverse order of their earlier places: the
// rows are walked from the last to the first.
void EnterFinalists(MeetState& meet, int classSlot, const std::vector<int32_t>& bestFirst) {
    const int kind = EntryOfClass(classSlot);
    int32_t position = 0;
    for (auto it = bestFirst.rbegin(); it != bestFirst.rend(); ++it) {
        if (!IsEquipageIndex(meet, *it)) continue;
        ClassEntry& entry = meet.equipages[static_cast<size_t>(*it)].entries[kind];
        // A dog moved to another class since it qualified is not put into this final.
        if (entry.classSlot != classSlot) continue;
        entry.startOrder[kFinal] = position++;
        entry.entered[kFinal] = 1;
    }
}

std::vector<int32_t> PlacedEquipages(const MeetState& meet, int32_t count) {
    std::vector<int32_t> placed;
    const ResultList& list = meet.resultList;
    const int32_t rows = std::min<int32_t>(count, list.placedCount);
    for (int32_t i = 0; i < rows; ++i) placed.push_back(list.rows[static_cast<size_t>(i)].equipage);
    return placed;
}

// The Hopp final: the best of the combined qualification (Hopp + Agility).
void SelectHoppFinalists(MeetState& meet, int hoppClass) {
    meet.info.currentRun = kQualification;
    BuildResultList(meet, hoppClass, true);

    const int twin = TwinOfClass(hoppClass);
    const int kind = EntryOfClass(hoppClass);
    const int twinKind = EntryOfClass(twin);
    int64_t inBoth = 0;
    for (const EquipageRecord& e : meet.equipages) {
        if (IsEnteredIn(e.entries[kind], hoppClass, kQualification) && e.entries[twinKind].entered[kQualification] != 0) {
            ++inBoth;
        }
    }
    const int64_t percent = meet.classes[static_cast<size_t>(hoppClass)].finalPercent;
    int64_t finalists = std::max<int64_t>(inBoth * percent / 100, 1);
    finalists = std::min<int64_t>(finalists, meet.resultList.placedCount);

    ClearSecondRunEntries(meet, hoppClass);
    EnterFinalists(meet, hoppClass, PlacedEquipages(meet, static_cast<int32_t>(finalists)));
}

// The Agility final: everyone placed in the Hopp final, the winner last.
void SelectAgilityFinalists(MeetState& meet, int agilityClass) {
    meet.info.currentRun = kFinal;
    BuildResultList(meet, TwinOfClass(agilityClass), false);
    ClearSecondRunEntries(meet, agilityClass);
    EnterFinalists(meet, agilityClass, PlacedEquipages(meet, meet.resultList.placedCount));
}

bool PlaceableInQualification(MeetState& meet, int32_t team, int teamClass) {
    return ScoreTeam(meet, kQualification, team, teamClass) && IsPlaceable(meet.teamScore);
}

}  // namespace

void SelectFinalists(MeetState& meet, int classSlot) {
    if (!IsClassSlot(classSlot) || IsTeamClass(classSlot)) return;
    if (meet.info.agilityFinal == 0) {
        if (IsHoppClass(classSlot)) SelectHoppFinalists(meet, classSlot);
    } else if (IsAgilityClass(classSlot)) {
        SelectAgilityFinalists(meet, classSlot);
    }
    meet.info.currentRun = kFinal;
}

void SelectTeamFinalists(MeetState& meet, int teamClass) {
    if (!IsTeamClass(teamClass)) return;
    for (EquipageRecord& e : meet.equipages) {
        if (e.entries[kEntryTeam].classSlot == teamClass) e.entries[kEntryTeam].entered[kFinal] = 0;
    }
    for (TeamRecord& t : meet.teams) {
        if (t.classSlot == teamClass) t.inRun[kFinal] = 0;
    }

    meet.info.currentRun = kQualification;
    BuildResultList(meet, teamClass, false);
    // The list is copied: scoring the teams below reuses the scratch values.
    const ResultList list = meet.resultList;

    int32_t placeable = 0;
    for (int32_t t = 0; t < meet.teamCount(); ++t) {
        const TeamRecord& team = meet.teams[static_cast<size_t>(t)];
        if (team.classSlot == teamClass && team.inRun[kQualification] != 0 &&
            PlaceableInQualification(meet, t, teamClass)) {
            ++placeable;
        }
    }

    int32_t teamPosition = 0;
    int32_t memberPosition = 0;
    for (int32_t i = list.placedOrEliminatedCount - 1; i >= 0; --i) {
        const ResultRow& row = list.rows[static_cast<size_t>(i)];
        if (row.equipage != -1 || row.team < 0 || row.team >= meet.teamCount()) continue;
        if (row.place > placeable || !PlaceableInQualification(meet, row.team, teamClass)) continue;
        TeamRecord& team = meet.teams[static_cast<size_t>(row.team)];
        bool hasMember = false;
        for (int place = 0; place < kTeamMembers; ++place) {
            EquipageRecord* member = MemberEquipage(meet, team, place);
            if (member == nullptr) continue;
            member->entries[kEntryTeam].startOrder[kFinal] = memberPosition++;
            member->entries[kEntryTeam].entered[kFinal] = 1;
            hasMember = true;
        }
        if (hasMember) {
            team.startOrder[kFinal] = teamPosition++;
            team.inRun[kFinal] = 1;
        }
    }
    meet.info.currentRun = kFinal;
}

void SelectRun(MeetState& meet, int item) {
    if (item == kSelectQualification) {
        meet.info.currentRun = 0;
        meet.info.agilityFinal = 0;
        return;
    }
    // A single meet has no finals.
    if ((item != kSelectHoppFinal && item != kSelectAgilityFinal) || meet.info.singleRun != 0) return;
    meet.info.currentRun = 1;
    meet.info.agilityFinal = item == kSelectAgilityFinal ? 1 : 0;
    OrderAllClasses(meet);
}

int SelectedRunItem(const MeetState& meet) {
    if (meet.info.currentRun == 0) return kSelectQualification;
    return meet.info.agilityFinal != 0 ? kSelectAgilityFinal : kSelectHoppFinal;
}

void SetSingleRun(MeetState& meet, bool single) {
    meet.info.singleRun = single ? 1 : 0;
    if (single) {
        meet.info.currentRun = 0;
        meet.info.agilityFinal = 0;
    }
}

}  // namespace kavalto

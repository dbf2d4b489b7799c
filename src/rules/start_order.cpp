#include "rules/start_order.h"

#include <algorithm>
#include <vector>

#include "meet/class_catalogue.h"

namespace kavalto {
namespace {

// Every equipage is marked 1; the entrants are taken lowest start number
// first and unmarked as they are placed. A stable sort by start number gives
// the same order as taking the lowest marked one again and again.
void OrderIndividualClass(MeetState& meet, int classSlot) {
    const int entry = EntryOfClass(classSlot);
    std::vector<size_t> entrants;
    for (size_t i = 0; i < meet.equipages.size(); ++i) {
        EquipageRecord& e = meet.equipages[i];
        e.workMark = 1;
        const ClassEntry& held = e.entries[entry];
        if (held.classSlot == classSlot && held.entered[0] != 0) entrants.push_back(i);
    }
    std::stable_sort(entrants.begin(), entrants.end(), [&](size_t a, size_t b) {
        return meet.equipages[a].entries[entry].startNo < meet.equipages[b].entries[entry].startNo;
    });
    int32_t position = 0;
    for (size_t i : entrants) {
        EquipageRecord& e = meet.equipages[i];
        e.entries[entry].startOrder[0] = position++;
        e.workMark = 0;
    }
}

// Teams carry their work mark in ringMark: 1 while waiting, 2 once placed.
// The members' positions count on from team to team.
void OrderTeamClass(MeetState& meet, int classSlot) {
    std::vector<size_t> teams;
    for (size_t i = 0; i < meet.teams.size(); ++i) {
        TeamRecord& t = meet.teams[i];
        t.ringMark = 1;
        if (t.classSlot == classSlot && t.inRun[0] != 0) teams.push_back(i);
    }
    std::stable_sort(teams.begin(), teams.end(),
                     [&](size_t a, size_t b) { return meet.teams[a].startNo < meet.teams[b].startNo; });
    int32_t teamPosition = 0;
    int32_t memberPosition = 0;
    for (size_t i : teams) {
        TeamRecord& t = meet.teams[i];
        t.startOrder[0] = teamPosition++;
        t.ringMark = 2;
        for (int place = 0; place < kTeamMembers; ++place) {
            EquipageRecord* member = MemberEquipage(meet, t, place);
            if (member != nullptr) member->entries[kEntryTeam].startOrder[0] = memberPosition++;
        }
    }
}

}  // namespace

void OrderByStartNumber(MeetState& meet, int classSlot) {
    if (!IsClassSlot(classSlot)) return;
    ClassRecord& c = meet.classes[static_cast<size_t>(classSlot)];
    if (c.inRun[0] == 0) {
        c.inRun[1] = 0;  // no second run without a first
        return;
    }
    if (meet.info.currentRun == 1) {
        // Second run: the finalists and their order come from the finals
        // logic, which is not built yet; the positions are left as they are.
        return;
    }
    if (meet.info.currentRun != 0) return;  // a run a damaged meet may carry; nothing to order
    if (IsTeamClass(classSlot)) {
        OrderTeamClass(meet, classSlot);
    } else {
        OrderIndividualClass(meet, classSlot);
    }
}

void OrderAllClasses(MeetState& meet) {
    for (int slot = 0; slot < kClassCount; ++slot) OrderByStartNumber(meet, slot);
}

}  // namespace kavalto

#include "rules/start_order.h"

#include <algorithm>
#include <vector>

#include "meet/class_catalogue.h"
#include "rules/class_counts.h"
#include "rules/finals.h"
#include "rules/scoring.h"

namespace kavalto {
namespace {

// The run the positions belong to; a damaged meet may carry another value,
// and then nothing is moved.
bool CurrentRun(const MeetState& meet, int& run) {
    run = meet.info.currentRun;
    return IsRunIndex(run);
}

ClassEntry* EntryFor(MeetState& meet, int classSlot, int32_t equipage) {
    if (!IsClassSlot(classSlot) || !IsEquipageIndex(meet, equipage)) return nullptr;
    return &meet.equipages[static_cast<size_t>(equipage)].entries[EntryOfClass(classSlot)];
}

bool IsTeamIndex(const MeetState& meet, int32_t team) { return team >= 0 && team < meet.teamCount(); }

bool TeamInClass(const TeamRecord& team, int teamClass, int run) {
    return team.classSlot == teamClass && team.inRun[run] != 0;
}

// Every equipage is marked 1; the entrants are taken lowest start number
// first and unmarked as they are placed. A stable sort by start number gives
// the same order as taking the lowest marked one again and again.
void OrderIndividualClass(MeetState& meet, int classSlot) {
    const int entry = EntryOfClass(classSlot);
    std::vector<size_t> entrants;
    for (size_t i = 0; i < meet.equipages.size(); ++i) {
        EquipageRecord& e = meet.equipages[i];
        e.workMark = 1;
        if (IsEnteredIn(e.entries[entry], classSlot, 0)) entrants.push_back(i);
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
        if (TeamInClass(t, classSlot, 0)) teams.push_back(i);
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

void AppendToStartOrder(MeetState& meet, int classSlot, int32_t equipage) {
    int run = 0;
    ClassEntry* entry = EntryFor(meet, classSlot, equipage);
    if (entry == nullptr || !CurrentRun(meet, run)) return;
    entry->startOrder[run] = 0;
    const int kind = EntryOfClass(classSlot);
    int32_t highest = -1;
    for (const EquipageRecord& e : meet.equipages) {
        const ClassEntry& other = e.entries[kind];
        if (IsEnteredIn(other, classSlot, run)) highest = std::max(highest, other.startOrder[run]);
    }
    entry->startOrder[run] = highest + 1;
}

void RemoveFromStartOrder(MeetState& meet, int classSlot, int32_t equipage) {
    int run = 0;
    ClassEntry* entry = EntryFor(meet, classSlot, equipage);
    if (entry == nullptr || !CurrentRun(meet, run)) return;
    const int32_t removed = entry->startOrder[run];
    entry->startOrder[run] = 0;
    const int kind = EntryOfClass(classSlot);
    for (size_t i = 0; i < meet.equipages.size(); ++i) {
        if (static_cast<int32_t>(i) == equipage) continue;
        ClassEntry& other = meet.equipages[i].entries[kind];
        if (IsEnteredIn(other, classSlot, run) && other.startOrder[run] > removed) --other.startOrder[run];
    }
}

void RemoveTeamFromStartOrder(MeetState& meet, int teamClass, int32_t team) {
    int run = 0;
    if (!IsTeamIndex(meet, team) || !CurrentRun(meet, run)) return;
    TeamRecord& removedTeam = meet.teams[static_cast<size_t>(team)];
    const int32_t removed = removedTeam.startOrder[run];
    removedTeam.startOrder[run] = 0;
    for (size_t i = 0; i < meet.teams.size(); ++i) {
        if (static_cast<int32_t>(i) == team) continue;
        TeamRecord& other = meet.teams[i];
        if (TeamInClass(other, teamClass, run) && other.startOrder[run] > removed) --other.startOrder[run];
    }
}

void MoveToEndForSeason(MeetState& meet, int32_t equipage) {
    if (!IsEquipageIndex(meet, equipage)) return;
    for (int kind = 0; kind < kEntryTeam; ++kind) {
        const ClassEntry& entry = meet.equipages[static_cast<size_t>(equipage)].entries[kind];
        const int classSlot = entry.classSlot;
        // An entry holding a class of another kind would move another entry.
        if (entry.entered[0] == 0 || !IsClassSlot(classSlot) || EntryOfClass(classSlot) != kind) continue;
        RemoveFromStartOrder(meet, classSlot, equipage);
        AppendToStartOrder(meet, classSlot, equipage);
    }
}

void OrderByStartNumber(MeetState& meet, int classSlot) {
    if (!IsClassSlot(classSlot)) return;
    ClassRecord& c = meet.classes[static_cast<size_t>(classSlot)];
    if (c.inRun[0] == 0) {
        c.inRun[1] = 0;  // no second run without a first
        return;
    }
    if (meet.info.currentRun == 1) {
        if (c.inRun[1] == 0) return;
        if (IsTeamClass(classSlot)) {
            SelectTeamFinalists(meet, classSlot);
        } else {
            SelectFinalists(meet, classSlot);
        }
        return;
    }
    if (meet.info.currentRun != 0) return;
    if (IsTeamClass(classSlot)) {
        OrderTeamClass(meet, classSlot);
    } else {
        OrderIndividualClass(meet, classSlot);
    }
}

void OrderAllClasses(MeetState& meet) {
    for (int slot = 0; slot < kClassCount; ++slot) OrderByStartNumber(meet, slot);
}

void OrderTeamMembers(MeetState& meet) {
    int run = 0;
    if (!CurrentRun(meet, run)) return;
    for (int teamClass = kFirstTeamClass; teamClass < kClassCount; ++teamClass) {
        if (!TakesPart(meet, teamClass, run)) continue;
        std::vector<size_t> teams;
        for (size_t i = 0; i < meet.teams.size(); ++i) {
            if (TeamInClass(meet.teams[i], teamClass, run)) teams.push_back(i);
        }
        std::stable_sort(teams.begin(), teams.end(), [&](size_t a, size_t b) {
            return meet.teams[a].startOrder[run] < meet.teams[b].startOrder[run];
        });
        // Dogs in season start after every other dog of the class; their
        // teams keep their order.
        int32_t position = 0;
        for (const bool inSeason : {false, true}) {
            for (size_t i : teams) {
                for (int place = 0; place < kTeamMembers; ++place) {
                    EquipageRecord* member = MemberEquipage(meet, meet.teams[i], place);
                    if (member == nullptr || (member->inSeason != 0) != inSeason) continue;
                    member->entries[kEntryTeam].startOrder[run] = position++;
                }
            }
        }
    }
}

int32_t EquipageAtPosition(MeetState& meet, int classSlot, int32_t position) {
    int run = 0;
    if (!IsClassSlot(classSlot) || !CurrentRun(meet, run)) return -1;
    const int kind = EntryOfClass(classSlot);
    int32_t later = -1;
    for (int32_t i = 0; i < meet.equipageCount(); ++i) {
        const ClassEntry& entry = meet.equipages[static_cast<size_t>(i)].entries[kind];
        if (!IsEnteredIn(entry, classSlot, run)) continue;
        if (entry.startOrder[run] == position) return i;
        if (later < 0 && entry.startOrder[run] > position) later = i;
    }
    if (later >= 0) meet.equipages[static_cast<size_t>(later)].entries[kind].startOrder[run] = position;
    return later;
}

int32_t TeamAtPosition(MeetState& meet, int teamClass, int32_t position) {
    int run = 0;
    if (!CurrentRun(meet, run)) return -1;
    int32_t later = -1;
    for (int32_t i = 0; i < meet.teamCount(); ++i) {
        const TeamRecord& team = meet.teams[static_cast<size_t>(i)];
        if (!TeamInClass(team, teamClass, run)) continue;
        if (team.startOrder[run] == position) return i;
        if (later < 0 && team.startOrder[run] > position) later = i;
    }
    if (later >= 0) meet.teams[static_cast<size_t>(later)].startOrder[run] = position;
    return later;
}

StartOrderWalk BeginStartOrder(MeetState& meet, int classSlot) {
    const int run = meet.info.currentRun;
    const int kind = IsClassSlot(classSlot) ? EntryOfClass(classSlot) : 0;
    for (EquipageRecord& e : meet.equipages) {
        e.workMark = IsClassSlot(classSlot) && IsEnteredIn(e.entries[kind], classSlot, run) ? 1 : 0;
    }
    return StartOrderWalk{classSlot};
}

int32_t NextInStartOrder(MeetState& meet, const StartOrderWalk& walk) {
    int run = 0;
    if (!IsClassSlot(walk.classSlot) || !CurrentRun(meet, run)) return -1;
    const int kind = EntryOfClass(walk.classSlot);
    int32_t next = -1;
    for (int32_t i = 0; i < meet.equipageCount(); ++i) {
        const EquipageRecord& e = meet.equipages[static_cast<size_t>(i)];
        if (e.workMark != 1) continue;
        // On equal positions the later one in table order is taken.
        if (next < 0 || e.entries[kind].startOrder[run] <=
                            meet.equipages[static_cast<size_t>(next)].entries[kind].startOrder[run]) {
            next = i;
        }
    }
    if (next >= 0) meet.equipages[static_cast<size_t>(next)].workMark = 0;
    return next;
}

void RepairStartOrder(MeetState& meet) {
    for (EquipageRecord& e : meet.equipages) e.workMark = 0;
    for (int slot = 0; slot < kClassCount; ++slot) {
        if (meet.classes[static_cast<size_t>(slot)].inRun[0] == 0) continue;
        const int32_t entrants = CountEntrants(meet, slot);
        for (int32_t position = 0; position < entrants; ++position) {
            const int32_t found = EquipageAtPosition(meet, slot, position);
            if (found >= 0) meet.equipages[static_cast<size_t>(found)].workMark = 1;
        }
    }
}

namespace {

// The entrants between the old and the new position shift by one toward the
// place the moved one left.
void ShiftBetween(int32_t& position, int32_t from, int32_t to) {
    if (from < to && position > from && position <= to) --position;
    if (to < from && position >= to && position < from) ++position;
}

}  // namespace

void MoveInStartOrder(MeetState& meet, int classSlot, int32_t equipage, int32_t position) {
    int run = 0;
    ClassEntry* moved = EntryFor(meet, classSlot, equipage);
    if (moved == nullptr || !CurrentRun(meet, run)) return;
    const int32_t from = moved->startOrder[run];
    const int kind = EntryOfClass(classSlot);
    for (size_t i = 0; i < meet.equipages.size(); ++i) {
        if (static_cast<int32_t>(i) == equipage) continue;
        ClassEntry& other = meet.equipages[i].entries[kind];
        if (IsEnteredIn(other, classSlot, run)) ShiftBetween(other.startOrder[run], from, position);
    }
    moved->startOrder[run] = position;
}

void MoveTeamInStartOrder(MeetState& meet, int teamClass, int32_t team, int32_t position) {
    int run = 0;
    if (!IsTeamIndex(meet, team) || !CurrentRun(meet, run)) return;
    TeamRecord& moved = meet.teams[static_cast<size_t>(team)];
    const int32_t from = moved.startOrder[run];
    for (size_t i = 0; i < meet.teams.size(); ++i) {
        if (static_cast<int32_t>(i) == team) continue;
        TeamRecord& other = meet.teams[i];
        if (TeamInClass(other, teamClass, run)) ShiftBetween(other.startOrder[run], from, position);
    }
    moved.startOrder[run] = position;
}

}  // namespace kavalto

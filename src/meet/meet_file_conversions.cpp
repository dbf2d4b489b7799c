#include "meet/meet_file_conversions.h"

#include "rules/start_order.h"

namespace kavalto {
namespace {

constexpr int32_t kFirstClubStartNo = 8000;

// Version 27 knew one Open class per discipline; an entered Open entry goes
// to the Open class of the dog's size.
void MoveOpenEntriesBySize(EquipageRecord& e) {
    if (e.size < 0 || e.size > 2) return;
    ClassEntry& hoppOpen = e.entries[kEntryHoppOpen];
    if (hoppOpen.entered[0] != 0) hoppOpen.classSlot = 3 + 4 * e.size;
    ClassEntry& agilityOpen = e.entries[kEntryAgilityOpen];
    if (agilityOpen.entered[0] != 0) agilityOpen.classSlot = 15 + 4 * e.size;
}

}  // namespace

void ConvertEquipageRecord(EquipageRecord& e, int32_t version) {
    for (ClassEntry& entry : e.entries) {
        if (version < 23) {
            entry.awards[kAwardChampion] = 0;
            entry.awards[kAwardCaciac] = 0;
            entry.awards[kAwardReserveCaciac] = 0;
        }
        if (version == 27 && entry.classSlot >= 0 && entry.classSlot < kVersion27ClassCount) {
            entry.classSlot = kMap27[entry.classSlot];
        }
    }
    if (version < 26) e.lateEntry = 0;
}

void ConvertTeamRecord(TeamRecord& team, int32_t version) {
    if (version == 27 && team.classSlot >= 20 && team.classSlot <= 22) team.classSlot += 4;
}

void ConvertLoadedMeet(MeetState& meet, int32_t version) {
    if (version < 24) {
        SortTeamsBySize(meet);
        OrderAllClasses(meet);
        for (EquipageRecord& e : meet.equipages) e.mailStatus = 0;
        for (TeamRecord& t : meet.teams) t.mailStatus = 0;
    }
    if (version == 27) {
        int32_t next = kFirstClubStartNo;
        for (EquipageRecord& e : meet.equipages) {
            MoveOpenEntriesBySize(e);
            for (ClassEntry& entry : e.entries) {
                if (entry.startNo >= kFirstClubStartNo) entry.startNo = next++;
            }
        }
        OrderAllClasses(meet);
    }
}

}  // namespace kavalto

#include <cstddef>

#include "meet/class_catalogue.h"
#include "rules/result_texts.h"
#include "rules/scoring.h"

namespace kavalto {
namespace {
constexpr int kLevel3 = 2;
}  // namespace

const char* AwardText(const MeetState& meet, int classSlot, int equipage) {
    constexpr const char* kNone = " ";
    if (!IsClassSlot(classSlot) || IsTeamClass(classSlot) || IsOpenClass(classSlot) || !IsClubMeet(meet) ||
        !IsEquipageIndex(meet, equipage)) {
        return kNone;
    }
    const EquipageRecord& e = meet.equipages[static_cast<size_t>(equipage)];
    if (LevelOfClass(classSlot) == kLevel3) {
        // Certificates belong to the dog's level entry of the discipline.
        const ClassEntry& entry = e.entries[IsAgilityClass(classSlot) ? kEntryAgility : kEntryHopp];
        if (LevelOfClass(entry.classSlot) != kLevel3) return kNone;
        if (entry.awards[kAwardCaciac] != 0) return "CACIAC";
        if (entry.awards[kAwardReserveCaciac] != 0) return "R. CACIAC";
        if (entry.awards[kAwardChampion] != 0) return "Champion";
        if (entry.awards[kAwardCert] != 0) return "Cert";
        return kNone;
    }
    return e.entries[EntryOfClass(classSlot)].awards[kAwardNapp] != 0 ? "Napp" : kNone;
}

bool HasAward(const MeetState& meet, int equipage, int entryKind, int award) {
    if (!IsEquipageIndex(meet, equipage) || entryKind < 0 || entryKind >= kEntriesPerEquipage) return false;
    if (award != kAwardChampion && award != kAwardCert && award != kAwardCaciac && award != kAwardReserveCaciac) {
        return false;
    }
    const ClassEntry& entry = meet.equipages[static_cast<size_t>(equipage)].entries[entryKind];
    return IsClubMeet(meet) && LevelOfClass(entry.classSlot) == kLevel3 && entry.awards[award] != 0;
}

}  // namespace kavalto

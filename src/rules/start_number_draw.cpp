#include <vector>

#include "meet/class_catalogue.h"
#include "rules/class_counts.h"
#include "rules/random_permutation.h"
#include "rules/scoring.h"
#include "rules/start_order.h"

namespace kavalto {
namespace {

constexpr int32_t kBlockStep = 100;

// The smallest multiple of 100 that no individual class of the run exceeds.
int32_t BlockSize(const MeetState& meet) {
    int32_t block = kBlockStep;
    for (int slot = 0; slot < kFirstTeamClass; ++slot) {
        const int32_t entrants = CountEntrants(meet, slot);
        if (entrants > block) block = (entrants + kBlockStep - 1) / kBlockStep * kBlockStep;
    }
    return block;
}

// The b-th class drawn starts at b blocks; start number 0 means "none", so
// the first starts at 1.
int32_t BaseOf(int32_t drawn, int32_t block) { return drawn == 0 ? 1 : drawn * block; }

// Draws the numbers of one individual class: dogs not in season first, then
// those in season, from the same permutation. False when the permutation
// could not be made.
bool DrawIndividualClass(MeetState& meet, int classSlot, int run, int32_t base) {
    int32_t entries = 0;
    for (const EquipageRecord& e : meet.equipages) {
        for (int kind = 0; kind < kEntryTeam; ++kind) {
            if (IsEnteredIn(e.entries[kind], classSlot, run)) ++entries;
        }
    }
    RandomPermutation permutation;
    if (!InitPermutation(meet, permutation, entries)) return false;
    for (const bool inSeason : {false, true}) {
        for (EquipageRecord& e : meet.equipages) {
            if ((e.inSeason != 0) != inSeason) continue;
            for (int kind = 0; kind < kEntryTeam; ++kind) {
                ClassEntry& entry = e.entries[kind];
                if (!IsEnteredIn(entry, classSlot, run)) continue;
                const int32_t previous = entry.startNo;
                entry.startNo = base + NextInPermutation(meet, permutation);
                // A dog that ran under the same number on its team keeps the two equal.
                if (e.entries[kEntryTeam].startNo == previous) e.entries[kEntryTeam].startNo = entry.startNo;
            }
        }
    }
    return true;
}

bool DrawTeamClass(MeetState& meet, int teamClass, int run, int32_t base) {
    int32_t teams = 0;
    for (const TeamRecord& t : meet.teams) {
        if (t.classSlot == teamClass && t.inRun[run] != 0) ++teams;
    }
    RandomPermutation permutation;
    if (!InitPermutation(meet, permutation, teams)) return false;
    for (TeamRecord& t : meet.teams) {
        if (t.classSlot == teamClass && t.inRun[run] != 0) t.startNo = base + NextInPermutation(meet, permutation);
    }
    return true;
}

}  // namespace

void DrawStartNumbers(MeetState& meet) {
    const int run = meet.info.currentRun;
    if (!IsRunIndex(run)) return;
    const int32_t block = BlockSize(meet);
    int32_t drawn = 0;
    bool ok = true;
    for (int slot = 0; ok && slot < kFirstTeamClass; ++slot) {
        if (meet.classes[static_cast<size_t>(slot)].inRun[0] == 0) continue;
        ok = DrawIndividualClass(meet, slot, run, BaseOf(drawn++, block));
    }
    // Team classes go on from block to block after the individual classes.
    for (int slot = kFirstTeamClass; ok && slot < kClassCount; ++slot) {
        if (meet.classes[static_cast<size_t>(slot)].inRun[0] == 0) continue;
        ok = DrawTeamClass(meet, slot, run, BaseOf(drawn++, block));
    }
    // Whatever was drawn before a failure, the order follows the numbers.
    OrderAllClasses(meet);
}

}  // namespace kavalto

#include <algorithm>

#include "meet/class_catalogue.h"
#include "rules/scoring.h"
#include "rules/start_order.h"

namespace kavalto {
namespace {

// A club meet numbers the whole meet from 8000; a private meet gives every
// class its own series of 200 numbers.
constexpr int32_t kClubSeriesBefore = 7999;
constexpr int32_t kPrivateSeriesSize = 200;

}  // namespace

int32_t NextStartNumber(const MeetState& meet, int classSlot) {
    int32_t highest = 0;
    if (IsClubMeet(meet)) {
        highest = kClubSeriesBefore;
        for (const EquipageRecord& e : meet.equipages) {
            for (int kind = 0; kind < kEntryTeam; ++kind) highest = std::max(highest, e.entries[kind].startNo);
        }
        for (const TeamRecord& t : meet.teams) highest = std::max(highest, t.startNo);
    } else {
        highest = classSlot * kPrivateSeriesSize;
        if (IsTeamClass(classSlot)) {
            for (const TeamRecord& t : meet.teams) {
                if (t.classSlot == classSlot) highest = std::max(highest, t.startNo);
            }
        } else {
            for (const EquipageRecord& e : meet.equipages) {
                for (int kind = 0; kind < kEntryTeam; ++kind) {
                    if (e.entries[kind].classSlot == classSlot) highest = std::max(highest, e.entries[kind].startNo);
                }
            }
        }
    }
    // A hand-edited number at the top of the range must not wrap around.
    return highest == INT32_MAX ? highest : highest + 1;
}

}  // namespace kavalto

// Any bytes given to the ring results import of a small meet: no crash, no
// access outside the input or the arrays; a refused file leaves the meet
// exactly as it was, an accepted one leaves a meet that can be written and
// read. The seeds carry the meet's identifier "55".
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "exchange/ring_results.h"
#include "meet/class_catalogue.h"
#include "meet/meet_file.h"
#include "meet/text_field.h"

namespace {

void MakeMeet(kavalto::MeetState& meet) {
    using namespace kavalto;
    SetInitialMeet(meet);
    meet.notifier = &SilentNotifier();
    CopyText(meet.info.meetId, "55");
    for (int i = 0; i < 4; ++i) {
        EquipageRecord e{};
        ClearEquipage(e);
        e.size = 2;
        e.entries[kEntryHopp].classSlot = 8;
        e.entries[kEntryHopp].entered[0] = 1;
        e.entries[kEntryTeam].classSlot = 26;
        e.entries[kEntryTeam].entered[0] = 1;
        AppendEquipage(meet, e);
    }
    TeamRecord t{};
    NewTeam(t);
    t.classSlot = 26;
    t.size = 2;
    t.inRun[0] = 1;
    for (int m = 0; m < 4; ++m) t.members[m] = m;
    AppendTeam(meet, t);
    meet.classes[8].inRun[0] = 1;
    meet.classes[26].inRun[0] = 1;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace kavalto;
    auto meet = std::make_unique<MeetState>();
    MakeMeet(*meet);
    const std::vector<uint8_t> before = SerializeMeet(*meet);
    if (!ImportRingResultsBytes(*meet, std::span<const uint8_t>(data, size))) {
        if (SerializeMeet(*meet) != before) __builtin_trap();  // refused, yet changed
        return 0;
    }
    // The imported records may hold anything; the meet must still be whole.
    const std::vector<uint8_t> bytes = SerializeMeet(*meet);
    auto reloaded = std::make_unique<MeetState>();
    SetInitialMeet(*reloaded);
    if (!LoadMeetBytes(*reloaded, bytes)) __builtin_trap();
    return 0;
}

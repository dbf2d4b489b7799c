// Any bytes given to the entries import, opened into a fresh meet and then
// read again as an update of that meet: no crash, no access outside the
// input or the records, and the meet it leaves can be written and read.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "exchange/entries_import.h"
#include "meet/class_catalogue.h"
#include "meet/meet_file.h"

namespace {

void CheckMeet(const kavalto::MeetState& meet) {
    using namespace kavalto;
    for (const EquipageRecord& e : meet.equipages) {
        for (int k = 0; k < kEntriesPerEquipage; ++k) {
            const ClassEntry& entry = e.entries[k];
            if (entry.entered[0] != 0 && (!IsClassSlot(entry.classSlot) || EntryOfClass(entry.classSlot) != k)) {
                __builtin_trap();  // an entry in a class its place cannot hold
            }
        }
    }
    for (const TeamRecord& t : meet.teams) {
        if (!IsTeamClass(t.classSlot)) __builtin_trap();
    }
    const std::vector<uint8_t> bytes = SerializeMeet(meet);
    auto reloaded = std::make_unique<MeetState>();
    SetInitialMeet(*reloaded);
    if (!LoadMeetBytes(*reloaded, bytes)) __builtin_trap();  // what we write we must read
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace kavalto;
    const std::span<const uint8_t> bytes(data, size);
    auto meet = std::make_unique<MeetState>();
    SetInitialMeet(*meet);
    meet->notifier = &SilentNotifier();
    ImportEntriesBytes(*meet, bytes, EntriesMode::kOpen);
    CheckMeet(*meet);
    ImportEntriesBytes(*meet, bytes, EntriesMode::kUpdate);
    CheckMeet(*meet);
    return 0;
}

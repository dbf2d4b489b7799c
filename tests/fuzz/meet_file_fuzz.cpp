// Any bytes given to the meet file loader: no crash, no access outside the
// input, and a meet that loads can be written again.
#include <cstddef>
#include <cstdint>
#include <span>

#include "meet/meet_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace kavalto;
    MeetState meet;
    SetInitialMeet(meet);
    meet.notifier = &SilentNotifier();
    if (LoadMeetBytes(meet, std::span<const uint8_t>(data, size))) {
        const std::vector<uint8_t> again = SerializeMeet(meet);
        MeetState reloaded;
        SetInitialMeet(reloaded);
        if (!LoadMeetBytes(reloaded, again)) __builtin_trap();  // what we write we must read
    }
    return 0;
}

#include "support/sample_meet.h"

#include <cstring>

#include "meet/text_field.h"
#include "support/meet_builder.h"

namespace kavalto::test {

void MakeSampleMeet(MeetState& meet) {
    MakeFreshMeet(meet);
    CopyText(meet.info.meetId, "1234 Vårstevnet");
    meet.info.reserved5[1] = 0x5a;
    meet.info.reserved12[3] = 0xa5;
    std::memset(meet.info.meetName, 'x', sizeof meet.info.meetName);
    CopyText(meet.info.meetName, "Kort");  // the x's after the terminator stay
    std::memset(meet.classes[3].reserved144, 0x77, sizeof meet.classes[3].reserved144);
    CopyText(meet.classes[8].judge, "Dommer Dahl");
    meet.classes[8].ringMark = 1;

    const int rex = AddEquipage(meet, "Rex", 2);
    const int bella = AddEquipage(meet, "Bella", 1);
    Enter(meet, rex, 8, 0, 8001);
    Enter(meet, bella, 16, 0, 8002);
    SetRun(meet, rex, 8, 0, 3205, 1);
    EquipageRecord& e = meet.equipages[0];
    e.workMark = 2;
    e.reserved1036[99] = 0x42;
    e.entries[0].reserved172[20] = 0x13;
    e.entries[0].awards[kAwardCert] = 1;
    e.lateEntry = 1;
    e.mailStatus = 2;
    std::memset(e.breed, 'b', sizeof e.breed);
    CopyText(e.breed, "Puddel");

    AddTeam(meet, "Lynet", 25, rex, bella);
    meet.teams[0].reserved8 = 9;
    meet.teams[0].reserved536 = -7;

    SponsorBanner banner = MakeBanner(3, 2);
    for (size_t i = 0; i < banner.pixels.size(); ++i) banner.pixels[i] = static_cast<uint8_t>(i + 1);
    meet.banner = banner;
}

}  // namespace kavalto::test

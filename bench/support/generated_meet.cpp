#include "support/generated_meet.h"

#include <memory>
#include <string>

#include "meet/class_catalogue.h"
#include "meet/text_field.h"

namespace kavalto::bench {

void GenerateMeet(MeetState& meet, int equipages, int teams) {
    SetInitialMeet(meet);
    CopyText(meet.info.meetId, "1234 Generert stevne");
    CopyText(meet.info.meetName, "Benkestevnet");
    uint32_t random = 12345;
    auto next = [&random](uint32_t range) {
        random = random * 1103515245u + 12345u;
        return (random >> 8) % range;
    };
    for (ClassRecord& c : meet.classes) {
        c.inRun[0] = 1;
        c.courseLength[0] = 180;
        c.standardTime[0] = 4000;
        c.maxTimeOn = 1;
        c.maxTime[0] = 8000;
        CopyText(c.judge, "Dommer Dommersen");
    }
    const int largeClassSize = equipages < 300 ? equipages : 300;
    for (int i = 0; i < equipages; ++i) {
        EquipageRecord e{};
        ClearEquipage(e);
        const std::string number = std::to_string(i);
        CopyText(e.regNo, "NO" + number + "/26");
        CopyText(e.dogName, "Hund nummer " + number);
        CopyText(e.handlerName, "F\xF8rer " + number);
        CopyText(e.club, "Klubb " + std::to_string(i % 40));
        CopyText(e.email, "forer" + number + "@example.org");
        e.size = i < largeClassSize ? 2 : static_cast<int32_t>(next(3));
        e.hoppLevel = i < largeClassSize ? 0 : static_cast<int32_t>(next(3));
        e.agilityLevel = static_cast<int32_t>(next(3));
        for (int kind : {kEntryHopp, kEntryAgility}) {
            ClassEntry& entry = e.entries[kind];
            entry.classSlot = DefaultClassOfEntry(e, kind);
            if (i >= largeClassSize && entry.classSlot == 8) entry.classSlot = 9;
            entry.entered[0] = 1;
            CopyText(entry.handler, FieldText(e.handlerName));
            entry.startNo = 8000 + 2 * i + (kind == kEntryAgility ? 1 : 0);
            RunResult& run = entry.run[0];
            const uint32_t outcome = next(100);
            if (outcome < 5) {
                run.notPresent = 1;
            } else if (outcome < 12) {
                run.disqualified = 1;
            } else if (outcome < 20) {
                // not run yet
            } else {
                run.time = 3000 + static_cast<int32_t>(next(2000));
                run.faults = static_cast<int32_t>(next(3));
                run.refusals = static_cast<int32_t>(next(100) < 5 ? 3 : next(2));
            }
        }
        AppendEquipage(meet, e);
    }
    for (int t = 0; t < teams; ++t) {
        TeamRecord team{};
        NewTeam(team);
        CopyText(team.teamName, "Lag " + std::to_string(t));
        team.classSlot = 24 + t % 3;
        team.size = t % 3;
        team.inRun[0] = 1;
        team.startNo = 9000 + t;
        for (int m = 0; m < 4; ++m) {
            const int member = (4 * t + m) % (equipages > 0 ? equipages : 1);
            if (member >= equipages || (m == 3 && t % 2 == 1)) continue;
            team.members[m] = member;
            ClassEntry& entry = meet.equipages[static_cast<size_t>(member)].entries[kEntryTeam];
            entry.classSlot = team.classSlot;
            entry.entered[0] = 1;
            entry.run[0].time = 3000 + static_cast<int32_t>(next(2000));
            entry.run[0].faults = static_cast<int32_t>(next(2));
        }
        AppendTeam(meet, team);
    }
}

MeetState& StandardMeet() {
    static const std::unique_ptr<MeetState> meet = [] {
        auto m = std::make_unique<MeetState>();
        GenerateMeet(*m, 1500, 180);
        return m;
    }();
    return *meet;
}

}  // namespace kavalto::bench

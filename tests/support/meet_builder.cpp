#include "support/meet_builder.h"

#include <atomic>
#include <fstream>
#include <iterator>
#include <unistd.h>

#include "app/cp1252.h"
#include "meet/class_catalogue.h"
#include "meet/text_field.h"

namespace kavalto::test {

void MakeFreshMeet(MeetState& meet) { SetInitialMeet(meet); }

int AddEquipage(MeetState& meet, std::string_view dogName, int size) {
    EquipageRecord record{};
    ClearEquipage(record);
    CopyText(record.dogName, Utf8ToCp1252(dogName));
    record.size = size;
    AppendEquipage(meet, record);
    return meet.equipageCount() - 1;
}

ClassEntry& Enter(MeetState& meet, int equipage, int slot, int run, int startNo) {
    EquipageRecord& e = meet.equipages[static_cast<size_t>(equipage)];
    ClassEntry& entry = e.entries[EntryOfClass(slot)];
    entry.classSlot = slot;
    entry.entered[run] = 1;
    if (startNo != 0) entry.startNo = startNo;
    if (entry.handler[0] == '\0') CopyText(entry.handler, FieldText(e.handlerName));
    meet.classes[static_cast<size_t>(slot)].inRun[run] = 1;
    return entry;
}

void SetRun(MeetState& meet, int equipage, int slot, int run, int time, int faults, int refusals, int disqualified,
            int notPresent) {
    RunResult& r = meet.equipages[static_cast<size_t>(equipage)].entries[EntryOfClass(slot)].run[run];
    r.time = time;
    r.faults = faults;
    r.refusals = refusals;
    r.disqualified = disqualified;
    r.notPresent = notPresent;
}

int AddTeam(MeetState& meet, std::string_view teamName, int slot, int m0, int m1, int m2, int m3) {
    TeamRecord team{};
    NewTeam(team);
    CopyText(team.teamName, Utf8ToCp1252(teamName));
    team.classSlot = slot;
    team.size = slot - 24;
    team.inRun[0] = 1;
    const int members[4] = {m0, m1, m2, m3};
    for (int i = 0; i < 4; ++i) {
        team.members[i] = members[i];
        if (members[i] >= 0 && members[i] < meet.equipageCount()) Enter(meet, members[i], slot, 0);
    }
    meet.classes[static_cast<size_t>(slot)].inRun[0] = 1;
    AppendTeam(meet, team);
    return meet.teamCount() - 1;
}

std::filesystem::path MakeTempFolder(std::string_view name) {
    static std::atomic<int> counter{0};
    const auto folder = std::filesystem::temp_directory_path() /
                        ("kavalto-" + std::string(name) + "-" + std::to_string(getpid()) + "-" +
                         std::to_string(counter++));
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder;
}

std::string ReadFileText(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

}  // namespace kavalto::test

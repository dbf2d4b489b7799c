#include "meet/meet_state.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <stdexcept>

#include "meet/class_catalogue.h"

namespace kavalto {

SponsorBanner MakeBanner(int32_t width, int32_t height) {
    SponsorBanner banner;
    banner.width = width < 1 ? 2 : width;
    banner.height = height < 1 ? 2 : height;
    banner.pixels.assign(static_cast<size_t>(banner.stride() * banner.height), 0);
    return banner;
}

void SetInitialMeet(MeetState& meet) {
    meet.info = MeetInfo{};
    meet.info.meetForm = 1;
    meet.info.singleRun = 1;
    meet.info.hasSponsor = 0;
    meet.info.sponsorWantsBanner = 1;
    meet.banner.reset();
    FreeArrays(meet);
    meet.info.currentRun = 0;
    meet.currentClass = 0;
    ResetClasses(meet);
    ResetMeet(meet);
}

void FreeArrays(MeetState& meet) {
    meet.equipages = {};
    meet.teams = {};
    meet.equipageCapacity = 0;
    meet.teamCapacity = 0;
    meet.currentEquipage = 0;
    meet.currentTeam = 0;
}

void ResetMeet(MeetState& meet) {
    meet.nextSerial = 1;
    for (ClassRecord& c : meet.classes) {
        for (int r = 0; r < 2; ++r) {
            c.standardTime[r] = 0;
            c.courseLength[r] = 0;
        }
    }
    meet.currentClass = 0;
    meet.info.currentRun = 0;
    FreeArrays(meet);
    BuildClassNames(meet);
}

void ResetClasses(MeetState& meet) {
    for (ClassRecord& c : meet.classes) {
        c.inRun[0] = c.inRun[1] = 0;
        c.judge[0] = '\0';
        c.maxTimeOn = 0;
        c.maxTimePercent = 200;
        for (int r = 0; r < 2; ++r) {
            c.courseLength[r] = 0;
            c.standardTime[r] = 0;
        }
        c.finalPercent = 50;
    }
    meet.info.currentRun = 0;
    meet.currentClass = 0;
}

void ClearEquipage(EquipageRecord& e) {
    e.serial = 0;
    e.lateEntry = 0;
    e.agilityLevel = e.hoppLevel = e.sex = e.size = 0;
    e.inSeason = 0;
    e.mailStatus = 0;
    for (char* text : {e.regNo, e.dogName, e.callName, e.breed, e.reservedText, e.handlerName, e.address,
                       e.place, e.club, e.email}) {
        std::memset(text, 0, kTextField);
    }
    e.reserved1136 = 0;
    for (ClassEntry& entry : e.entries) {
        entry.classSlot = 0;
        std::memset(entry.handler, 0, sizeof entry.handler);
        entry.startNo = 0;
        std::memset(entry.awards, 0, sizeof entry.awards);
        for (int r = 0; r < 2; ++r) {
            entry.entered[r] = 0;
            RunResult& run = entry.run[r];
            run.time = run.faults = run.refusals = run.disqualified = run.notPresent = 0;
        }
    }
}

void NewTeam(TeamRecord& t) {
    for (char* text : {t.teamName, t.club, t.contact, t.email, t.teamNo}) std::memset(text, 0, kTextField);
    t.reserved536 = 0;
    t.lateEntry = 0;
    t.size = 0;
    t.startNo = 0;
    t.mailStatus = 0;
    t.classSlot = -1;
    for (int32_t& m : t.members) m = -1;
}

namespace {

// Grows a record array by one step when it is full. The vector is given the
// new capacity first, so the push that follows cannot reallocate or throw.
template <typename Record>
bool MakeRoom(MeetState& meet, std::vector<Record>& records, int32_t& capacity, int32_t step) {
    if (static_cast<int32_t>(records.size()) < capacity) return true;
    try {
        records.reserve(static_cast<size_t>(capacity) + static_cast<size_t>(step));
    } catch (const std::bad_alloc&) {
        ReportOutOfMemory(*meet.notifier);
        return false;
    } catch (const std::length_error&) {
        ReportOutOfMemory(*meet.notifier);
        return false;
    }
    capacity += step;
    return true;
}

}  // namespace

bool AppendEquipage(MeetState& meet, const EquipageRecord& record) {
    if (!MakeRoom(meet, meet.equipages, meet.equipageCapacity, kEquipageGrowth)) return false;
    meet.equipages.push_back(record);
    meet.equipages.back().serial = meet.nextSerial++;
    return true;
}

bool AppendTeam(MeetState& meet, const TeamRecord& record) {
    if (!MakeRoom(meet, meet.teams, meet.teamCapacity, kTeamGrowth)) return false;
    meet.teams.push_back(record);
    meet.teams.back().serial = meet.nextSerial++;
    return true;
}

void DeleteEquipage(MeetState& meet, int32_t index) {
    if (index < 0 || index >= meet.equipageCount()) return;
    meet.equipages.erase(meet.equipages.begin() + index);
}

void DeleteTeam(MeetState& meet, int32_t index) {
    if (index < 0 || index >= meet.teamCount()) return;
    meet.teams.erase(meet.teams.begin() + index);
}

void SortTeamsBySize(MeetState& meet) {
    // stable_sort falls back to an in-place merge when it cannot get a
    // buffer, so the order is never lost.
    std::stable_sort(meet.teams.begin(), meet.teams.end(), [](const TeamRecord& a, const TeamRecord& b) {
        return a.size < b.size;
    });
}

bool IsEquipageIndex(const MeetState& meet, int32_t index) {
    return index >= 0 && index < meet.equipageCount();
}

EquipageRecord* MemberEquipage(MeetState& meet, const TeamRecord& team, int place) {
    const int32_t index = team.members[place];
    return IsEquipageIndex(meet, index) ? &meet.equipages[static_cast<size_t>(index)] : nullptr;
}

}  // namespace kavalto

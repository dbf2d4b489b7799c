// The whole meet held in memory, with the scratch values the rules share.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "app/text_state.h"
#include "meet/notifier.h"
#include "meet/records.h"
#include "rules/score_types.h"

namespace kavalto {

inline constexpr int kEquipageGrowth = 25;
inline constexpr int kTeamGrowth = 10;

// The sponsor's banner picture: 24-bit rows of blue, green, red bytes, each
// row padded to a multiple of four bytes, the top row of the picture first.
struct SponsorBanner {
    int32_t width = 0;
    int32_t height = 0;
    std::vector<uint8_t> pixels;  // height * Stride(width) bytes

    static int64_t Stride(int64_t width) { return ((width * 24 + 31) / 8) & ~int64_t{3}; }
    int64_t stride() const { return Stride(width); }
};

// A banner of the given size, all black; a size below 1 becomes 2.
SponsorBanner MakeBanner(int32_t width, int32_t height);

struct MeetState {
    MeetInfo info{};
    std::array<ClassRecord, kClassCount> classes{};
    char classLongName[kClassCount][100] = {};
    char classShortName[kClassCount][100] = {};

    // The arrays grow in steps of 25 equipages and 10 teams; the vectors'
    // sizes are the counts, the capacities are kept here.
    std::vector<EquipageRecord> equipages;
    int32_t equipageCapacity = 0;
    std::vector<TeamRecord> teams;
    int32_t teamCapacity = 0;

    int32_t currentClass = 0;
    int32_t currentEquipage = 0;
    int32_t currentTeam = 0;
    int32_t nextSerial = 1;
    std::optional<SponsorBanner> banner;

    // Scratch values of the rules; rebuilt by every call that uses them.
    RunScore runScore;
    TeamScore teamScore;
    ResultList resultList;
    ClassStatistics statistics;
    char combinedClassName[100] = {};
    uint32_t randomState = 1;    // the draw's generator, unseeded

    TextState texts;
    Notifier* notifier = &SilentNotifier();

    int32_t equipageCount() const { return static_cast<int32_t>(equipages.size()); }
    int32_t teamCount() const { return static_cast<int32_t>(teams.size()); }
};

// The meet as the program holds it at start-up before any file is read:
// club meet, single run, empty texts, no sponsor, no banner, no equipages or
// teams, all classes reset.
void SetInitialMeet(MeetState& meet);

// Empties the meet: arrays, serials, course lengths and standard times,
// current class and run. Judges, inRun flags and MeetInfo are kept.
void ResetMeet(MeetState& meet);

// Puts every class back to its defaults (no judge, not in any run, 200 %
// maximum time, 50 % to the final).
void ResetClasses(MeetState& meet);

// Blanks a scratch record before it is filled; fields the operation does not
// name (start orders, ring marks, reserved areas) are left as they are.
void ClearEquipage(EquipageRecord& record);
void NewTeam(TeamRecord& record);

// Copy the record behind the last one with the next serial number. False,
// with "Out of memory" once per program run, when the array cannot grow;
// the meet is then unchanged.
bool AppendEquipage(MeetState& meet, const EquipageRecord& record);
bool AppendTeam(MeetState& meet, const TeamRecord& record);

// Remove one record and move the later ones down. Indices held elsewhere
// (team members, the current equipage) are the caller's to adjust.
void DeleteEquipage(MeetState& meet, int32_t index);
void DeleteTeam(MeetState& meet, int32_t index);

// Small teams first, then Medium, then Large, each size keeping its order.
void SortTeamsBySize(MeetState& meet);

// Empties both arrays and their capacities and current indices.
void FreeArrays(MeetState& meet);

// The equipage at a team's member place, or nullptr for an empty place or an
// index outside the equipage array.
EquipageRecord* MemberEquipage(MeetState& meet, const TeamRecord& team, int place);
bool IsEquipageIndex(const MeetState& meet, int32_t index);

}  // namespace kavalto

// The meet records. They are written to the meet file and to the ring results
// file exactly as they lie in memory, so every offset and every reserved byte
// below is part of those file formats.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <type_traits>

static_assert(std::endian::native == std::endian::little,
              "the meet records are stored little-endian as they lie in memory");

namespace kavalto {

inline constexpr int kClassCount = 27;
inline constexpr int kEntriesPerEquipage = 5;
inline constexpr int kTeamMembers = 4;
inline constexpr int kTextField = 100;  // char[100]: at most 99 characters

// Award flags of a class entry, in their stored order.
enum Award : int { kAwardChampion = 0, kAwardNapp = 1, kAwardCert = 2, kAwardCaciac = 3, kAwardReserveCaciac = 4 };

struct MeetInfo {
    int32_t meetForm;            // 0 private meet, 1 club meet
    uint8_t singleRun;           // 1 one run per class, 0 two runs
    uint8_t reserved5[3];
    int32_t currentRun;          // 0 or 1
    uint8_t reserved12[4];
    uint8_t agilityFinal;        // with currentRun 1: 1 Agility final, 0 Hopp final
    char meetId[kTextField];
    char meetName[kTextField];
    char organiser[kTextField];
    char meetDate[kTextField];
    uint8_t hasSponsor;
    uint8_t sponsorWantsBanner;
    char sponsorText[101];
};

struct ClassRecord {
    int32_t ringMark;            // transient work mark of list builders
    char judge[kTextField];
    uint8_t inRun[2];
    uint8_t reserved106[2];
    int32_t courseLength[2];     // metres
    int32_t standardTime[2];     // hundredths
    uint8_t maxTimeOn;
    uint8_t reserved125[3];
    int32_t maxTimePercent;      // 200 = 2.00 times the standard time
    int32_t maxTime[2];          // hundredths, derived from the standard time
    int32_t finalPercent;
    uint8_t reserved144[24];
};

struct RunResult {
    int32_t ringMark;            // transient: written into a ring results file
    int32_t time;                // hundredths; 0 = no time yet
    int32_t faults;
    int32_t refusals;
    int32_t disqualified;        // non-zero = "Disk"
    int32_t notPresent;          // non-zero = "Ikke Møtt"
};

struct ClassEntry {
    uint8_t reserved0[4];
    int32_t classSlot;
    uint8_t entered[2];
    char handler[kTextField];
    uint8_t reserved110[2];
    int32_t startNo;             // 0 = none
    int32_t startOrder[2];       // 0-based position per run
    RunResult run[2];
    uint8_t reserved172[21];
    uint8_t awards[5];           // indexed by Award
    uint8_t reserved198[2];
};

// Which of the five entries of an equipage holds a class family.
enum EntryKind : int { kEntryHopp = 0, kEntryHoppOpen = 1, kEntryAgility = 2, kEntryAgilityOpen = 3, kEntryTeam = 4 };

struct EquipageRecord {
    int32_t workMark;            // scratch of list builders and start-order walks
    int32_t serial;
    uint8_t lateEntry;
    uint8_t reserved9[3];
    int32_t agilityLevel;        // 0..2 = level 1..3
    int32_t hoppLevel;
    int32_t sex;                 // 0 bitch, 1 male
    int32_t size;                // 0 Small, 1 Medium, 2 Large
    uint8_t inSeason;
    uint8_t reserved29[3];
    int32_t mailStatus;          // 0 not sent, 1 sent, 2 failed
    char regNo[kTextField];
    char dogName[kTextField];
    char callName[kTextField];
    char breed[kTextField];
    char reservedText[kTextField];
    char handlerName[kTextField];
    char address[kTextField];
    char place[kTextField];
    char club[kTextField];
    char email[kTextField];
    uint8_t reserved1036[100];
    int32_t reserved1136;
    ClassEntry entries[kEntriesPerEquipage];
};

struct TeamRecord {
    int32_t serial;
    int32_t ringMark;            // transient; also the team work mark (0, 1, 2)
    uint8_t reserved8;
    uint8_t inRun[2];
    uint8_t lateEntry;
    int32_t mailStatus;
    int32_t startNo;
    int32_t startOrder[2];
    int32_t size;
    int32_t classSlot;           // 24..26, -1 while no class is chosen
    char teamName[kTextField];
    char club[kTextField];
    char contact[kTextField];
    char email[kTextField];
    char teamNo[kTextField];
    int32_t reserved536;
    int32_t members[kTeamMembers];  // equipage indices, -1 = empty place
};

#define KAVALTO_CHECK_LAYOUT(T, field, at) static_assert(offsetof(T, field) == (at), #T "::" #field " offset")

static_assert(sizeof(MeetInfo) == 520);
KAVALTO_CHECK_LAYOUT(MeetInfo, singleRun, 4);
KAVALTO_CHECK_LAYOUT(MeetInfo, reserved5, 5);
KAVALTO_CHECK_LAYOUT(MeetInfo, currentRun, 8);
KAVALTO_CHECK_LAYOUT(MeetInfo, reserved12, 12);
KAVALTO_CHECK_LAYOUT(MeetInfo, agilityFinal, 16);
KAVALTO_CHECK_LAYOUT(MeetInfo, meetId, 17);
KAVALTO_CHECK_LAYOUT(MeetInfo, meetName, 117);
KAVALTO_CHECK_LAYOUT(MeetInfo, organiser, 217);
KAVALTO_CHECK_LAYOUT(MeetInfo, meetDate, 317);
KAVALTO_CHECK_LAYOUT(MeetInfo, hasSponsor, 417);
KAVALTO_CHECK_LAYOUT(MeetInfo, sponsorWantsBanner, 418);
KAVALTO_CHECK_LAYOUT(MeetInfo, sponsorText, 419);

static_assert(sizeof(ClassRecord) == 168);
KAVALTO_CHECK_LAYOUT(ClassRecord, judge, 4);
KAVALTO_CHECK_LAYOUT(ClassRecord, inRun, 104);
KAVALTO_CHECK_LAYOUT(ClassRecord, reserved106, 106);
KAVALTO_CHECK_LAYOUT(ClassRecord, courseLength, 108);
KAVALTO_CHECK_LAYOUT(ClassRecord, standardTime, 116);
KAVALTO_CHECK_LAYOUT(ClassRecord, maxTimeOn, 124);
KAVALTO_CHECK_LAYOUT(ClassRecord, maxTimePercent, 128);
KAVALTO_CHECK_LAYOUT(ClassRecord, maxTime, 132);
KAVALTO_CHECK_LAYOUT(ClassRecord, finalPercent, 140);
KAVALTO_CHECK_LAYOUT(ClassRecord, reserved144, 144);

static_assert(sizeof(RunResult) == 24);
KAVALTO_CHECK_LAYOUT(RunResult, time, 4);
KAVALTO_CHECK_LAYOUT(RunResult, faults, 8);
KAVALTO_CHECK_LAYOUT(RunResult, refusals, 12);
KAVALTO_CHECK_LAYOUT(RunResult, disqualified, 16);
KAVALTO_CHECK_LAYOUT(RunResult, notPresent, 20);

static_assert(sizeof(ClassEntry) == 200);
KAVALTO_CHECK_LAYOUT(ClassEntry, classSlot, 4);
KAVALTO_CHECK_LAYOUT(ClassEntry, entered, 8);
KAVALTO_CHECK_LAYOUT(ClassEntry, handler, 10);
KAVALTO_CHECK_LAYOUT(ClassEntry, startNo, 112);
KAVALTO_CHECK_LAYOUT(ClassEntry, startOrder, 116);
KAVALTO_CHECK_LAYOUT(ClassEntry, run, 124);
KAVALTO_CHECK_LAYOUT(ClassEntry, reserved172, 172);
KAVALTO_CHECK_LAYOUT(ClassEntry, awards, 193);
KAVALTO_CHECK_LAYOUT(ClassEntry, reserved198, 198);

static_assert(sizeof(EquipageRecord) == 2140);
KAVALTO_CHECK_LAYOUT(EquipageRecord, serial, 4);
KAVALTO_CHECK_LAYOUT(EquipageRecord, lateEntry, 8);
KAVALTO_CHECK_LAYOUT(EquipageRecord, agilityLevel, 12);
KAVALTO_CHECK_LAYOUT(EquipageRecord, hoppLevel, 16);
KAVALTO_CHECK_LAYOUT(EquipageRecord, sex, 20);
KAVALTO_CHECK_LAYOUT(EquipageRecord, size, 24);
KAVALTO_CHECK_LAYOUT(EquipageRecord, inSeason, 28);
KAVALTO_CHECK_LAYOUT(EquipageRecord, mailStatus, 32);
KAVALTO_CHECK_LAYOUT(EquipageRecord, regNo, 36);
KAVALTO_CHECK_LAYOUT(EquipageRecord, dogName, 136);
KAVALTO_CHECK_LAYOUT(EquipageRecord, callName, 236);
KAVALTO_CHECK_LAYOUT(EquipageRecord, breed, 336);
KAVALTO_CHECK_LAYOUT(EquipageRecord, reservedText, 436);
KAVALTO_CHECK_LAYOUT(EquipageRecord, handlerName, 536);
KAVALTO_CHECK_LAYOUT(EquipageRecord, address, 636);
KAVALTO_CHECK_LAYOUT(EquipageRecord, place, 736);
KAVALTO_CHECK_LAYOUT(EquipageRecord, club, 836);
KAVALTO_CHECK_LAYOUT(EquipageRecord, email, 936);
KAVALTO_CHECK_LAYOUT(EquipageRecord, reserved1036, 1036);
KAVALTO_CHECK_LAYOUT(EquipageRecord, reserved1136, 1136);
KAVALTO_CHECK_LAYOUT(EquipageRecord, entries, 1140);

static_assert(sizeof(TeamRecord) == 556);
KAVALTO_CHECK_LAYOUT(TeamRecord, ringMark, 4);
KAVALTO_CHECK_LAYOUT(TeamRecord, reserved8, 8);
KAVALTO_CHECK_LAYOUT(TeamRecord, inRun, 9);
KAVALTO_CHECK_LAYOUT(TeamRecord, lateEntry, 11);
KAVALTO_CHECK_LAYOUT(TeamRecord, mailStatus, 12);
KAVALTO_CHECK_LAYOUT(TeamRecord, startNo, 16);
KAVALTO_CHECK_LAYOUT(TeamRecord, startOrder, 20);
KAVALTO_CHECK_LAYOUT(TeamRecord, size, 28);
KAVALTO_CHECK_LAYOUT(TeamRecord, classSlot, 32);
KAVALTO_CHECK_LAYOUT(TeamRecord, teamName, 36);
KAVALTO_CHECK_LAYOUT(TeamRecord, club, 136);
KAVALTO_CHECK_LAYOUT(TeamRecord, contact, 236);
KAVALTO_CHECK_LAYOUT(TeamRecord, email, 336);
KAVALTO_CHECK_LAYOUT(TeamRecord, teamNo, 436);
KAVALTO_CHECK_LAYOUT(TeamRecord, reserved536, 536);
KAVALTO_CHECK_LAYOUT(TeamRecord, members, 540);

#undef KAVALTO_CHECK_LAYOUT

static_assert(std::is_trivially_copyable_v<MeetInfo> && std::is_trivially_copyable_v<ClassRecord> &&
              std::is_trivially_copyable_v<EquipageRecord> && std::is_trivially_copyable_v<TeamRecord>);

}  // namespace kavalto

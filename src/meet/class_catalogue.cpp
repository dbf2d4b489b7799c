#include "meet/class_catalogue.h"

#include <cstdio>
#include <string>

#include "app/text_tables.h"
#include "meet/meet_state.h"
#include "meet/text_field.h"

namespace kavalto {
namespace {

constexpr const char* kClassCodes[kClassCount] = {
    "AG-H-Liten-1",  "AG-H-Liten-2",  "AG-H-Liten-3",  "AG-H-Liten-A", "AG-H-Mellom-1", "AG-H-Mellom-2",
    "AG-H-Mellom-3", "AG-H-Mellom-A", "AG-H-Stor-1",   "AG-H-Stor-2",  "AG-H-Stor-3",   "AG-H-Stor-A",
    "AG-Liten-1",    "AG-Liten-2",    "AG-Liten-3",    "AG-Liten-A",   "AG-Mellom-1",   "AG-Mellom-2",
    "AG-Mellom-3",   "AG-Mellom-A",   "AG-Stor-1",     "AG-Stor-2",    "AG-Stor-3",     "AG-Stor-A",
    "AG-LagL",       "AG-LagM",       "AG-LagS"};

struct AcceptedCode {
    const char* code;
    char kind;
    int size;
    int level;
    int slot;
};

// In the order they are tried; the first exact match wins.
constexpr AcceptedCode kAcceptedCodes[] = {
    {"AG-Aapen", 'O', 0, 0, 15},          {"AG-Liten-A", 'O', 0, 0, 15},
    {"AG-Mellom-A", 'O', 1, 0, 19},       {"AG-Stor-A", 'O', 2, 0, 23},
    {"AG-H-Aapen", 'O', 0, 0, 3},         {"AG-H-Liten-A", 'O', 0, 0, 3},
    {"AG-H-Mellom-A", 'O', 1, 0, 7},      {"AG-H-Stor-A", 'O', 2, 0, 11},
    {"AG-Liten-1", 'A', 0, 0, 12},        {"AG-Liten-2", 'A', 0, 1, 13},
    {"AG-Liten-3", 'A', 0, 2, 14},        {"AG-Liten-Aapen", 'A', 0, 0, 15},
    {"AG-Mellom-1", 'A', 1, 0, 16},       {"AG-Mellom-2", 'A', 1, 1, 17},
    {"AG-Mellom-3", 'A', 1, 2, 18},       {"AG-Mellom-Aapen", 'A', 1, 0, 19},
    {"AG-Stor-1", 'A', 2, 0, 20},         {"AG-Stor-2", 'A', 2, 1, 21},
    {"AG-Stor-3", 'A', 2, 2, 22},         {"AG-Stor-Aapen", 'A', 2, 0, 23},
    {"AG-LagL", 'L', 0, 0, 24},           {"AG-LagM", 'L', 1, 1, 25},
    {"AG-LagS", 'L', 2, 2, 26},           {"AG-H-Liten-1", 'H', 0, 0, 0},
    {"AG-H-Liten-2", 'H', 0, 1, 1},       {"AG-H-Liten-3", 'H', 0, 2, 2},
    {"AG-H-Liten-Aapen", 'H', 0, 0, 3},   {"AG-H-Mellom-1", 'H', 1, 0, 4},
    {"AG-H-Mellom-2", 'H', 1, 1, 5},      {"AG-H-Mellom-3", 'H', 1, 2, 6},
    {"AG-H-Mellom-Aapen", 'H', 1, 0, 7},  {"AG-H-Stor-1", 'H', 2, 0, 8},
    {"AG-H-Stor-2", 'H', 2, 1, 9},        {"AG-H-Stor-3", 'H', 2, 2, 10},
    {"AG-H-Stor-Aapen", 'H', 2, 0, 11},
};

constexpr TextId kTextAgility = 380;
constexpr TextId kTextHopp = 381;
constexpr TextId kTextSmall = 384;
constexpr TextId kTextLag = 387;
constexpr TextId kTextOpen = 388;
constexpr TextId kTextCombined = 265;  // a label text

// Copies a looked-up text at once: the lookup buffer is shared.
std::string ListText(MeetState& meet, TextId id) { return LookupListText(meet, id); }

}  // namespace

int EntryOfClass(int slot) {
    if (IsTeamClass(slot)) return kEntryTeam;
    if (IsAgilityClass(slot)) return IsOpenClass(slot) ? kEntryAgilityOpen : kEntryAgility;
    return IsOpenClass(slot) ? kEntryHoppOpen : kEntryHopp;
}

int SizeOfClass(int slot) { return IsTeamClass(slot) ? slot - kFirstTeamClass : (slot % 12) / 4; }

int TwinOfClass(int slot) {
    if (IsHoppClass(slot)) return slot + 12;
    if (IsAgilityClass(slot)) return slot - 12;
    return -1;
}

const char* ClassCode(int slot) { return IsClassSlot(slot) ? kClassCodes[slot] : ""; }

ParsedClassCode ParseClassCode(std::string_view code) {
    for (const AcceptedCode& accepted : kAcceptedCodes) {
        if (code == accepted.code) return {true, accepted.size, accepted.level, accepted.slot, accepted.kind};
    }
    return {};
}

void BuildClassNames(MeetState& meet) {
    const std::string agility = ListText(meet, kTextAgility);
    const std::string hopp = ListText(meet, kTextHopp);
    const std::string lag = ListText(meet, kTextLag);
    const std::string open = ListText(meet, kTextOpen);
    std::string sizes[3];
    for (int s = 0; s < 3; ++s) sizes[s] = ListText(meet, kTextSmall + s);

    auto first = [](const std::string& text) { return text.empty() ? std::string() : text.substr(0, 1); };
    for (int slot = 0; slot < kClassCount; ++slot) {
        const std::string& size = sizes[SizeOfClass(slot)];
        std::string longName;
        std::string shortName;
        if (IsTeamClass(slot)) {
            longName = lag + " " + size;
            shortName = lag + first(size);
        } else {
            const std::string& discipline = IsAgilityClass(slot) ? agility : hopp;
            const std::string level = IsOpenClass(slot) ? open : std::string(1, static_cast<char>('1' + slot % 4));
            longName = discipline + " " + size + " " + level;
            shortName = first(discipline) + first(size) + first(level);
        }
        CopyText(meet.classLongName[slot], longName);
        CopyText(meet.classShortName[slot], shortName);
    }
}

int DefaultClassOfEntry(EquipageRecord& equipage, int entry) {
    if (equipage.size > 2) equipage.size = 2;
    if (equipage.size < 0) equipage.size = 0;
    const int size = equipage.size;
    switch (entry) {
        case kEntryHopp: return 4 * size + equipage.hoppLevel;
        case kEntryHoppOpen: return 4 * size + 3;
        case kEntryAgility: return 12 + 4 * size + equipage.agilityLevel;
        case kEntryAgilityOpen: return 12 + 4 * size + 3;
        default: return 24 + size;
    }
}

const char* CombinedClassName(MeetState& meet, int slot) {
    std::string title;
    if (IsTeamClass(slot)) {
        title = std::string(LookupLabelText(meet, kTextCombined)) + " " + std::string(FieldText(meet.classLongName[slot]));
    } else if (IsClassSlot(slot)) {
        // An Open class keeps its size in the title: "Hopp + Agility - Small Åpen".
        const std::string level =
            IsOpenClass(slot) ? ListText(meet, kTextOpen) : std::string(1, static_cast<char>('1' + slot % 4));
        title = ListText(meet, kTextHopp) + " + " + ListText(meet, kTextAgility) + " - " +
                ListText(meet, kTextSmall + SizeOfClass(slot)) + " " + level;
    }
    CopyText(meet.combinedClassName, title);
    return meet.combinedClassName;
}

}  // namespace kavalto

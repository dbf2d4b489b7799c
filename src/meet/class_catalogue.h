// The fixed catalogue of 27 classes. A class slot alone says the discipline,
// the dog size, the level, the equipage entry that holds it, its names and
// its club code: 0..11 Hopp, 12..23 Agility (12 * discipline + 4 * size + k,
// k 0..2 the levels, 3 the Open class), 24..26 the team classes.
#pragma once

#include <string_view>

#include "meet/records.h"

namespace kavalto {

struct MeetState;

inline constexpr int kFirstAgilityClass = 12;
inline constexpr int kFirstTeamClass = 24;

constexpr bool IsClassSlot(int slot) { return slot >= 0 && slot < kClassCount; }
constexpr bool IsTeamClass(int slot) { return slot >= kFirstTeamClass && slot < kClassCount; }
constexpr bool IsHoppClass(int slot) { return slot >= 0 && slot < kFirstAgilityClass; }
constexpr bool IsAgilityClass(int slot) { return slot >= kFirstAgilityClass && slot < kFirstTeamClass; }
constexpr bool IsOpenClass(int slot) { return slot >= 0 && slot < kFirstTeamClass && slot % 4 == 3; }
// 0..2 for the levels 1..3 of an individual level class; -1 otherwise.
constexpr int LevelOfClass(int slot) { return (slot >= 0 && slot < kFirstTeamClass && slot % 4 != 3) ? slot % 4 : -1; }

int EntryOfClass(int slot);
int SizeOfClass(int slot);
// The other discipline's class of the same size and level; -1 for a team class.
int TwinOfClass(int slot);

// The club's code of a slot ("AG-H-Liten-1"); empty outside 0..26.
const char* ClassCode(int slot);

struct ParsedClassCode {
    bool found = false;
    int size = 0;
    int level = 0;
    int slot = 0;
    char kind = 0;               // 'A' Agility, 'H' Hopp, 'L' team, 'O' Open (size by the dog)
};
ParsedClassCode ParseClassCode(std::string_view code);

// Fills classLongName and classShortName of all 27 slots from the text tables.
void BuildClassNames(MeetState& meet);

// The slot that the dog's own size and levels select for an entry position;
// a size outside 0..2 is first corrected in the record.
int DefaultClassOfEntry(EquipageRecord& equipage, int entry);

// The title of the combined results of a class and its twin, in the meet's
// one buffer (code page 1252; the next call overwrites it).
const char* CombinedClassName(MeetState& meet, int slot);

}  // namespace kavalto

#include <gtest/gtest.h>

#include <string>

#include "app/cp1252.h"
#include "app/text_tables.h"
#include "meet/class_catalogue.h"
#include "meet/meet_state.h"
#include "meet/text_field.h"

namespace kavalto {
namespace {

std::string Utf8(std::string_view cp1252) { return Cp1252ToUtf8(cp1252); }

TEST(ClassCatalogue, EverySlotHasItsNamesCodeEntrySizeAndTwin) {
    struct Row {
        int slot;
        const char* longName;
        const char* shortName;
        const char* code;
        int entry;
        int size;
        int twin;
    };
    const Row rows[] = {
        {0, "Hopp Small 1", "HS1", "AG-H-Liten-1", 0, 0, 12},
        {1, "Hopp Small 2", "HS2", "AG-H-Liten-2", 0, 0, 13},
        {2, "Hopp Small 3", "HS3", "AG-H-Liten-3", 0, 0, 14},
        {3, "Hopp Small Åpen", "HSÅ", "AG-H-Liten-A", 1, 0, 15},
        {4, "Hopp Medium 1", "HM1", "AG-H-Mellom-1", 0, 1, 16},
        {5, "Hopp Medium 2", "HM2", "AG-H-Mellom-2", 0, 1, 17},
        {6, "Hopp Medium 3", "HM3", "AG-H-Mellom-3", 0, 1, 18},
        {7, "Hopp Medium Åpen", "HMÅ", "AG-H-Mellom-A", 1, 1, 19},
        {8, "Hopp Large 1", "HL1", "AG-H-Stor-1", 0, 2, 20},
        {9, "Hopp Large 2", "HL2", "AG-H-Stor-2", 0, 2, 21},
        {10, "Hopp Large 3", "HL3", "AG-H-Stor-3", 0, 2, 22},
        {11, "Hopp Large Åpen", "HLÅ", "AG-H-Stor-A", 1, 2, 23},
        {12, "Agility Small 1", "AS1", "AG-Liten-1", 2, 0, 0},
        {13, "Agility Small 2", "AS2", "AG-Liten-2", 2, 0, 1},
        {14, "Agility Small 3", "AS3", "AG-Liten-3", 2, 0, 2},
        {15, "Agility Small Åpen", "ASÅ", "AG-Liten-A", 3, 0, 3},
        {16, "Agility Medium 1", "AM1", "AG-Mellom-1", 2, 1, 4},
        {17, "Agility Medium 2", "AM2", "AG-Mellom-2", 2, 1, 5},
        {18, "Agility Medium 3", "AM3", "AG-Mellom-3", 2, 1, 6},
        {19, "Agility Medium Åpen", "AMÅ", "AG-Mellom-A", 3, 1, 7},
        {20, "Agility Large 1", "AL1", "AG-Stor-1", 2, 2, 8},
        {21, "Agility Large 2", "AL2", "AG-Stor-2", 2, 2, 9},
        {22, "Agility Large 3", "AL3", "AG-Stor-3", 2, 2, 10},
        {23, "Agility Large Åpen", "ALÅ", "AG-Stor-A", 3, 2, 11},
        {24, "Lag Small", "LagS", "AG-LagL", 4, 0, -1},
        {25, "Lag Medium", "LagM", "AG-LagM", 4, 1, -1},
        {26, "Lag Large", "LagL", "AG-LagS", 4, 2, -1},
    };
    MeetState meet;
    SetInitialMeet(meet);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.slot);
        EXPECT_EQ(Utf8(meet.classLongName[row.slot]), row.longName);
        EXPECT_EQ(Utf8(meet.classShortName[row.slot]), row.shortName);
        EXPECT_STREQ(ClassCode(row.slot), row.code);
        EXPECT_EQ(EntryOfClass(row.slot), row.entry);
        EXPECT_EQ(SizeOfClass(row.slot), row.size);
        EXPECT_EQ(TwinOfClass(row.slot), row.twin);
        EXPECT_EQ(Utf8(LookupListText(meet, 412 + row.slot)), row.longName);
    }
    EXPECT_STREQ(ClassCode(27), "");
    EXPECT_STREQ(ClassCode(-1), "");
}

TEST(ClassCatalogue, ParseClassCodeTakesTheFirstExactMatch) {
    struct Row {
        const char* code;
        bool found;
        char kind;
        int size;
        int level;
        int slot;
    };
    const Row rows[] = {
        {"AG-Aapen", true, 'O', 0, 0, 15},
        {"AG-Liten-A", true, 'O', 0, 0, 15},
        {"AG-Liten-Aapen", true, 'A', 0, 0, 15},
        {"AG-Mellom-A", true, 'O', 1, 0, 19},
        {"AG-Stor-Aapen", true, 'A', 2, 0, 23},
        {"AG-H-Aapen", true, 'O', 0, 0, 3},
        {"AG-H-Stor-A", true, 'O', 2, 0, 11},
        {"AG-H-Mellom-Aapen", true, 'H', 1, 0, 7},
        {"AG-Mellom-2", true, 'A', 1, 1, 17},
        {"AG-Stor-3", true, 'A', 2, 2, 22},
        {"AG-H-Liten-1", true, 'H', 0, 0, 0},
        {"AG-H-Stor-2", true, 'H', 2, 1, 9},
        {"AG-LagL", true, 'L', 0, 0, 24},
        {"AG-LagM", true, 'L', 1, 1, 25},
        {"AG-LagS", true, 'L', 2, 2, 26},
        {"ag-liten-1", false, 0, 0, 0, 0},
        {"AG-Liten-1 ", false, 0, 0, 0, 0},
        {"AG-Liten", false, 0, 0, 0, 0},
        {"", false, 0, 0, 0, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.code);
        const ParsedClassCode parsed = ParseClassCode(row.code);
        EXPECT_EQ(parsed.found, row.found);
        if (!row.found) continue;
        EXPECT_EQ(parsed.kind, row.kind);
        EXPECT_EQ(parsed.size, row.size);
        EXPECT_EQ(parsed.level, row.level);
        EXPECT_EQ(parsed.slot, row.slot);
    }
}

TEST(ClassCatalogue, DefaultClassFollowsTheDogAndCorrectsItsSize) {
    EquipageRecord dog{};
    dog.size = 1;
    dog.hoppLevel = 2;
    dog.agilityLevel = 0;
    const int expected[] = {6, 7, 16, 19, 25};
    for (int entry = 0; entry < 5; ++entry) EXPECT_EQ(DefaultClassOfEntry(dog, entry), expected[entry]) << entry;

    dog.size = 7;
    EXPECT_EQ(DefaultClassOfEntry(dog, 4), 26);
    EXPECT_EQ(dog.size, 2);
    dog.size = -3;
    EXPECT_EQ(DefaultClassOfEntry(dog, 1), 3);
    EXPECT_EQ(dog.size, 0);
}

TEST(ClassCatalogue, CombinedTitles) {
    MeetState meet;
    SetInitialMeet(meet);
    const std::pair<int, const char*> titles[] = {
        {5, "Hopp + Agility - Medium 2"},
        {17, "Hopp + Agility - Medium 2"},
        {3, "Hopp + Agility - Small Åpen"},  // an Open class keeps its size
        {23, "Hopp + Agility - Large Åpen"},
        {26, "Sammenlagt Lag Large"},
    };
    for (const auto& [slot, title] : titles) EXPECT_EQ(Utf8(CombinedClassName(meet, slot)), title) << slot;
}

}  // namespace
}  // namespace kavalto

// Older meet files and what loading makes of them.
#include <gtest/gtest.h>

#include "meet/meet_file.h"
#include "meet/text_field.h"
#include "support/meet_builder.h"
#include "support/meet_file_bytes.h"
#include "support/recording_notifier.h"

namespace kavalto {
namespace {

EquipageRecord BlankEquipage(int size) {
    EquipageRecord e{};
    ClearEquipage(e);
    e.size = size;
    return e;
}

TeamRecord BlankTeam(int classSlot, int size) {
    TeamRecord t{};
    NewTeam(t);
    t.classSlot = classSlot;
    t.size = size;
    t.inRun[0] = 1;
    return t;
}

std::vector<ClassRecord> DefaultClasses(int count) {
    MeetState meet;
    test::MakeFreshMeet(meet);
    return {meet.classes.begin(), meet.classes.begin() + count};
}

// A version 27 file: 23 classes in the old numbering, one Open class per
// discipline, team classes 20..22 and start numbers from 8000 up.
TEST(MeetFileVersions, Version27MapsClassesOpenEntriesTeamsAndStartNumbers) {
    std::vector<ClassRecord> classes = DefaultClasses(23);
    CopyText(classes[3].judge, "Hopp Medium 1");   // old 3 is Hopp Medium level 1, now 4
    CopyText(classes[19].judge, "Agility Åpen");    // old 19 is the Agility Open class, now 15
    classes[10].inRun[0] = 1;                       // old 10 is Agility Small 1, now 12
    classes[20].inRun[0] = 1;                       // old 20 is team Small, now 24

    std::vector<EquipageRecord> equipages(3, BlankEquipage(1));
    equipages[0].entries[kEntryHopp].classSlot = 3;
    equipages[0].entries[kEntryAgilityOpen] = ClassEntry{};
    equipages[0].entries[kEntryAgilityOpen].classSlot = 19;
    equipages[0].entries[kEntryAgilityOpen].entered[0] = 1;
    equipages[0].entries[kEntryAgilityOpen].startNo = 8003;
    equipages[0].entries[kEntryHoppOpen].classSlot = 9;  // not entered: keeps the mapped slot
    equipages[1].size = 0;
    equipages[1].entries[kEntryAgility].classSlot = 10;
    equipages[1].entries[kEntryAgility].entered[0] = 1;
    equipages[1].entries[kEntryAgility].startNo = 9500;
    equipages[2].size = 0;
    equipages[2].entries[kEntryAgility].classSlot = 10;
    equipages[2].entries[kEntryAgility].entered[0] = 1;
    equipages[2].entries[kEntryAgility].startNo = 7999;  // below 8000: kept
    equipages[2].entries[kEntryTeam].classSlot = 20;
    equipages[2].entries[kEntryTeam].entered[0] = 1;
    std::vector<TeamRecord> teams{BlankTeam(20, 0), BlankTeam(22, 2), BlankTeam(-1, 0)};
    teams[0].members[0] = 2;

    MeetState meet;
    test::MakeFreshMeet(meet);
    CopyText(meet.classes[7].judge, "Beholdt");  // slots 7, 11, 19, 23 are not in the file
    MeetInfo info = meet.info;
    ASSERT_TRUE(LoadMeetBytes(meet, test::MeetFileBytes(27, info, classes, equipages, teams)));

    EXPECT_EQ(FieldText(meet.classes[4].judge), "Hopp Medium 1");
    EXPECT_EQ(FieldText(meet.classes[15].judge), "Agility Åpen");
    EXPECT_EQ(FieldText(meet.classes[7].judge), "Beholdt");
    EXPECT_EQ(meet.classes[12].inRun[0], 1);
    EXPECT_EQ(meet.classes[24].inRun[0], 1);

    const EquipageRecord& first = meet.equipages[0];
    EXPECT_EQ(first.entries[kEntryHopp].classSlot, 4);
    EXPECT_EQ(first.entries[kEntryHoppOpen].classSlot, 3);
    EXPECT_EQ(first.entries[kEntryAgilityOpen].classSlot, 19);  // Open of the dog's size (Medium)
    EXPECT_EQ(first.entries[kEntryAgilityOpen].startNo, 8000);
    EXPECT_EQ(meet.equipages[1].entries[kEntryAgility].classSlot, 12);
    EXPECT_EQ(meet.equipages[1].entries[kEntryAgility].startNo, 8001);
    EXPECT_EQ(meet.equipages[2].entries[kEntryAgility].startNo, 7999);
    EXPECT_EQ(meet.equipages[2].entries[kEntryTeam].classSlot, 24);

    // The start order of Agility Small 1 follows the new start numbers.
    EXPECT_EQ(meet.equipages[2].entries[kEntryAgility].startOrder[0], 0);
    EXPECT_EQ(meet.equipages[1].entries[kEntryAgility].startOrder[0], 1);

    EXPECT_EQ(meet.teams[0].classSlot, 24);
    EXPECT_EQ(meet.teams[1].classSlot, 26);
    EXPECT_EQ(meet.teams[2].classSlot, -1);
}

// What each older version lacked is cleared or rebuilt as it loads.
TEST(MeetFileVersions, FieldsAnOlderVersionLackedAreCleared) {
    struct Case {
        int32_t version;
        bool awardsCleared;   // Champion, CACIAC, R. CACIAC
        bool lateEntryCleared;
        bool mailCleared;     // and teams ordered by size
    };
    const Case cases[] = {
        {22, true, true, true},    {23, false, true, true},   {24, false, true, false},
        {25, false, true, false},  {26, false, false, false}, {28, false, false, false},
        {31, false, false, false},  // a newer version is read as 28
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.version);
        EquipageRecord e = BlankEquipage(0);
        for (uint8_t& award : e.entries[kEntryAgility].awards) award = 1;
        e.lateEntry = 1;
        e.mailStatus = 2;
        std::vector<TeamRecord> teams{BlankTeam(26, 2), BlankTeam(24, 0)};
        teams[0].mailStatus = 1;

        MeetState meet;
        test::MakeFreshMeet(meet);
        const LoadResult result =
            LoadMeetBytes(meet, test::MeetFileBytes(c.version, meet.info, DefaultClasses(27),
                                                    std::span(&e, 1), teams));
        ASSERT_TRUE(result);
        EXPECT_EQ(result.version, c.version);
        const ClassEntry& entry = meet.equipages[0].entries[kEntryAgility];
        EXPECT_EQ(entry.awards[kAwardChampion], c.awardsCleared ? 0 : 1);
        EXPECT_EQ(entry.awards[kAwardCaciac], c.awardsCleared ? 0 : 1);
        EXPECT_EQ(entry.awards[kAwardReserveCaciac], c.awardsCleared ? 0 : 1);
        EXPECT_EQ(entry.awards[kAwardNapp], 1);
        EXPECT_EQ(entry.awards[kAwardCert], 1);
        EXPECT_EQ(meet.equipages[0].lateEntry, c.lateEntryCleared ? 0 : 1);
        EXPECT_EQ(meet.equipages[0].mailStatus, c.mailCleared ? 0 : 2);
        const TeamRecord& firstTeam = meet.teams[0];
        EXPECT_EQ(firstTeam.size, c.mailCleared ? 0 : 2);
        EXPECT_EQ(meet.teams[0].mailStatus + meet.teams[1].mailStatus, c.mailCleared ? 0 : 1);
    }
}

TEST(MeetFileVersions, Version23RebuildsTheFirstRunOrderByStartNumber) {
    std::vector<ClassRecord> classes = DefaultClasses(27);
    classes[8].inRun[0] = 1;
    std::vector<EquipageRecord> equipages(2, BlankEquipage(2));
    for (int i = 0; i < 2; ++i) {
        ClassEntry& entry = equipages[static_cast<size_t>(i)].entries[kEntryHopp];
        entry.classSlot = 8;
        entry.entered[0] = 1;
        entry.startNo = 20 - i;  // the second starts first
        entry.startOrder[0] = i;
    }
    MeetState meet;
    test::MakeFreshMeet(meet);
    ASSERT_TRUE(LoadMeetBytes(meet, test::MeetFileBytes(23, meet.info, classes, equipages, {})));
    EXPECT_EQ(meet.equipages[0].entries[kEntryHopp].startOrder[0], 1);
    EXPECT_EQ(meet.equipages[1].entries[kEntryHopp].startOrder[0], 0);
}

// The file's own run decides: a file saved in the second run keeps its
// first-run positions and gets its finals chosen again (the dogs ran no
// Agility qualification, so none reaches the Hopp final); a class without a
// first run loses its second.
TEST(MeetFileVersions, AnOldFileSavedInTheSecondRunRebuildsItsFinals) {
    std::vector<ClassRecord> classes = DefaultClasses(27);
    classes[8].inRun[0] = 1;
    classes[8].inRun[1] = 1;
    classes[9].inRun[1] = 1;
    std::vector<EquipageRecord> equipages(2, BlankEquipage(2));
    for (int i = 0; i < 2; ++i) {
        ClassEntry& entry = equipages[static_cast<size_t>(i)].entries[kEntryHopp];
        entry.classSlot = 8;
        entry.entered[0] = 1;
        entry.startNo = 20 - i;
        entry.startOrder[0] = i;
        entry.entered[1] = 1;
    }
    MeetState meet;
    test::MakeFreshMeet(meet);
    MeetInfo info = meet.info;
    info.singleRun = 0;
    info.currentRun = 1;
    ASSERT_TRUE(LoadMeetBytes(meet, test::MeetFileBytes(23, info, classes, equipages, {})));
    EXPECT_EQ(meet.info.currentRun, 1);
    EXPECT_EQ(meet.equipages[0].entries[kEntryHopp].startOrder[0], 0);
    EXPECT_EQ(meet.equipages[1].entries[kEntryHopp].startOrder[0], 1);
    EXPECT_EQ(meet.equipages[0].entries[kEntryHopp].entered[1], 0);
    EXPECT_EQ(meet.equipages[1].entries[kEntryHopp].entered[1], 0);
    EXPECT_EQ(meet.classes[8].inRun[1], 1);
    EXPECT_EQ(meet.classes[9].inRun[1], 0);
}

}  // namespace
}  // namespace kavalto

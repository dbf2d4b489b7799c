#include <gtest/gtest.h>

#include <cstring>

#include "meet/meet_state.h"
#include "meet/text_field.h"
#include "support/meet_builder.h"
#include "support/recording_notifier.h"

namespace kavalto {
namespace {

TEST(MeetState, InitialMeetIsAnEmptySingleRunClubMeet) {
    MeetState meet;
    meet.info.currentRun = 1;
    CopyText(meet.info.meetName, "Gammelt");
    meet.banner = MakeBanner(10, 10);
    SetInitialMeet(meet);
    EXPECT_EQ(meet.info.meetForm, 1);
    EXPECT_EQ(meet.info.singleRun, 1);
    EXPECT_EQ(meet.info.currentRun, 0);
    EXPECT_EQ(meet.info.hasSponsor, 0);
    EXPECT_EQ(meet.info.sponsorWantsBanner, 1);
    EXPECT_STREQ(meet.info.meetName, "");
    EXPECT_FALSE(meet.banner.has_value());
    EXPECT_EQ(meet.equipageCount(), 0);
    EXPECT_EQ(meet.teamCount(), 0);
    for (const ClassRecord& c : meet.classes) {
        EXPECT_EQ(c.maxTimePercent, 200);
        EXPECT_EQ(c.finalPercent, 50);
        EXPECT_EQ(c.inRun[0], 0);
    }
    EXPECT_STREQ(meet.classLongName[0], "Hopp Small 1");
}

TEST(MeetState, ResetMeetKeepsJudgesAndRunsWhileResetClassesClearsThem) {
    MeetState meet;
    SetInitialMeet(meet);
    ClassRecord& c = meet.classes[5];
    CopyText(c.judge, "Dommer");
    c.inRun[0] = c.inRun[1] = 1;
    c.maxTimeOn = 1;
    c.maxTimePercent = 150;
    c.standardTime[1] = 3000;
    c.courseLength[0] = 180;
    c.maxTime[0] = 4500;
    test::AddEquipage(meet, "Fido");
    meet.currentClass = 5;
    meet.info.currentRun = 1;

    ResetMeet(meet);
    EXPECT_STREQ(c.judge, "Dommer");
    EXPECT_EQ(c.inRun[1], 1);
    EXPECT_EQ(c.maxTimeOn, 1);
    EXPECT_EQ(c.maxTimePercent, 150);
    EXPECT_EQ(c.standardTime[1], 0);
    EXPECT_EQ(c.courseLength[0], 0);
    EXPECT_EQ(meet.equipageCount(), 0);
    EXPECT_EQ(meet.equipageCapacity, 0);
    EXPECT_EQ(meet.currentClass, 0);
    EXPECT_EQ(meet.info.currentRun, 0);
    EXPECT_EQ(meet.nextSerial, 1);

    ResetClasses(meet);
    EXPECT_STREQ(c.judge, "");
    EXPECT_EQ(c.inRun[0], 0);
    EXPECT_EQ(c.inRun[1], 0);
    EXPECT_EQ(c.maxTimeOn, 0);
    EXPECT_EQ(c.maxTimePercent, 200);
    EXPECT_EQ(c.finalPercent, 50);
    EXPECT_EQ(c.maxTime[0], 4500);  // derived value, left for the results page to recompute
}

TEST(MeetState, ArraysGrowInStepsOf25And10) {
    MeetState meet;
    SetInitialMeet(meet);
    struct Step {
        int records;
        int equipageCapacity;
        int teamCapacity;
    };
    const Step steps[] = {{1, 25, 10}, {10, 25, 10}, {11, 25, 20}, {25, 25, 30}, {26, 50, 30}, {51, 75, 60}};
    int added = 0;
    for (const Step& step : steps) {
        for (; added < step.records; ++added) {
            test::AddEquipage(meet, "Hund");
            test::AddTeam(meet, "Lag", 24);
        }
        EXPECT_EQ(meet.equipageCapacity, step.equipageCapacity) << step.records;
        EXPECT_EQ(meet.teamCapacity, step.teamCapacity) << step.records;
    }
}

TEST(MeetState, AppendGivesSerialsAndDeleteMovesLaterRecordsDown) {
    MeetState meet;
    SetInitialMeet(meet);
    test::AddEquipage(meet, "A");
    test::AddTeam(meet, "Lag", 25);
    test::AddEquipage(meet, "B");
    test::AddEquipage(meet, "C");
    EXPECT_EQ(meet.equipages[0].serial, 1);
    EXPECT_EQ(meet.teams[0].serial, 2);
    EXPECT_EQ(meet.equipages[2].serial, 4);
    EXPECT_EQ(meet.nextSerial, 5);

    DeleteEquipage(meet, 0);
    ASSERT_EQ(meet.equipageCount(), 2);
    EXPECT_STREQ(meet.equipages[0].dogName, "B");
    EXPECT_STREQ(meet.equipages[1].dogName, "C");
    DeleteEquipage(meet, 7);  // outside the array: nothing happens
    EXPECT_EQ(meet.equipageCount(), 2);
    DeleteTeam(meet, 0);
    EXPECT_EQ(meet.teamCount(), 0);
}

TEST(MeetState, ClearEquipageLeavesStartOrdersMarksAndReservedBytes) {
    EquipageRecord e;
    std::memset(&e, 0xAB, sizeof e);
    ClearEquipage(e);
    EXPECT_EQ(e.serial, 0);
    EXPECT_EQ(e.size, 0);
    EXPECT_STREQ(e.regNo, "");
    EXPECT_STREQ(e.email, "");
    EXPECT_EQ(e.reserved1136, 0);
    EXPECT_EQ(e.workMark, static_cast<int32_t>(0xABABABAB));
    EXPECT_EQ(e.reserved1036[0], 0xAB);
    for (const ClassEntry& entry : e.entries) {
        EXPECT_EQ(entry.classSlot, 0);
        EXPECT_EQ(entry.startNo, 0);
        EXPECT_STREQ(entry.handler, "");
        EXPECT_EQ(entry.entered[1], 0);
        EXPECT_EQ(entry.run[1].time, 0);
        EXPECT_EQ(entry.run[0].notPresent, 0);
        EXPECT_EQ(entry.awards[4], 0);
        EXPECT_EQ(entry.startOrder[0], static_cast<int32_t>(0xABABABAB));
        EXPECT_EQ(entry.run[0].ringMark, static_cast<int32_t>(0xABABABAB));
        EXPECT_EQ(entry.reserved172[0], 0xAB);
    }
}

TEST(MeetState, NewTeamHasNoClassAndEmptyPlaces) {
    TeamRecord t;
    std::memset(&t, 0xAB, sizeof t);
    NewTeam(t);
    EXPECT_EQ(t.classSlot, -1);
    for (int32_t member : t.members) EXPECT_EQ(member, -1);
    EXPECT_STREQ(t.teamNo, "");
    EXPECT_EQ(t.startNo, 0);
    EXPECT_EQ(t.reserved536, 0);
    EXPECT_EQ(t.serial, static_cast<int32_t>(0xABABABAB));
    EXPECT_EQ(t.inRun[0], 0xAB);
    EXPECT_EQ(t.startOrder[1], static_cast<int32_t>(0xABABABAB));
}

TEST(MeetState, SortTeamsBySizeKeepsOrderWithinASize) {
    MeetState meet;
    SetInitialMeet(meet);
    for (const char* name : {"L1", "S1", "M1", "L2", "S2", "M2"}) {
        const int slot = name[0] == 'S' ? 24 : name[0] == 'M' ? 25 : 26;
        test::AddTeam(meet, name, slot);
    }
    SortTeamsBySize(meet);
    const char* expected[] = {"S1", "S2", "M1", "M2", "L1", "L2"};
    for (int i = 0; i < 6; ++i) EXPECT_STREQ(meet.teams[static_cast<size_t>(i)].teamName, expected[i]);
}

TEST(MeetState, MemberPlacesOutsideTheArrayAreEmpty) {
    MeetState meet;
    SetInitialMeet(meet);
    test::AddEquipage(meet, "A");
    TeamRecord team{};
    NewTeam(team);
    team.members[0] = 0;
    team.members[1] = 1;  // no such equipage
    team.members[2] = -7;
    EXPECT_EQ(MemberEquipage(meet, team, 0), &meet.equipages[0]);
    EXPECT_EQ(MemberEquipage(meet, team, 1), nullptr);
    EXPECT_EQ(MemberEquipage(meet, team, 2), nullptr);
    EXPECT_EQ(MemberEquipage(meet, team, 3), nullptr);
}

TEST(MeetState, OutOfMemoryIsShownOncePerRun) {
    ForgetOutOfMemoryShown();
    test::RecordingNotifier notifier;
    ReportOutOfMemory(notifier);
    ReportOutOfMemory(notifier);
    ASSERT_EQ(notifier.warnings.size(), 1u);
    EXPECT_EQ(notifier.warnings[0], "Out of memory");
    ForgetOutOfMemoryShown();
}

TEST(TextField, CopiesAreBoundedAndTerminated) {
    char field[100];
    const std::string ninetyNine(99, 'x');
    CopyText(field, ninetyNine + "yz");
    EXPECT_EQ(FieldText(field), ninetyNine);
    EXPECT_EQ(field[99], '\0');
    char sponsor[101];
    CopyText(sponsor, std::string(120, 's'));
    EXPECT_EQ(FieldText(sponsor).size(), 100u);
    char unterminated[4] = {'a', 'b', 'c', 'd'};
    EXPECT_EQ(FieldText(unterminated), "abcd");  // never read past the field
}

}  // namespace
}  // namespace kavalto

#include <gtest/gtest.h>

#include <vector>

#include "rules/start_order.h"
#include "support/meet_builder.h"

namespace kavalto {
namespace {

constexpr int kHoppLarge1 = 8;
constexpr int kTeamMedium = 25;

int32_t Position(const MeetState& meet, int equipage, int entry) {
    return meet.equipages[static_cast<size_t>(equipage)].entries[entry].startOrder[0];
}

TEST(OrderByStartNumber, EntrantsStartByStartNumberTableOrderOnEqualNumbers) {
    MeetState meet;
    test::MakeFreshMeet(meet);
    const int startNos[] = {50, 30, 70, 30};
    for (int startNo : startNos) test::Enter(meet, test::AddEquipage(meet, "Hund", 2), kHoppLarge1, 0, startNo);
    const int withdrawn = test::AddEquipage(meet, "Trukket", 2);
    test::Enter(meet, withdrawn, kHoppLarge1, 0, 1).entered[0] = 0;
    const int otherClass = test::AddEquipage(meet, "Annen", 2);
    test::Enter(meet, otherClass, kHoppLarge1 + 1, 0, 2);
    for (EquipageRecord& e : meet.equipages) e.entries[kEntryHopp].startOrder[0] = 99;

    OrderByStartNumber(meet, kHoppLarge1);

    const int32_t expected[] = {2, 0, 3, 1};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(Position(meet, i, kEntryHopp), expected[i]) << i;
        EXPECT_EQ(meet.equipages[static_cast<size_t>(i)].workMark, 0);
    }
    EXPECT_EQ(Position(meet, withdrawn, kEntryHopp), 99);
    EXPECT_EQ(Position(meet, otherClass, kEntryHopp), 99);
    EXPECT_EQ(meet.equipages[static_cast<size_t>(withdrawn)].workMark, 1);
}

// Teams start by their start numbers; their dogs follow them in member-place
// order, counting on from team to team. Empty places and indices outside the
// equipage array take no position.
TEST(OrderByStartNumber, TeamClassOrdersTeamsAndThenTheirMembers) {
    MeetState meet;
    test::MakeFreshMeet(meet);
    for (int i = 0; i < 5; ++i) test::AddEquipage(meet, "Hund", 1);
    const int late = test::AddTeam(meet, "Sen", kTeamMedium, 0, 1, 2);
    const int early = test::AddTeam(meet, "Tidlig", kTeamMedium, 3, -1, 4);
    const int other = test::AddTeam(meet, "Annen klasse", 24);
    meet.teams[static_cast<size_t>(late)].startNo = 20;
    meet.teams[static_cast<size_t>(early)].startNo = 10;
    meet.teams[static_cast<size_t>(early)].members[3] = 77;
    meet.teams[static_cast<size_t>(other)].startOrder[0] = 42;

    OrderByStartNumber(meet, kTeamMedium);

    EXPECT_EQ(meet.teams[static_cast<size_t>(early)].startOrder[0], 0);
    EXPECT_EQ(meet.teams[static_cast<size_t>(late)].startOrder[0], 1);
    EXPECT_EQ(meet.teams[static_cast<size_t>(other)].startOrder[0], 42);
    EXPECT_EQ(meet.teams[static_cast<size_t>(early)].ringMark, 2);
    EXPECT_EQ(meet.teams[static_cast<size_t>(other)].ringMark, 1);
    const int32_t memberPositions[] = {2, 3, 4, 0, 1};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(Position(meet, i, kEntryTeam), memberPositions[i]) << i;
}

TEST(OrderByStartNumber, AClassWithoutFirstRunLosesItsSecondAndNothingMoves) {
    MeetState meet;
    test::MakeFreshMeet(meet);
    const int dog = test::AddEquipage(meet, "Hund", 2);
    test::Enter(meet, dog, kHoppLarge1, 0, 5).startOrder[0] = 7;
    meet.classes[kHoppLarge1].inRun[0] = 0;
    meet.classes[kHoppLarge1].inRun[1] = 1;

    OrderByStartNumber(meet, kHoppLarge1);

    EXPECT_EQ(meet.classes[kHoppLarge1].inRun[1], 0);
    EXPECT_EQ(Position(meet, dog, kEntryHopp), 7);
}


// A class of Hopp Large 1 whose entrants hold the given positions, in table order.
std::vector<int> ClassWithPositions(MeetState& meet, const std::vector<int32_t>& positions) {
    test::MakeFreshMeet(meet);
    std::vector<int> dogs;
    for (int32_t p : positions) {
        const int dog = test::AddEquipage(meet, "Hund", 2);
        test::Enter(meet, dog, kHoppLarge1, 0, 8000 + dog).startOrder[0] = p;
        dogs.push_back(dog);
    }
    return dogs;
}

std::vector<int32_t> Positions(const MeetState& meet, const std::vector<int>& dogs) {
    std::vector<int32_t> positions;
    for (int dog : dogs) positions.push_back(Position(meet, dog, kEntryHopp));
    return positions;
}

TEST(StartOrder, AppendPutsLastAndRemoveClosesTheGap) {
    MeetState meet;
    std::vector<int> dogs = ClassWithPositions(meet, {0, 1, 2, 3});
    RemoveFromStartOrder(meet, kHoppLarge1, dogs[1]);
    meet.equipages[dogs[1]].entries[kEntryHopp].entered[0] = 0;
    EXPECT_EQ(Positions(meet, dogs), (std::vector<int32_t>{0, 0, 1, 2}));

    meet.equipages[dogs[1]].entries[kEntryHopp].entered[0] = 1;
    AppendToStartOrder(meet, kHoppLarge1, dogs[1]);
    EXPECT_EQ(Positions(meet, dogs), (std::vector<int32_t>{0, 3, 1, 2}));

    // A lone entrant that was at 0 is appended after itself.
    ClassWithPositions(meet, {0});
    AppendToStartOrder(meet, kHoppLarge1, 0);
    EXPECT_EQ(Position(meet, 0, kEntryHopp), 1);
}

TEST(StartOrder, RemovingATeamMovesUpOnlyTeamsOfTheSameClass) {
    MeetState meet;
    test::MakeFreshMeet(meet);
    const int a = test::AddTeam(meet, "A", kTeamMedium);
    const int b = test::AddTeam(meet, "B", kTeamMedium);
    const int other = test::AddTeam(meet, "Annen", 26);
    meet.teams[a].startOrder[0] = 0;
    meet.teams[b].startOrder[0] = 1;
    meet.teams[other].startOrder[0] = 1;

    RemoveTeamFromStartOrder(meet, kTeamMedium, a);

    EXPECT_EQ(meet.teams[a].startOrder[0], 0);
    EXPECT_EQ(meet.teams[b].startOrder[0], 0);
    EXPECT_EQ(meet.teams[other].startOrder[0], 1);
}

TEST(StartOrder, ADogInSeasonGoesLastInEachOfItsClasses) {
    MeetState meet;
    std::vector<int> dogs = ClassWithPositions(meet, {0, 1, 2});
    test::Enter(meet, dogs[0], 20, 0).startOrder[0] = 0;  // also the only one in Agility Large 1
    const int other = test::AddEquipage(meet, "Annen", 2);
    test::Enter(meet, other, 20, 0).startOrder[0] = 1;
    meet.equipages[dogs[0]].inSeason = 1;

    MoveToEndForSeason(meet, dogs[0]);

    EXPECT_EQ(Positions(meet, dogs), (std::vector<int32_t>{2, 0, 1}));
    EXPECT_EQ(Position(meet, dogs[0], kEntryAgility), 1);
    EXPECT_EQ(Position(meet, other, kEntryAgility), 0);
}

struct MoveCase {
    int32_t from;
    int32_t to;
    std::vector<int32_t> after;  // positions of the entrants, who held 0..4 in table order
};

TEST(StartOrder, MovingAnEntrantShiftsThoseBetween) {
    const MoveCase cases[] = {
        {1, 3, {0, 3, 1, 2, 4}},
        {3, 0, {1, 2, 3, 0, 4}},
        {4, 4, {0, 1, 2, 3, 4}},
        {0, 4, {4, 0, 1, 2, 3}},
    };
    for (const MoveCase& c : cases) {
        MeetState meet;
        std::vector<int> dogs = ClassWithPositions(meet, {0, 1, 2, 3, 4});
        MoveInStartOrder(meet, kHoppLarge1, dogs[c.from], c.to);
        EXPECT_EQ(Positions(meet, dogs), c.after) << c.from << " -> " << c.to;
    }

    MeetState meet;
    test::MakeFreshMeet(meet);
    std::vector<int> teams;
    for (int i = 0; i < 3; ++i) {
        teams.push_back(test::AddTeam(meet, "Lag", kTeamMedium));
        meet.teams[teams.back()].startOrder[0] = i;
    }
    MoveTeamInStartOrder(meet, kTeamMedium, teams[2], 0);
    EXPECT_EQ(meet.teams[teams[0]].startOrder[0], 1);
    EXPECT_EQ(meet.teams[teams[1]].startOrder[0], 2);
    EXPECT_EQ(meet.teams[teams[2]].startOrder[0], 0);
}

// Positions 0, 1, 3: asking for 2 gives the one that held 3, which now holds 2.
TEST(StartOrder, AskingForAMissingPositionClosesTheGap) {
    MeetState meet;
    std::vector<int> dogs = ClassWithPositions(meet, {3, 0, 1});
    EXPECT_EQ(EquipageAtPosition(meet, kHoppLarge1, 2), dogs[0]);
    EXPECT_EQ(Positions(meet, dogs), (std::vector<int32_t>{2, 0, 1}));
    EXPECT_EQ(EquipageAtPosition(meet, kHoppLarge1, 1), dogs[2]);
    EXPECT_EQ(EquipageAtPosition(meet, kHoppLarge1, 3), -1);

    // Repair takes the first in table order with a greater position.
    dogs = ClassWithPositions(meet, {0, 7, 4, 1});
    RepairStartOrder(meet);
    EXPECT_EQ(Positions(meet, dogs), (std::vector<int32_t>{0, 2, 3, 1}));

    test::MakeFreshMeet(meet);
    const int a = test::AddTeam(meet, "A", kTeamMedium);
    const int b = test::AddTeam(meet, "B", kTeamMedium);
    meet.teams[a].startOrder[0] = 5;
    meet.teams[b].startOrder[0] = 0;
    EXPECT_EQ(TeamAtPosition(meet, kTeamMedium, 1), a);
    EXPECT_EQ(meet.teams[a].startOrder[0], 1);
    EXPECT_EQ(TeamAtPosition(meet, kTeamMedium, 2), -1);
}

TEST(StartOrder, TheWalkGivesLowestPositionFirstAndTheLaterOneOnEqualPositions) {
    MeetState meet;
    std::vector<int> dogs = ClassWithPositions(meet, {2, 0, 1, 0});
    const int notEntered = test::AddEquipage(meet, "Ute", 2);
    test::Enter(meet, notEntered, kHoppLarge1, 1);  // second run only

    const StartOrderWalk walk = BeginStartOrder(meet, kHoppLarge1);
    std::vector<int32_t> order;
    for (int32_t e = NextInStartOrder(meet, walk); e >= 0; e = NextInStartOrder(meet, walk)) order.push_back(e);
    EXPECT_EQ(order, (std::vector<int32_t>{dogs[3], dogs[1], dogs[2], dogs[0]}));
}

// Two teams of three; the second dog of the first team is in season.
TEST(StartOrder, TeamMembersInSeasonStartAfterAllOthersOfTheClass) {
    MeetState meet;
    test::MakeFreshMeet(meet);
    std::vector<int> dogs;
    for (int i = 0; i < 6; ++i) dogs.push_back(test::AddEquipage(meet, "Hund", 1));
    meet.equipages[dogs[1]].inSeason = 1;
    const int second = test::AddTeam(meet, "To", kTeamMedium, dogs[3], dogs[4], dogs[5]);
    const int first = test::AddTeam(meet, "En", kTeamMedium, dogs[0], dogs[1], dogs[2]);
    meet.teams[first].startOrder[0] = 0;
    meet.teams[second].startOrder[0] = 1;

    OrderTeamMembers(meet);

    const int32_t expected[] = {0, 5, 1, 2, 3, 4};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(Position(meet, dogs[i], kEntryTeam), expected[i]) << i;
}

}  // namespace
}  // namespace kavalto

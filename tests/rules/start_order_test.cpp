#include <gtest/gtest.h>

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

// The second run's order is the finals' work; ordering by start number must
// not overwrite it.
TEST(OrderByStartNumber, SecondRunKeepsThePositions) {
    MeetState meet;
    test::MakeFreshMeet(meet);
    meet.info.singleRun = 0;
    const int a = test::AddEquipage(meet, "A", 2);
    const int b = test::AddEquipage(meet, "B", 2);
    test::Enter(meet, a, kHoppLarge1, 0, 9).startOrder[0] = 0;
    test::Enter(meet, b, kHoppLarge1, 0, 1).startOrder[0] = 1;
    meet.classes[kHoppLarge1].inRun[1] = 1;
    meet.info.currentRun = 1;

    OrderAllClasses(meet);

    EXPECT_EQ(Position(meet, a, kEntryHopp), 0);
    EXPECT_EQ(Position(meet, b, kEntryHopp), 1);
    EXPECT_EQ(meet.classes[kHoppLarge1].inRun[1], 1);
}

}  // namespace
}  // namespace kavalto

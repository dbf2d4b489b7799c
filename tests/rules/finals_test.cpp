#include <gtest/gtest.h>

#include <vector>

#include "rules/finals.h"
#include "rules/rules_fixture.h"
#include "rules/start_order.h"

namespace kavalto::test {
namespace {

class FinalsTest : public RulesTest {
protected:
    void SetUp() override {
        RulesTest::SetUp();
        meet.info.singleRun = 0;
        meet.classes[kHopp].inRun[1] = 1;
        meet.classes[kAgility].inRun[1] = 1;
    }

    // A dog with qualification runs in Hopp and Agility; a lower rank is a
    // better combined result (faster times, both runs clean).
    int Qualifier(int rank) {
        const int dog = Starter(kHopp, {3000 + 10 * rank});
        Enter(meet, dog, kAgility, 0);
        Record(dog, kAgility, {3000 + 10 * rank});
        return dog;
    }

    // The second-run starters of a class, first starter first.
    std::vector<int> Starters(int slot) {
        std::vector<std::pair<int32_t, int>> byPosition;
        for (int e = 0; e < meet.equipageCount(); ++e) {
            const ClassEntry& entry = EntryOf(e, slot);
            if (entry.classSlot == slot && entry.entered[1] != 0) byPosition.push_back({entry.startOrder[1], e});
        }
        std::sort(byPosition.begin(), byPosition.end());
        std::vector<int> starters;
        for (auto [position, e] : byPosition) starters.push_back(e);
        return starters;
    }
};

struct FinalistCase {
    int entered;
    int percent;
    int placed;  // the rest are disqualified in the Agility qualification
    int finalists;
};

// The share of those entered in both qualification classes, at least one, at
// most the placed ones of the combined list.
TEST_F(FinalsTest, FinalistCountFollowsTheShareOfThoseEnteredInBoth) {
    const FinalistCase cases[] = {{25, 20, 25, 5}, {3, 20, 3, 1}, {10, 50, 3, 3}, {9, 50, 9, 4}, {4, 100, 0, 0}};
    for (const FinalistCase& c : cases) {
        Reset();
        SetUp();
        meet.classes[kHopp].finalPercent = c.percent;
        for (int i = 0; i < c.entered; ++i) {
            const int dog = Qualifier(i);
            if (i >= c.placed) EntryOf(dog, kAgility).run[0].disqualified = 1;
        }
        SelectRun(meet, kSelectHoppFinal);
        EXPECT_EQ(static_cast<int>(Starters(kHopp).size()), c.finalists)
            << c.entered << " entered, " << c.percent << " %, " << c.placed << " placed";
        EXPECT_EQ(meet.info.currentRun, 1);
    }
}

TEST_F(FinalsTest, HoppFinalStartsInReverseOfTheCombinedQualification) {
    meet.classes[kHopp].finalPercent = 60;
    std::vector<int> dogs;
    for (int rank : {3, 0, 4, 1, 2}) dogs.push_back(Qualifier(rank));
    // Entered in the Hopp qualification only: never in the combined list.
    const int hoppOnly = Starter(kHopp, {1000});
    // Entered in the final by hand before the selection: rebuilt away.
    Enter(meet, hoppOnly, kHopp, 1);

    SelectRun(meet, kSelectHoppFinal);

    // 6 in Hopp, 5 of them also in Agility: 60 % of 5 = 3 finalists.
    EXPECT_EQ(Starters(kHopp), (std::vector<int>{dogs[4], dogs[3], dogs[1]}));
    EXPECT_EQ(EntryOf(hoppOnly, kHopp).entered[1], 0);
    // The Agility classes are left for their own final.
    EXPECT_TRUE(Starters(kAgility).empty());
}

TEST_F(FinalsTest, ATieWithTheLastFinalistListedAfterItDoesNotQualify) {
    meet.classes[kHopp].finalPercent = 50;
    const int a = Qualifier(0);
    const int b = Qualifier(1);
    const int tied = Qualifier(1);
    Qualifier(5);
    SelectRun(meet, kSelectHoppFinal);
    // b and tied share second place; only the one listed first goes on.
    const std::vector<int> starters = Starters(kHopp);
    ASSERT_EQ(starters.size(), 2u);
    EXPECT_EQ(starters[1], a);
    EXPECT_TRUE(starters[0] == b || starters[0] == tied);
    EXPECT_EQ(EntryOf(b, kHopp).entered[1] + EntryOf(tied, kHopp).entered[1], 1);
}

// The Agility final starts in reverse order of the Hopp final's places,
// without those eliminated or absent there.
TEST_F(FinalsTest, AgilityFinalFollowsTheHoppFinal) {
    meet.classes[kHopp].finalPercent = 100;
    std::vector<int> dogs;
    for (int rank = 0; rank < 5; ++rank) dogs.push_back(Qualifier(rank));
    SelectRun(meet, kSelectHoppFinal);
    ASSERT_EQ(Starters(kHopp).size(), 5u);

    const Outcome hoppFinal[] = {{3300}, {3100}, {3000, 0, 0, 1}, {0, 0, 0, 0, 1}, {3200}};
    for (int i = 0; i < 5; ++i) Record(dogs[i], kHopp, hoppFinal[i], 1);
    SelectRun(meet, kSelectAgilityFinal);

    EXPECT_EQ(Starters(kAgility), (std::vector<int>{dogs[0], dogs[4], dogs[1]}));
    EXPECT_EQ(meet.info.currentRun, 1);
    EXPECT_EQ(meet.info.agilityFinal, 1);
    // The Hopp final keeps its starters.
    EXPECT_EQ(Starters(kHopp).size(), 5u);
}

// Three placed teams and a disqualified one: the three run the final, the
// best last, and their dogs' positions run team by team.
TEST_F(FinalsTest, TeamFinalTakesThePlacedTeamsBestLast) {
    meet.classes[kTeam].inRun[1] = 1;
    const int times[] = {3300, 3100, 3200, 3000};
    std::vector<int> teams;
    std::vector<std::vector<int>> members;
    for (int t = 0; t < 4; ++t) {
        std::vector<int> dogs;
        for (int m = 0; m < 3; ++m) dogs.push_back(Starter(kTeam, {times[t] + m}));
        if (t == 3) EntryOf(dogs[0], kTeam).run[0].disqualified = 1;
        teams.push_back(AddTeam(meet, "Lag", kTeam, dogs[0], dogs[1], dogs[2]));
        members.push_back(dogs);
    }
    meet.teams[teams[3]].inRun[1] = 1;  // rebuilt away

    SelectRun(meet, kSelectHoppFinal);

    const int32_t teamPositions[] = {0, 2, 1, -1};
    for (int t = 0; t < 4; ++t) {
        const TeamRecord& team = meet.teams[teams[t]];
        if (teamPositions[t] < 0) {
            EXPECT_EQ(team.inRun[1], 0);
            for (int dog : members[t]) EXPECT_EQ(EntryOf(dog, kTeam).entered[1], 0);
            continue;
        }
        EXPECT_EQ(team.inRun[1], 1) << t;
        EXPECT_EQ(team.startOrder[1], teamPositions[t]) << t;
        for (int m = 0; m < 3; ++m) {
            EXPECT_EQ(EntryOf(members[t][m], kTeam).entered[1], 1);
            EXPECT_EQ(EntryOf(members[t][m], kTeam).startOrder[1], teamPositions[t] * 3 + m) << t << "/" << m;
        }
    }
}

struct SelectorCase {
    int item;
    int currentRun;
    int agilityFinal;
};

TEST_F(FinalsTest, TheRunSelectorSetsTheRunAndShowsItsItem) {
    const SelectorCase cases[] = {{kSelectQualification, 0, 0}, {kSelectHoppFinal, 1, 0}, {kSelectAgilityFinal, 1, 1}};
    for (const SelectorCase& c : cases) {
        SelectRun(meet, c.item);
        EXPECT_EQ(meet.info.currentRun, c.currentRun) << c.item;
        EXPECT_EQ(meet.info.agilityFinal, c.agilityFinal) << c.item;
        EXPECT_EQ(SelectedRunItem(meet), c.item);
    }

    // Back to single forces the first run; a single meet has no finals.
    SetSingleRun(meet, true);
    EXPECT_EQ(SelectedRunItem(meet), kSelectQualification);
    EXPECT_EQ(meet.info.agilityFinal, 0);
    SelectRun(meet, kSelectHoppFinal);
    EXPECT_EQ(meet.info.currentRun, 0);
    SetSingleRun(meet, false);
    EXPECT_EQ(meet.info.singleRun, 0);
    EXPECT_EQ(SelectedRunItem(meet), kSelectQualification);
}

// Going back to the qualification recomputes nothing.
TEST_F(FinalsTest, ChoosingTheQualificationKeepsTheFinalists) {
    meet.classes[kHopp].finalPercent = 100;
    for (int rank = 0; rank < 3; ++rank) Qualifier(rank);
    SelectRun(meet, kSelectHoppFinal);
    const std::vector<int> finalists = Starters(kHopp);
    SelectRun(meet, kSelectQualification);
    EXPECT_EQ(Starters(kHopp), finalists);
}

}  // namespace
}  // namespace kavalto::test

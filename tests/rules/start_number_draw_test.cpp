#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "meet/class_catalogue.h"
#include "rules/random_permutation.h"
#include "rules/start_order.h"
#include "support/meet_builder.h"

namespace kavalto {
namespace {

// The C library's generator from its initial state.
TEST(RandomNumbers, FollowTheCLibraryGeneratorFromSeedOne) {
    uint32_t state = 1;
    const int expected[] = {41, 18467, 6334, 26500, 19169};
    for (int value : expected) EXPECT_EQ(NextRandom(state), value);
}

TEST(RandomNumbers, APermutationGivesEveryNumberOnceThenTheLast) {
    MeetState meet;
    RandomPermutation permutation;
    ASSERT_TRUE(InitPermutation(meet, permutation, 7));
    std::vector<int32_t> drawn;
    for (int i = 0; i < 7; ++i) drawn.push_back(NextInPermutation(meet, permutation));
    std::sort(drawn.begin(), drawn.end());
    EXPECT_EQ(drawn, (std::vector<int32_t>{0, 1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(NextInPermutation(meet, permutation), 6);

    ASSERT_TRUE(InitPermutation(meet, permutation, 1));
    EXPECT_EQ(NextInPermutation(meet, permutation), 0);
}

class DrawTest : public ::testing::Test {
protected:
    std::unique_ptr<MeetState> owned = std::make_unique<MeetState>();
    MeetState& meet = *owned;

    void SetUp() override { test::MakeFreshMeet(meet); }

    // n dogs entered in the class for the first run; returns their indices.
    std::vector<int> Fill(int slot, int n) {
        std::vector<int> dogs;
        for (int i = 0; i < n; ++i) {
            dogs.push_back(test::AddEquipage(meet, "Hund", 2));
            test::Enter(meet, dogs.back(), slot, 0, 8000 + dogs.back());
        }
        return dogs;
    }

    std::vector<int32_t> Numbers(const std::vector<int>& dogs, int slot) {
        std::vector<int32_t> numbers;
        for (int dog : dogs) numbers.push_back(meet.equipages[dog].entries[EntryOfClass(slot)].startNo);
        return numbers;
    }

    static std::vector<int32_t> Sorted(std::vector<int32_t> v) {
        std::sort(v.begin(), v.end());
        return v;
    }

    static std::vector<int32_t> Range(int32_t first, int32_t count) {
        std::vector<int32_t> v;
        for (int32_t i = 0; i < count; ++i) v.push_back(first + i);
        return v;
    }
};

struct BlockCase {
    int first;
    int second;
    int32_t secondBase;
};

// The blocks are the smallest multiple of 100 that no class exceeds; the
// first class drawn starts at 1, the next at one block.
TEST_F(DrawTest, BlockSizeIsTheSmallestHundredNoClassExceeds) {
    const BlockCase cases[] = {{99, 101, 200}, {100, 3, 100}, {3, 2, 100}, {201, 1, 300}};
    for (const BlockCase& c : cases) {
        SetUp();
        meet.equipages.clear();
        const std::vector<int> a = Fill(0, c.first);
        const std::vector<int> b = Fill(8, c.second);
        DrawStartNumbers(meet);
        EXPECT_EQ(Sorted(Numbers(a, 0)), Range(1, c.first)) << c.first << "/" << c.second;
        EXPECT_EQ(Sorted(Numbers(b, 8)), Range(c.secondBase, c.second)) << c.first << "/" << c.second;
    }
}

TEST_F(DrawTest, TheSameDrawAfterAFreshStartGivesTheSameNumbersAndTheOrderFollowsThem) {
    const std::vector<int> dogs = Fill(8, 12);
    auto second = std::make_unique<MeetState>(meet);

    DrawStartNumbers(meet);
    DrawStartNumbers(*second);
    const std::vector<int32_t> numbers = Numbers(dogs, 8);
    EXPECT_EQ(numbers, Numbers(dogs, 8));
    for (int dog : dogs) {
        EXPECT_EQ(second->equipages[dog].entries[kEntryHopp].startNo, meet.equipages[dog].entries[kEntryHopp].startNo);
        // Position k is held by start number k + 1.
        EXPECT_EQ(meet.equipages[dog].entries[kEntryHopp].startOrder[0] + 1, meet.equipages[dog].entries[kEntryHopp].startNo);
    }
    EXPECT_NE(numbers, Range(1, 12)) << "the draw should shuffle";

    // A second draw in the same program run goes on with the generator.
    DrawStartNumbers(meet);
    EXPECT_NE(Numbers(dogs, 8), numbers);
}

// Dogs in season draw after the others, from what the permutation has left;
// a team entry that carried the dog's number carries the new one.
TEST_F(DrawTest, DogsInSeasonGetTheNumbersLeftOverAndTeamEntriesFollow) {
    const std::vector<int> dogs = Fill(8, 6);
    meet.equipages[dogs[0]].inSeason = 1;
    meet.equipages[dogs[1]].entries[kEntryTeam].startNo = meet.equipages[dogs[1]].entries[kEntryHopp].startNo;
    meet.equipages[dogs[2]].entries[kEntryTeam].startNo = 4242;

    auto reference = std::make_unique<MeetState>(meet);
    DrawStartNumbers(meet);

    // The same permutation drawn by hand: the five others first, in table order.
    RandomPermutation permutation;
    ASSERT_TRUE(InitPermutation(*reference, permutation, 6));
    std::vector<int32_t> expected(6);
    for (int i = 1; i < 6; ++i) expected[i] = 1 + NextInPermutation(*reference, permutation);
    expected[0] = 1 + NextInPermutation(*reference, permutation);
    EXPECT_EQ(Numbers(dogs, 8), expected);
    EXPECT_EQ(meet.equipages[dogs[1]].entries[kEntryTeam].startNo, expected[1]);
    EXPECT_EQ(meet.equipages[dogs[2]].entries[kEntryTeam].startNo, 4242);
}

TEST_F(DrawTest, TeamClassesFollowTheIndividualClassesBlockByBlock) {
    Fill(8, 3);
    Fill(20, 2);
    std::vector<int> teams;
    for (int slot : {24, 24, 26}) teams.push_back(test::AddTeam(meet, "Lag", slot));
    meet.teams[teams[0]].inRun[0] = 0;  // not running: keeps its number
    meet.teams[teams[0]].startNo = 77;

    DrawStartNumbers(meet);

    EXPECT_EQ(meet.teams[teams[0]].startNo, 77);
    EXPECT_EQ(meet.teams[teams[1]].startNo, 200);
    EXPECT_EQ(meet.teams[teams[2]].startNo, 300);
}

TEST_F(DrawTest, WithoutIndividualClassesTheFirstTeamClassStartsAtOne) {
    const int a = test::AddTeam(meet, "A", 25);
    const int b = test::AddTeam(meet, "B", 25);
    DrawStartNumbers(meet);
    EXPECT_EQ(Sorted({meet.teams[a].startNo, meet.teams[b].startNo}), (std::vector<int32_t>{1, 2}));
    EXPECT_EQ(meet.teams[a].startOrder[0] + 1, meet.teams[a].startNo);
}

}  // namespace
}  // namespace kavalto

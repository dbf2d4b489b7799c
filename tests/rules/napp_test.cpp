#include "rules/napp.h"

#include "rules/result_list.h"
#include "rules_fixture.h"

namespace kavalto::test {
namespace {

TEST(NappLimit, IsFifteenPercentPlusOneInSinglePrecision) {
    const struct {
        int32_t starters, limit;
    } cases[] = {{0, 1}, {6, 1}, {7, 2}, {10, 2}, {20, 4}, {40, 7}, {100, 16}, {419, 63},
                 // float rounding leaves the integer formula's 64 one short here
                 {420, 63}};
    for (const auto& c : cases) EXPECT_EQ(NappLimit(c.starters), c.limit) << c.starters;
}

class NappTest : public RulesTest {
protected:
    // n clean runs, equipage i placed i + 1; answers how many of the first
    // places carry the mark, checking that no later one does.
    int MarkedPlaces() {
        BuildResultList(meet, kHopp, false);
        int marked = 0;
        for (int i = 0; i < meet.equipageCount(); ++i) {
            if (EntryOf(i, kHopp).awards[kAwardNapp] == 0) continue;
            EXPECT_EQ(i, marked) << "marks run from the first place without a gap";
            ++marked;
        }
        return marked;
    }
    void CleanStarters(int n, int runIndex = 0) {
        for (int i = 0; i < n; ++i) Starter(kHopp, {3000 + 10 * i}, runIndex);
    }
};

TEST_F(NappTest, MarksFaultFreeRunsUpToTheLimitOrThirdPlace) {
    const struct {
        const char* name;
        int starters, absent, meetForm;
        int marked;
    } cases[] = {
        {"10 starters: the first three", 10, 0, 1, 3},
        {"20 starters", 20, 0, 1, 4},
        {"40 starters", 40, 0, 1, 7},
        {"absent equipages are no starters", 20, 20, 1, 4},
        {"a private meet never marks", 40, 0, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Reset();
        meet.info.meetForm = c.meetForm;
        CleanStarters(c.starters);
        for (int i = 0; i < c.absent; ++i) Starter(kHopp, {0, 0, 0, 0, 1});
        EXPECT_EQ(MarkedPlaces(), c.marked);
    }
}

TEST_F(NappTest, OnlyCleanPlacedRunsAreMarkedAndRunsWithoutResultKeepTheirMark) {
    const int faulty = Starter(kHopp, {2900, 1});
    const int overTime = Starter(kHopp, {4001});
    const int clean = Starter(kHopp, {3000});
    const int disqualified = Starter(kHopp, {2000, 0, 0, 1});
    const int notRun = Starter(kHopp, {});
    for (int e : {faulty, overTime, disqualified}) EntryOf(e, kHopp).awards[kAwardNapp] = 1;
    EntryOf(notRun, kHopp).awards[kAwardNapp] = 1;

    BuildResultList(meet, kHopp, false);
    EXPECT_EQ(EntryOf(clean, kHopp).awards[kAwardNapp], 1);
    EXPECT_EQ(EntryOf(faulty, kHopp).awards[kAwardNapp], 0);
    EXPECT_EQ(EntryOf(overTime, kHopp).awards[kAwardNapp], 0);
    EXPECT_EQ(EntryOf(disqualified, kHopp).awards[kAwardNapp], 0);
    EXPECT_EQ(EntryOf(notRun, kHopp).awards[kAwardNapp], 1);
}

TEST_F(NappTest, CombinedListsAndTheSecondRunLeaveMarksAlone) {
    const int e = Starter(kHopp, {3000});
    Enter(meet, e, kAgility);
    Record(e, kAgility, {3000});
    BuildResultList(meet, kAgility, true);
    EXPECT_EQ(EntryOf(e, kAgility).awards[kAwardNapp], 0);

    meet.info.singleRun = 0;
    meet.info.currentRun = 1;
    const int finalist = Starter(kHopp, {3000}, 1);
    BuildResultList(meet, kHopp, false);
    EXPECT_EQ(EntryOf(finalist, kHopp).awards[kAwardNapp], 0);
}

}  // namespace
}  // namespace kavalto::test

#include "rules/scoring.h"

#include "rules_fixture.h"

namespace kavalto::test {
namespace {

using RunScoreTest = RulesTest;

TEST_F(RunScoreTest, DerivesFaultsAndEliminationsFromTheClass) {
    const struct {
        const char* name;
        bool maxTimeOn;
        Outcome run;
        int timeFaults, totalFaults, overMaxTime, threeRefusals;
        bool placeable;
    } cases[] = {
        {"clean", true, {3500}, 0, 0, 0, 0, true},
        {"time faults and course faults", true, {4250, 1, 1}, 250, 1250, 0, 0, true},
        {"at the maximum time", true, {6000}, 2000, 2000, 0, 0, true},
        {"one hundredth over it", true, {6001}, 2001, 2001, 1, 0, false},
        {"over it with the rule off", false, {9000}, 5000, 5000, 0, 0, true},
        {"two refusals", true, {3900, 0, 2}, 0, 1000, 0, 0, true},
        {"three refusals", true, {3900, 0, 3}, 0, 1500, 0, 1, false},
        {"faults but no time", true, {0, 2}, 0, 1000, 0, 0, false},
        {"disqualified", true, {3000, 0, 0, 1}, 0, 0, 0, 0, false},
        {"not present", true, {0, 0, 0, 0, 1}, 0, 0, 0, 0, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        meet.classes[kHopp].maxTimeOn = c.maxTimeOn ? 1 : 0;
        const int e = Starter(kHopp, c.run);
        ASSERT_TRUE(ScoreRun(meet, 0, e, kEntryHopp, kHopp));
        const RunScore& s = meet.runScore;
        EXPECT_EQ(s.time, c.run.time);
        EXPECT_EQ(s.faults, c.run.faults);
        EXPECT_EQ(s.refusals, c.run.refusals);
        EXPECT_EQ(s.disqualified, c.run.disqualified);
        EXPECT_EQ(s.notPresent, c.run.notPresent);
        EXPECT_EQ(s.timeFaults, c.timeFaults);
        EXPECT_EQ(s.totalFaults, c.totalFaults);
        EXPECT_EQ(s.overMaxTime, c.overMaxTime);
        EXPECT_EQ(s.threeRefusals, c.threeRefusals);
        EXPECT_EQ(IsPlaceable(s), c.placeable);
    }
}

TEST_F(RunScoreTest, AnEntryNotEnteredInTheRunScoresZero) {
    const int e = Starter(kHopp, {3500, 1});
    EntryOf(e, kHopp).entered[0] = 0;
    meet.runScore.time = 99;
    EXPECT_FALSE(ScoreRun(meet, 0, e, kEntryHopp, kHopp));
    EXPECT_EQ(meet.runScore.time, 0);
    EXPECT_EQ(meet.runScore.totalFaults, 0);
    EXPECT_FALSE(ScoreRun(meet, 0, 7, kEntryHopp, kHopp)) << "no such equipage";
    EXPECT_FALSE(ScoreRun(meet, 2, e, kEntryHopp, kHopp)) << "no such run";
}

TEST_F(RunScoreTest, CombineAddsTheTwinClassOrTheOtherTeamRun) {
    meet.classes[kAgility].maxTimeOn = 1;
    const int e = Starter(kHopp, {4100, 1});
    Enter(meet, e, kAgility);
    Record(e, kAgility, {6100, 0, 1});

    ASSERT_TRUE(ScoreWithTwin(meet, 0, e, kHopp, false));
    EXPECT_EQ(meet.runScore.totalFaults, 600);

    ASSERT_TRUE(ScoreWithTwin(meet, 0, e, kHopp, true));
    EXPECT_EQ(meet.runScore.time, 10200);
    EXPECT_EQ(meet.runScore.timeFaults, 100 + 2100);
    EXPECT_EQ(meet.runScore.faults, 1);
    EXPECT_EQ(meet.runScore.refusals, 1);
    EXPECT_EQ(meet.runScore.totalFaults, 600 + 2600);
    EXPECT_EQ(meet.runScore.overMaxTime, 1) << "an elimination in either class eliminates";

    // The twin not entered adds nothing.
    EntryOf(e, kAgility).entered[0] = 0;
    ScoreWithTwin(meet, 0, e, kHopp, true);
    EXPECT_EQ(meet.runScore.time, 4100);

    // A team class adds the other run of the same class.
    const int m = AddEquipage(meet, "Lagmedlem", 2);
    Enter(meet, m, kTeam, 0);
    Enter(meet, m, kTeam, 1);
    Record(m, kTeam, {3000}, 0);
    Record(m, kTeam, {3300, 0, 0, 1}, 1);
    ScoreWithTwin(meet, 1, m, kTeam, true);
    EXPECT_EQ(meet.runScore.time, 6300);
    EXPECT_EQ(meet.runScore.disqualified, 1);
}

TEST_F(RunScoreTest, StoreWritesTheRecordedFieldsIntoTheCurrentRun) {
    const int e = Starter(kHopp, {});
    meet.info.currentRun = 1;
    meet.runScore = RunScore{4100, 100, 1, 2, 1600, 1, 1, 1, 1};
    StoreRunScore(meet, e, kHopp);
    const ClassEntry& entry = EntryOf(e, kHopp);
    const RunResult& r = entry.run[1];
    EXPECT_EQ(r.time, 4100);
    EXPECT_EQ(r.faults, 1);
    EXPECT_EQ(r.refusals, 2);
    EXPECT_EQ(r.disqualified, 1);
    EXPECT_EQ(r.notPresent, 1);
    EXPECT_EQ(entry.run[0].time, 0) << "the other run is left alone";
}

}  // namespace
}  // namespace kavalto::test

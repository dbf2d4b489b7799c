#include "rules/statistics.h"

#include <vector>

#include "rules/class_counts.h"
#include "rules_fixture.h"

namespace kavalto::test {
namespace {

using StatisticsTest = RulesTest;

TEST_F(StatisticsTest, CountsEnteredStartedFaultFreeAndEliminated) {
    // 10 entered: 2 absent, 3 fault-free, 1 disqualified, 3 with faults, 1 not run yet.
    for (const Outcome& run : std::vector<Outcome>{{0, 0, 0, 0, 1}, {0, 0, 0, 0, 1}, {3000}, {3100}, {3900}, {3000, 0, 0, 1},
                                           {3000, 1}, {4100}, {3000, 0, 1}, {}}) {
        Starter(kHopp, run);
    }
    // Three refusals and over the maximum time eliminate as well.
    meet.classes[kAgility].maxTimeOn = 1;
    for (const Outcome& run : std::vector<Outcome>{{3000, 0, 3}, {6001}, {3000}}) Starter(kAgility, run);

    ComputeClassStatistics(meet);
    const ClassStatistics& s = meet.statistics;
    EXPECT_EQ(s.entered[kHopp], 10);
    EXPECT_EQ(s.started[kHopp], 8);
    EXPECT_EQ(s.faultFree[kHopp], 3);
    EXPECT_EQ(s.eliminated[kHopp], 1);
    EXPECT_EQ(s.entered[kAgility], 3);
    EXPECT_EQ(s.started[kAgility], 3);
    EXPECT_EQ(s.faultFree[kAgility], 1);
    EXPECT_EQ(s.eliminated[kAgility], 2);
    EXPECT_EQ(s.total, 13);
}

TEST_F(StatisticsTest, CountsTheCurrentRunAndEveryEntryOfADog) {
    const int e = Starter(kHopp, {3000});
    Enter(meet, e, kAgility);
    Record(e, kAgility, {3000});
    Enter(meet, e, 23);  // Agility Large Open
    meet.classes[23].inRun[0] = 0;  // counted whether or not the class takes part
    ComputeClassStatistics(meet);
    EXPECT_EQ(meet.statistics.total, 3);
    EXPECT_EQ(meet.statistics.entered[23], 1);

    meet.info.currentRun = 1;
    ComputeClassStatistics(meet);
    EXPECT_EQ(meet.statistics.total, 0);
}

TEST_F(StatisticsTest, TeamClassesCountTeams) {
    const struct {
        const char* name;
        std::vector<Outcome> members;
        int started, faultFree, eliminated;
    } cases[] = {
        {"clean", {{3000}, {3000}, {3000}}, 1, 1, 0},
        {"with faults", {{3000, 1}, {3000}, {3000}}, 1, 0, 0},
        {"two of four absent: not started", {{0, 0, 0, 0, 1}, {3000}, {0, 0, 0, 0, 1}, {3000}}, 0, 0, 0},
        {"one of three disqualified", {{3000, 0, 0, 1}, {3000}, {3000}}, 1, 0, 1},
        {"no results yet: started only", {{}, {}, {}}, 1, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Reset();
        int members[4] = {-1, -1, -1, -1};
        for (size_t i = 0; i < c.members.size(); ++i) members[i] = Starter(kTeam, c.members[i]);
        AddTeam(meet, "Lag", kTeam, members[0], members[1], members[2], members[3]);
        ComputeClassStatistics(meet);
        const ClassStatistics& s = meet.statistics;
        EXPECT_EQ(s.entered[kTeam], 1);
        EXPECT_EQ(s.started[kTeam], c.started);
        EXPECT_EQ(s.faultFree[kTeam], c.faultFree);
        EXPECT_EQ(s.eliminated[kTeam], c.eliminated);
        EXPECT_EQ(s.total, 1) << "teams, not dogs";
    }
}

TEST_F(StatisticsTest, AverageSpeedOfTimedRunsThatAreNotDisqualified) {
    meet.classes[kHopp].maxTimeOn = 1;
    Starter(kHopp, {3000});             // 6.00 m/s
    Starter(kHopp, {3600, 2});          // 5.00 m/s
    Starter(kHopp, {9000, 0, 3});       // 2.00 m/s: over max time and refused, still counted
    Starter(kHopp, {1000, 0, 0, 1});    // disqualified: left out
    Starter(kHopp, {0, 1});             // no time: left out
    EXPECT_EQ(AverageSpeed(meet, kHopp), 433);
    Starter(kHopp, {7000});             // 180 / 70 = 2.5714 in single precision
    EXPECT_EQ(AverageSpeed(meet, kHopp), 389);

    EXPECT_EQ(AverageSpeed(meet, kAgility), 0) << "no runs";
    meet.classes[kHopp].inRun[0] = 0;
    EXPECT_EQ(AverageSpeed(meet, kHopp), 0) << "not taking part";
}

TEST_F(StatisticsTest, CountsEntrantsAndTeamsOfTheCurrentRun) {
    Starter(kHopp, {});
    Starter(kHopp, {}, 1);
    const int m = Starter(kTeam, {});
    AddTeam(meet, "A", kTeam, m);
    AddTeam(meet, "B", kTeam);
    AddTeam(meet, "C", 25);
    EXPECT_EQ(CountEntrants(meet, kHopp), 1);
    EXPECT_EQ(CountTeamEntrants(meet, kTeam), 2);
    meet.info.currentRun = 1;
    EXPECT_EQ(CountEntrants(meet, kHopp), 1);
    EXPECT_EQ(CountTeamEntrants(meet, kTeam), 0) << "the team class does not take part in run 1";
    meet.classes[kHopp].inRun[1] = 0;
    EXPECT_EQ(CountEntrants(meet, kHopp), 0);
}

TEST_F(StatisticsTest, HasRunResultWhenSomethingButAbsenceIsRecorded) {
    const struct {
        const char* name;
        Outcome run;
        bool has;
    } cases[] = {
        {"a time", {3000}, true},       {"faults only", {0, 1}, true},
        {"refusals only", {0, 0, 1}, true}, {"disqualified", {0, 0, 0, 1}, true},
        {"absent", {3000, 0, 0, 0, 1}, false}, {"nothing", {}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const int e = Starter(kHopp, c.run);
        EXPECT_EQ(HasRunResult(meet, e, kEntryHopp), c.has);
    }
    const int e = Starter(kHopp, {3000});
    EXPECT_FALSE(HasRunResult(meet, e, kEntryAgility)) << "entry not entered";
    EXPECT_FALSE(HasRunResult(meet, meet.equipageCount(), kEntryHopp)) << "no such equipage";
    meet.classes[kHopp].inRun[0] = 0;
    EXPECT_FALSE(HasRunResult(meet, e, kEntryHopp)) << "class not taking part";
}

TEST_F(StatisticsTest, CombinedAvailableNeedsBothClassesOrBothTeamRuns) {
    const struct {
        const char* name;
        int slot, currentRun;
        bool inRun[3][2];  // Hopp, Agility, team class
        bool available;
    } cases[] = {
        {"both disciplines", kHopp, 0, {{1, 0}, {1, 0}, {0, 0}}, true},
        {"asked from the Agility side", kAgility, 0, {{1, 0}, {1, 0}, {0, 0}}, true},
        {"twin not taking part", kHopp, 0, {{1, 0}, {0, 0}, {0, 0}}, false},
        {"finals of both", kHopp, 1, {{1, 1}, {1, 1}, {0, 0}}, true},
        {"team in the second run", kTeam, 1, {{0, 0}, {0, 0}, {1, 1}}, true},
        {"team in the first run", kTeam, 0, {{0, 0}, {0, 0}, {1, 1}}, false},
        {"team without a first run", kTeam, 1, {{0, 0}, {0, 0}, {0, 1}}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        meet.info.currentRun = c.currentRun;
        const int slots[3] = {kHopp, kAgility, kTeam};
        for (int i = 0; i < 3; ++i) {
            for (int r = 0; r < 2; ++r) meet.classes[slots[i]].inRun[r] = c.inRun[i][r] ? 1 : 0;
        }
        EXPECT_EQ(CombinedAvailable(meet, c.slot), c.available);
    }
}

}  // namespace
}  // namespace kavalto::test

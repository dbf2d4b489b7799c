#include <vector>

#include "rules/scoring.h"
#include "rules_fixture.h"

namespace kavalto::test {
namespace {

class TeamScoreTest : public RulesTest {
protected:
    void SetUp() override {
        RulesTest::SetUp();
        meet.classes[kTeam].maxTimeOn = 1;
    }

    // A team whose members ran as given; a member place beyond the list is empty.
    int Team(const std::vector<Outcome>& runs, int runIndex = 0) {
        int members[4] = {-1, -1, -1, -1};
        for (size_t i = 0; i < runs.size(); ++i) {
            members[i] = AddEquipage(meet, "Medlem", 2);
            Enter(meet, members[i], kTeam, runIndex);
            Record(members[i], kTeam, runs[i], runIndex);
        }
        const int t = AddTeam(meet, "Laget", kTeam, members[0], members[1], members[2], members[3]);
        meet.teams[t].inRun[runIndex] = 1;
        return t;
    }
};

enum Flag { kNone, kNotPresent, kDisqualified, kOverMaxTime, kThreeRefusals };

Flag FlagOf(const TeamScore& s) {
    const int set = (s.notPresent != 0) + (s.disqualified != 0) + (s.overMaxTime != 0) + (s.threeRefusals != 0);
    EXPECT_LE(set, 1) << "a team carries at most one flag";
    if (s.notPresent != 0) return kNotPresent;
    if (s.disqualified != 0) return kDisqualified;
    if (s.overMaxTime != 0) return kOverMaxTime;
    if (s.threeRefusals != 0) return kThreeRefusals;
    return kNone;
}

TEST_F(TeamScoreTest, CountsTheBestThreeMembersUnderTheTeamRules) {
    const Outcome clean{3000}, slow{3300}, faulty{3000, 1}, disq{0, 0, 0, 1}, absent{0, 0, 0, 0, 1},
        over{6500}, refused{3500, 0, 3}, none{};
    const struct {
        const char* name;
        std::vector<Outcome> members;
        bool answer;
        int time, totalFaults;
        Flag flag;
    } cases[] = {
        {"four: the fastest three", {slow, clean, clean, {3100}}, true, 9100, 0, kNone},
        {"four: faults weigh before time", {faulty, slow, slow, slow}, true, 9900, 0, kNone},
        {"four: one disqualified tolerated", {clean, disq, clean, faulty}, true, 9000, 500, kNone},
        {"four: two disqualified", {clean, disq, clean, disq}, false, 0, 0, kDisqualified},
        {"four: two absent", {absent, clean, absent, clean}, false, 0, 0, kNotPresent},
        {"four: one absent, one disqualified", {absent, disq, clean, clean}, false, 0, 0, kDisqualified},
        {"four: one absent, one over max time", {absent, over, clean, clean}, false, 0, 0, kOverMaxTime},
        {"four: one absent, three refusals", {refused, absent, clean, clean}, false, 0, 0, kThreeRefusals},
        {"four: over max time before refusals", {refused, over, clean, clean}, false, 0, 0, kOverMaxTime},
        {"four: two still to run", {clean, none, clean, none}, false, 0, 0, kNone},
        {"four: one out, one still to run", {clean, disq, clean, none}, false, 0, 0, kNone},
        {"four: none has run", {none, none, none, none}, false, 0, 0, kNone},
        {"three: all clean", {clean, slow, faulty}, true, 9300, 500, kNone},
        {"three: one disqualified", {clean, disq, clean}, false, 0, 0, kDisqualified},
        {"three: one absent", {clean, clean, absent}, false, 0, 0, kNotPresent},
        {"three: absent before disqualified", {disq, absent, clean}, false, 0, 0, kNotPresent},
        {"three: one still to run", {clean, none, clean}, false, 0, 0, kNone},
        {"two: with results", {clean, clean}, false, 0, 0, kDisqualified},
        {"two: nothing run yet", {none, none}, false, 0, 0, kNone},
        {"no members", {}, false, 0, 0, kNotPresent},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const int t = Team(c.members);
        EXPECT_EQ(ScoreTeam(meet, 0, t, kTeam), c.answer);
        EXPECT_EQ(meet.teamScore.time, c.time);
        EXPECT_EQ(meet.teamScore.totalFaults, c.totalFaults);
        EXPECT_EQ(FlagOf(meet.teamScore), c.flag);
        EXPECT_EQ(IsPlaceable(meet.teamScore), c.answer);
    }
}

TEST_F(TeamScoreTest, AMemberIndexOutsideTheEquipagesIsAnEmptyPlace) {
    const int t = Team({{3000}, {0, 0, 0, 1}, {3000}, {3000}});
    meet.teams[t].members[1] = 500;  // a dangling index: three clean members remain
    EXPECT_TRUE(ScoreTeam(meet, 0, t, kTeam));
    EXPECT_EQ(meet.teamScore.time, 9000);
    meet.teams[t].members[2] = -7;   // two members: disqualified as a team
    EXPECT_FALSE(ScoreTeam(meet, 0, t, kTeam));
    EXPECT_EQ(meet.teamScore.disqualified, 1);
}

TEST_F(TeamScoreTest, OnlyATeamOfTheClassTakingPartInTheCurrentRunScores) {
    const int t = Team({{3000}, {3000}, {3000}});
    EXPECT_FALSE(ScoreTeam(meet, 0, t, 25)) << "another class";
    meet.info.currentRun = 1;
    EXPECT_FALSE(ScoreTeam(meet, 0, t, kTeam)) << "the team is not in the current run, whatever run is scored";
    meet.teams[t].inRun[1] = 1;
    EXPECT_TRUE(ScoreTeam(meet, 0, t, kTeam));
}

TEST_F(TeamScoreTest, BothRunsAddUpOrGiveNothing) {
    meet.info.currentRun = 1;
    const int t = Team({{3000}, {3100, 1}, {3200}});
    meet.teams[t].inRun[1] = 1;
    for (int place = 0; place < 3; ++place) {
        const int m = meet.teams[t].members[place];
        Enter(meet, m, kTeam, 1);
        Record(m, kTeam, {4100}, 1);
    }
    EXPECT_TRUE(ScoreTeamBothRuns(meet, 1, t, kTeam, false));
    EXPECT_EQ(meet.teamScore.time, 12300);
    ASSERT_TRUE(ScoreTeamBothRuns(meet, 1, t, kTeam, true));
    EXPECT_EQ(meet.teamScore.time, 12300 + 9300);
    EXPECT_EQ(meet.teamScore.totalFaults, 300 + 500);

    // The first run spoilt: no combined result, all fields zero.
    Record(meet.teams[t].members[0], kTeam, {0, 0, 0, 1}, 0);
    EXPECT_FALSE(ScoreTeamBothRuns(meet, 1, t, kTeam, true));
    EXPECT_EQ(meet.teamScore.time, 0);
    EXPECT_EQ(meet.teamScore.disqualified, 0);
    // Without combine the second run alone still counts.
    EXPECT_TRUE(ScoreTeamBothRuns(meet, 1, t, kTeam, false));
}

}  // namespace
}  // namespace kavalto::test

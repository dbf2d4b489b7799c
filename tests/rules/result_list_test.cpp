#include <vector>

#include "rules/result_list.h"
#include "rules/scoring.h"
#include "rules_fixture.h"

namespace kavalto::test {
namespace {

using ResultListTest = RulesTest;

std::vector<int> Equipages(const ResultList& list) {
    std::vector<int> out;
    for (const ResultRow& row : list.rows) out.push_back(row.equipage);
    return out;
}

std::vector<int> Places(const ResultList& list, int count) {
    std::vector<int> out;
    for (int i = 0; i < count; ++i) out.push_back(list.rows[i].place);
    return out;
}

TEST_F(ResultListTest, PlacesByTotalFaultsThenFaultsAndRefusalsThenTime) {
    const struct {
        const char* name;
        std::vector<Outcome> runs;       // equipage i ran runs[i]
        std::vector<int> order;      // equipages in list order
        std::vector<int> places;
    } cases[] = {
        {"5.00 from time faults beats 5.00 from a refusal",
         {{3500, 0, 1}, {4500}, {3000}, {3200}}, {2, 3, 1, 0}, {1, 2, 3, 4}},
        {"the same the other way round in the table",
         {{4500}, {3500, 0, 1}}, {0, 1}, {1, 2}},
        {"full ties share a place, later registered first",
         {{3300}, {3300}, {3300}, {3400}}, {2, 1, 0, 3}, {1, 1, 1, 4}},
        {"a tie after the first place",
         {{3000}, {3300}, {3300}, {3400}}, {0, 2, 1, 3}, {1, 2, 2, 4}},
        {"a fault and a refusal weigh alike",
         {{3300, 1}, {3300, 0, 1}, {3300, 2}}, {1, 0, 2}, {1, 1, 3}},
        {"equal totals and faults, the faster first",
         {{3500, 1}, {3400, 0, 1}, {3450, 1}}, {1, 2, 0}, {1, 2, 3}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Reset();
        for (const Outcome& run : c.runs) Starter(kHopp, run);
        BuildResultList(meet, kHopp, false);
        const ResultList& list = meet.resultList;
        EXPECT_EQ(Equipages(list), c.order);
        EXPECT_EQ(list.placedCount, static_cast<int>(c.order.size()));
        EXPECT_EQ(Places(list, list.placedCount), c.places);
    }
}

TEST_F(ResultListTest, EliminatedRunsFollowInFourGroupsThenRunsWithoutResult) {
    meet.classes[kHopp].maxTimeOn = 1;
    const int absent = Starter(kHopp, {0, 0, 0, 0, 1});
    const int disqualified = Starter(kHopp, {0, 0, 0, 1});
    const int noTime = Starter(kHopp, {0, 2});
    const int overMax = Starter(kHopp, {6001});
    const int refused = Starter(kHopp, {3900, 0, 3});
    const int disqualifiedAndAbsent = Starter(kHopp, {0, 0, 0, 1, 1});
    const int refusedOverMax = Starter(kHopp, {7000, 0, 3});
    const int placed = Starter(kHopp, {3800});
    const int notRunYet = Starter(kHopp, {});

    BuildResultList(meet, kHopp, false);
    const ResultList& list = meet.resultList;
    EXPECT_EQ(Equipages(list), (std::vector<int>{placed, refused, refusedOverMax, overMax, disqualified,
                                                 disqualifiedAndAbsent, absent, noTime, notRunYet}));
    EXPECT_EQ(list.placedCount, 1);
    EXPECT_EQ(list.placedOrEliminatedCount, 7);
    EXPECT_EQ(list.allCount, 9);
    for (int row = 1; row < list.allCount; ++row) EXPECT_EQ(list.rows[row].place, row) << "0-based row number";
    for (const ResultRow& row : list.rows) EXPECT_EQ(row.team, -1);
    for (const EquipageRecord& e : meet.equipages) EXPECT_EQ(e.workMark, 2);
}

TEST_F(ResultListTest, ListsOnlyEntriesOfTheClassInTheCurrentRun) {
    const int in = Starter(kHopp, {3500});
    const int notEntered = Starter(kHopp, {3000});
    EntryOf(notEntered, kHopp).entered[0] = 0;
    Starter(9, {3000});  // the same entry kind holding another class
    meet.info.currentRun = 1;
    const int secondRun = Starter(kHopp, {3100}, 1);
    meet.info.currentRun = 0;

    BuildResultList(meet, kHopp, false);
    EXPECT_EQ(Equipages(meet.resultList), std::vector<int>{in});
    EXPECT_EQ(meet.resultList.classSlot, kHopp);
    EXPECT_EQ(meet.resultList.run, 0);
    EXPECT_FALSE(meet.resultList.combined);

    meet.info.currentRun = 1;
    BuildResultList(meet, kHopp, false);
    EXPECT_EQ(Equipages(meet.resultList), std::vector<int>{secondRun});
    EXPECT_EQ(meet.resultList.run, 1);
}

TEST_F(ResultListTest, AClassNotTakingPartOrWithoutEntrantsGivesAnEmptyList) {
    Starter(kHopp, {3500});
    BuildResultList(meet, kHopp, false);
    ASSERT_EQ(meet.resultList.allCount, 1);

    meet.classes[kHopp].inRun[0] = 0;
    BuildResultList(meet, kHopp, false);
    EXPECT_TRUE(meet.resultList.rows.empty());
    EXPECT_EQ(meet.resultList.allCount, 0);
    EXPECT_EQ(meet.resultList.placedCount, 0);

    meet.classes[4].inRun[0] = 1;
    BuildResultList(meet, 4, false);
    EXPECT_TRUE(meet.resultList.rows.empty());
}

TEST_F(ResultListTest, HoldsClassesLargerThanAThousand) {
    for (int i = 0; i < 1200; ++i) Starter(kHopp, {3000 + i});
    BuildResultList(meet, kHopp, false);
    EXPECT_EQ(meet.resultList.allCount, 1200);
    EXPECT_EQ(meet.resultList.rows.back().equipage, 1199);
    EXPECT_EQ(meet.resultList.rows.back().place, 1200);
}

TEST_F(ResultListTest, CombinedListsSumBothClassesOfEquipagesWithResultsInBoth) {
    const int both = Starter(kHopp, {4100});
    Enter(meet, both, kAgility);
    Record(both, kAgility, {3000, 1});
    const int better = Starter(kHopp, {3000});
    Enter(meet, better, kAgility);
    Record(better, kAgility, {3000});
    const int twinNotRun = Starter(kHopp, {3000});
    Enter(meet, twinNotRun, kAgility);
    Record(twinNotRun, kAgility, {0, 1});  // faults alone: nothing recorded in the twin
    Starter(kHopp, {3000});  // not entered in the twin class
    const int absentInTwin = Starter(kHopp, {3500});
    Enter(meet, absentInTwin, kAgility);
    Record(absentInTwin, kAgility, {0, 0, 0, 0, 1});

    BuildResultList(meet, kAgility, true);
    const ResultList& list = meet.resultList;
    EXPECT_TRUE(list.combined);
    EXPECT_EQ(Equipages(list), (std::vector<int>{better, both, absentInTwin}));
    EXPECT_EQ(list.placedCount, 2);
    EXPECT_EQ(list.placedOrEliminatedCount, 3);
    ScoreWithTwin(meet, 0, both, kAgility, true);
    EXPECT_EQ(meet.runScore.totalFaults, 100 + 500);
}

class TeamListTest : public RulesTest {
protected:
    // A team of members that ran as given.
    int Team(const std::vector<Outcome>& runs) {
        int members[4] = {-1, -1, -1, -1};
        for (size_t i = 0; i < runs.size(); ++i) members[i] = Starter(kTeam, runs[i]);
        return AddTeam(meet, "Lag", kTeam, members[0], members[1], members[2], members[3]);
    }
};

TEST_F(TeamListTest, ListsTeamRowsFollowedByTheirMembers) {
    const int none = Team({{}, {}, {}});
    const int slower = Team({{3100}, {3100}, {3100}});
    const int out = Team({{3000}, {0, 0, 0, 1}, {3000}});
    const int faster = Team({{3000}, {3000}, {3000}, {0, 0, 0, 1}});
    const int tied = Team({{3100}, {3100}, {3100}});
    meet.teams[tied].members[3] = 900;  // outside the equipage array: no member row

    BuildResultList(meet, kTeam, false);
    const ResultList& list = meet.resultList;
    std::vector<std::vector<int>> rows;
    for (const ResultRow& row : list.rows) rows.push_back({row.team, row.equipage});
    auto member = [&](int team, int place) { return std::vector<int>{team, meet.teams[team].members[place]}; };
    const std::vector<std::vector<int>> expected = {
        {faster, -1}, member(faster, 0), member(faster, 1), member(faster, 2), member(faster, 3),
        {tied, -1}, member(tied, 0), member(tied, 1), member(tied, 2),
        {slower, -1}, member(slower, 0), member(slower, 1), member(slower, 2),
        {out, -1}, member(out, 0), member(out, 1), member(out, 2),
        {none, -1}, member(none, 0), member(none, 1), member(none, 2),
    };
    EXPECT_EQ(rows, expected);
    EXPECT_EQ(list.placedTeams, 3);
    EXPECT_EQ(list.placedCount, 13);
    EXPECT_EQ(list.placedOrEliminatedCount, 17);
    EXPECT_EQ(list.allCount, 21);
    EXPECT_EQ(list.rows[0].place, 1);
    EXPECT_EQ(list.rows[5].place, 2);
    EXPECT_EQ(list.rows[9].place, 2) << "a full tie shares the place";
    for (const TeamRecord& team : meet.teams) EXPECT_EQ(team.ringMark, 2);
}

TEST_F(TeamListTest, CombinedTeamListAddsBothRuns) {
    meet.info.currentRun = 1;
    meet.classes[kTeam].inRun[1] = 1;
    const int both = Team({{3000}, {3000}, {3000}});
    const int firstOnly = Team({{2000}, {2000}, {2000}});
    for (int t : {both, firstOnly}) meet.teams[t].inRun[1] = 1;
    for (int place = 0; place < 3; ++place) {
        const int m = meet.teams[both].members[place];
        Enter(meet, m, kTeam, 1);
        Record(m, kTeam, {3500}, 1);
    }

    BuildResultList(meet, kTeam, true);
    const ResultList& list = meet.resultList;
    ASSERT_EQ(list.allCount, 8);
    EXPECT_EQ(list.rows[0].team, both);
    EXPECT_EQ(list.placedTeams, 1);
    EXPECT_EQ(list.placedOrEliminatedCount, 4) << "no result in the second run: listed without a result";
    EXPECT_EQ(list.rows[4].team, firstOnly);
    ScoreTeamBothRuns(meet, 1, both, kTeam, true);
    EXPECT_EQ(meet.teamScore.time, 19500);
}

}  // namespace
}  // namespace kavalto::test

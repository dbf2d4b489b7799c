#include "rules/result_texts.h"

#include <string>

#include "meet/text_field.h"
#include "rules/result_list.h"
#include "rules_fixture.h"

namespace kavalto::test {
namespace {

std::string S(const char (&field)[100]) { return std::string(FieldText(field)); }

// The run texts of a row in one line: time|timeFaults|faults|refusals|result|flags.
std::string RunLine(const ResultRowTexts& t) {
    return S(t.time) + "|" + S(t.timeFaults) + "|" + S(t.faults) + "|" + S(t.refusals) + "|" + S(t.result) + "|" +
           (t.noResult ? "n" : "-") + (t.eliminated ? "e" : "-") + (t.notPresent ? "p" : "-");
}

using ResultTextsTest = RulesTest;

TEST_F(ResultTextsTest, FormatsEveryKindOfIndividualRow) {
    const struct {
        const char* name;
        Outcome run;
        const char* place;
        const char* runLine;
    } cases[] = {
        {"clean", {3500}, "1", "35.00|0.00|0|0|0.00|---"},
        {"faults and time faults", {4250, 1, 1}, "1", "42.50|2.50|1|1|12.50|---"},
        {"three refusals show what was run", {3900, 0, 3}, "", "39.00|0.00|0|3|DISK|-e-"},
        {"over the maximum time", {6001}, "", "60.01|20.01|0|0|DISK|-e-"},
        {"disqualified", {3900, 1, 0, 1}, "", "||||DISK|-e-"},
        {"not present", {0, 0, 0, 0, 1}, "", "||||I.M.|--p"},
        {"disqualified and not present", {0, 0, 0, 1, 1}, "", "||||DISK|-ep"},
        {"faults but no time", {0, 2}, "", "|||||n--"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Reset();
        meet.classes[kHopp].maxTimeOn = 1;
        meet.classes[kHopp].maxTime[0] = 6000;
        const int e = Starter(kHopp, c.run, 0, 8123);
        CopyText(EntryOf(e, kHopp).handler, "F\xF8rer");
        BuildResultList(meet, kHopp, false);
        const FormattedRow row = FormatResultRow(meet, 0);
        EXPECT_EQ(row.team, -1);
        EXPECT_EQ(row.equipage, e);
        EXPECT_EQ(row.entryKind, kEntryHopp);
        EXPECT_EQ(S(row.texts.place), c.place);
        EXPECT_EQ(S(row.texts.startNo), "8123");
        EXPECT_EQ(S(row.texts.name), "Hund 0");
        EXPECT_EQ(S(row.texts.name2), "F\xF8rer");
        EXPECT_EQ(RunLine(row.texts), c.runLine);
        EXPECT_EQ(S(row.texts.spare), "");
    }
}

TEST_F(ResultTextsTest, ShowsTheAwardInTheFirstRunOnly) {
    const int e = Starter(kHopp, {3500});
    BuildResultList(meet, kHopp, false);
    EXPECT_EQ(S(FormatResultRow(meet, 0).texts.award), "Napp");

    Starter(kHopp, {});
    BuildResultList(meet, kHopp, false);
    EXPECT_EQ(S(FormatResultRow(meet, 1).texts.award), "") << "a row without a result shows no award";

    meet.info.singleRun = 0;
    meet.info.currentRun = 1;
    Enter(meet, e, kHopp, 1);
    Record(e, kHopp, {3500}, 1);
    BuildResultList(meet, kHopp, false);
    EXPECT_EQ(S(FormatResultRow(meet, 0).texts.award), "");
}

TEST_F(ResultTextsTest, FormatsTeamAndMemberRows) {
    meet.classes[kTeam].standardTime[0] = 3200;
    int members[4];
    for (int i = 0; i < 3; ++i) members[i] = Starter(kTeam, {3000 + 100 * i}, 0, 8000 + i);
    members[3] = Starter(kTeam, {0, 0, 0, 1}, 0, 8003);
    const int team = AddTeam(meet, "Raske Bein", kTeam, members[0], members[1], members[2], members[3]);
    meet.teams[team].startNo = 9001;
    CopyText(meet.teams[team].club, "Klubben");
    // A member whose team entry holds a class not in the run shows no start number.
    EntryOf(members[1], kTeam).classSlot = 25;

    BuildResultList(meet, kTeam, false);
    ASSERT_EQ(meet.resultList.allCount, 5);

    const FormattedRow teamRow = FormatResultRow(meet, 0);
    EXPECT_EQ(teamRow.team, team);
    EXPECT_EQ(teamRow.equipage, -1);
    EXPECT_EQ(teamRow.entryKind, kEntryTeam);
    EXPECT_EQ(S(teamRow.texts.place), "1");
    EXPECT_EQ(S(teamRow.texts.startNo), "9001");
    EXPECT_EQ(S(teamRow.texts.name), "Raske Bein");
    EXPECT_EQ(S(teamRow.texts.name2), "Klubben");
    EXPECT_EQ(RunLine(teamRow.texts), "93.00|0.00|0|0|0.00|---");
    EXPECT_EQ(S(teamRow.texts.award), " ");

    const FormattedRow first = FormatResultRow(meet, 1);
    EXPECT_EQ(first.equipage, members[0]);
    EXPECT_EQ(S(first.texts.place), "") << "member rows carry no place";
    EXPECT_EQ(S(first.texts.startNo), "8000");
    EXPECT_EQ(RunLine(first.texts), "30.00|0.00|0|0|0.00|---");
    EXPECT_EQ(S(FormatResultRow(meet, 2).texts.startNo), "");
    // the member rows are scored in the team class, even the moved one
    EXPECT_EQ(RunLine(FormatResultRow(meet, 3).texts), "32.00|0.00|0|0|0.00|---");
    EXPECT_EQ(RunLine(FormatResultRow(meet, 4).texts), "||||DISK|-e-");
}

TEST_F(ResultTextsTest, ARowOutsideTheListIsEmpty) {
    Starter(kHopp, {3500});
    BuildResultList(meet, kHopp, false);
    for (int row : {-1, 1}) {
        const FormattedRow f = FormatResultRow(meet, row);
        EXPECT_EQ(f.equipage, -1);
        EXPECT_EQ(f.team, -1);
        EXPECT_TRUE(f.texts.noResult);
        EXPECT_EQ(S(f.texts.name), "");
    }
}

TEST_F(ResultTextsTest, RunTextsShowOneRunWithoutListContext) {
    const int e = Starter(kHopp, {4100, 1}, 0, 8001);
    Enter(meet, e, kAgility);
    Record(e, kAgility, {0, 0, 0, 0, 1});
    const ResultRowTexts hopp = FormatRunTexts(meet, kHopp, -1, e, 0);
    EXPECT_EQ(RunLine(hopp), "41.00|1.00|1|0|6.00|---");
    EXPECT_EQ(S(hopp.place), "");
    EXPECT_EQ(S(hopp.startNo), "");
    EXPECT_EQ(S(hopp.name), "");
    EXPECT_EQ(RunLine(FormatRunTexts(meet, kAgility, -1, e, 0)), "||||I.M.|--p");

    int members[3];
    for (int& m : members) m = Starter(kTeam, {3000});
    const int team = AddTeam(meet, "Lag", kTeam, members[0], members[1], members[2]);
    EXPECT_EQ(RunLine(FormatRunTexts(meet, kTeam, team, -1, 0)), "90.00|0.00|0|0|0.00|---");
}

TEST_F(ResultTextsTest, AwardTextFollowsLevelMeetFormAndFlags) {
    const struct {
        const char* name;
        int meetForm, slot, heldSlot;  // heldSlot: the class the level entry holds
        int flag;                      // award flag set on that entry, -1 none
        const char* text;
    } cases[] = {
        {"level 1 with the mark", 1, 8, 8, kAwardNapp, "Napp"},
        {"level 1 without", 1, 8, 8, -1, " "},
        {"level 2 Agility", 1, 21, 21, kAwardNapp, "Napp"},
        {"level 1 ignores certificates", 1, 8, 8, kAwardCert, " "},
        {"level 3 CACIAC", 1, 10, 10, kAwardCaciac, "CACIAC"},
        {"level 3 reserve", 1, 10, 10, kAwardReserveCaciac, "R. CACIAC"},
        {"level 3 champion", 1, 22, 22, kAwardChampion, "Champion"},
        {"level 3 cert", 1, 22, 22, kAwardCert, "Cert"},
        {"level 3 ignores the mark", 1, 10, 10, kAwardNapp, " "},
        {"level 3 entry holding level 2", 1, 10, 9, kAwardCert, " "},
        {"open class", 1, 11, 11, kAwardNapp, " "},
        {"team class", 1, 26, 26, kAwardNapp, " "},
        {"private meet", 0, 8, 8, kAwardNapp, " "},
        {"private meet, level 3", 0, 10, 10, kAwardCaciac, " "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        meet.info.meetForm = c.meetForm;
        const int e = AddEquipage(meet, "Hund", 2);
        ClassEntry& entry = Enter(meet, e, c.heldSlot);
        if (c.flag >= 0) entry.awards[c.flag] = 1;
        EXPECT_STREQ(AwardText(meet, c.slot, e), c.text);
    }
}

TEST_F(ResultTextsTest, HasAwardOnlyForHandSetAwardsOfLevel3AtAClubMeet) {
    const struct {
        const char* name;
        int meetForm, slot, award;
        bool has;
    } cases[] = {
        {"cert on level 3", 1, 10, kAwardCert, true},
        {"CACIAC on Agility level 3", 1, 22, kAwardCaciac, true},
        {"champion on level 2", 1, 9, kAwardChampion, false},
        {"private meet", 0, 10, kAwardCert, false},
        {"the mark is not a hand-set award", 1, 10, kAwardNapp, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        meet.info.meetForm = c.meetForm;
        const int e = AddEquipage(meet, "Hund", 2);
        Enter(meet, e, c.slot).awards[c.award] = 1;
        EXPECT_EQ(HasAward(meet, e, EntryOfClass(c.slot), c.award), c.has);
        EXPECT_FALSE(HasAward(meet, e, EntryOfClass(c.slot), (c.award + 1) % 5)) << "another flag";
    }
}

}  // namespace
}  // namespace kavalto::test

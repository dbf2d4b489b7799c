// kavalto-cli results and stats: the printed tables are a contract.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/cp1252.h"
#include "meet/meet_file.h"
#include "meet/text_field.h"
#include "support/cli_runner.h"
#include "support/meet_builder.h"

namespace kavalto::test {
namespace {

const std::string kResultsHeader =
    "row\tgroup\tkind\tteam\tequipage\tplace\tstartNo\tname\tname2\ttime\ttimeFaults\tfaults\trefusals\tresult\t"
    "award\tnoResult\teliminated\tnotPresent\n";

class ResultsCliTest : public ::testing::Test {
protected:
    std::unique_ptr<MeetState> owned = std::make_unique<MeetState>();
    MeetState& meet = *owned;
    std::string path;

    // Hopp Large 1 with a clean run, a disqualified run and one not run yet,
    // and a team in Lag Large whose fourth member was absent.
    void SetUp() override {
        MakeFreshMeet(meet);
        ClassRecord& hopp = meet.classes[8];
        hopp.standardTime[0] = 4000;
        hopp.courseLength[0] = 180;
        const char* names[] = {"Bjørn", "Tass", "Luna"};
        for (int i = 0; i < 3; ++i) {
            const int e = AddEquipage(meet, names[i], 2);
            if (i == 0) CopyText(meet.equipages[e].handlerName, Utf8ToCp1252("Kåre Ås"));
            Enter(meet, e, 8, 0, 8001 + i);
        }
        SetRun(meet, 0, 8, 0, 3500);
        SetRun(meet, 1, 8, 0, 3000, 0, 0, 1);
        int members[4];
        for (int i = 0; i < 4; ++i) {
            members[i] = AddEquipage(meet, "Medlem " + std::to_string(i), 2);
            Enter(meet, members[i], 26, 0, 8101 + i);
            SetRun(meet, members[i], 26, 0, 3000 + 100 * i, 0, 0, 0, i == 3 ? 1 : 0);
        }
        const int team = AddTeam(meet, "Lynet", 26, members[0], members[1], members[2], members[3]);
        meet.teams[team].startNo = 9001;
        meet.classes[26].standardTime[0] = 4000;
        Save();
    }

    void Save() {
        path = (MakeTempFolder("results-cli") / "stevne.ags").string();
        ASSERT_TRUE(SaveMeetFile(meet, path));
    }
};

TEST_F(ResultsCliTest, PrintsTheRowsOfAnIndividualClassInListOrder) {
    const CliRun run = RunCli({"results", path, "--class", "8"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, kResultsHeader +
                           "0\tplaced\tE\t-1\t0\t1\t8001\tBjørn\tKåre Ås\t35.00\t0.00\t0\t0\t0.00\tNapp\t0\t0\t0\n"
                           "1\teliminated\tE\t-1\t1\t\t8002\tTass\t\t\t\t\t\tDISK\t \t0\t1\t0\n"
                           "2\tnone\tE\t-1\t2\t\t8003\tLuna\t\t\t\t\t\t\t\t1\t0\t0\n");
}

TEST_F(ResultsCliTest, PrintsTeamRowsAndMemberRows) {
    const CliRun run = RunCli({"results", path, "--class", "26"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, kResultsHeader +
                           "0\tplaced\tT\t0\t-1\t1\t9001\tLynet\t\t93.00\t0.00\t0\t0\t0.00\t \t0\t0\t0\n"
                           "1\tplaced\tM\t0\t3\t\t8101\tMedlem 0\t\t30.00\t0.00\t0\t0\t0.00\t \t0\t0\t0\n"
                           "2\tplaced\tM\t0\t4\t\t8102\tMedlem 1\t\t31.00\t0.00\t0\t0\t0.00\t \t0\t0\t0\n"
                           "3\tplaced\tM\t0\t5\t\t8103\tMedlem 2\t\t32.00\t0.00\t0\t0\t0.00\t \t0\t0\t0\n"
                           "4\tplaced\tM\t0\t6\t\t8104\tMedlem 3\t\t\t\t\t\tI.M.\t \t0\t0\t1\n");
}

TEST_F(ResultsCliTest, AClassNotTakingPartPrintsTheHeaderOnly) {
    const std::vector<std::vector<std::string>> calls = {
        {"--class", "9"}, {"--class", "8", "--run", "1"}, {"--class", "8", "--combined"}};
    for (const auto& options : calls) {
        std::vector<std::string> args = {"results", path};
        args.insert(args.end(), options.begin(), options.end());
        const CliRun run = RunCli(args);
        EXPECT_EQ(run.status, 0) << options[1];
        EXPECT_EQ(run.out, kResultsHeader) << options[1];
    }
}

TEST_F(ResultsCliTest, RefusesBadArgumentsAndABadRunInTheFile) {
    const std::vector<std::vector<std::string>> calls = {
        {"--class", "27"}, {"--class", "-1"}, {"--class", "x"}, {}, {"--class", "8", "--run", "2"}};
    for (const auto& options : calls) {
        std::vector<std::string> args = {"results", path};
        args.insert(args.end(), options.begin(), options.end());
        const CliRun run = RunCli(args);
        EXPECT_EQ(run.status, 2) << args.size();
        EXPECT_EQ(run.out, "") << args.size();
    }
    meet.info.currentRun = 5;
    Save();
    EXPECT_EQ(RunCli({"results", path, "--class", "8"}).status, 1);
    EXPECT_EQ(RunCli({"stats", path}).status, 1);
    EXPECT_EQ(RunCli({"results", path, "--class", "8", "--run", "0"}).status, 0) << "--run replaces the file's run";
}

TEST_F(ResultsCliTest, StatsPrintsTheClassesOfTheRunAndATotal) {
    const CliRun run = RunCli({"stats", path});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out,
              "slot\tname\tentered\tstarted\tfaultFree\teliminated\taverageSpeed\n"
              "8\tHopp Large 1\t3\t3\t1\t1\t5.14\n"
              "26\tLag Large\t1\t1\t1\t0\t0.00\n"
              "total\tTotalt\t4\t4\t2\t1\t5.14\n");

    // A run without classes still prints the total line.
    const CliRun second = RunCli({"stats", path, "--run", "1"});
    EXPECT_EQ(second.status, 0);
    EXPECT_EQ(second.out,
              "slot\tname\tentered\tstarted\tfaultFree\teliminated\taverageSpeed\n"
              "total\tTotalt\t0\t0\t0\t0\t0.00\n");
}

}  // namespace
}  // namespace kavalto::test

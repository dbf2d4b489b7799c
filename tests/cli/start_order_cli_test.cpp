// kavalto-cli startlist, draw and select-run.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "meet/meet_file.h"
#include "meet/text_field.h"
#include "support/cli_runner.h"
#include "support/meet_builder.h"

namespace kavalto::test {
namespace {

class StartOrderCliTest : public ::testing::Test {
protected:
    std::unique_ptr<MeetState> owned = std::make_unique<MeetState>();
    MeetState& meet = *owned;
    std::filesystem::path folder = MakeTempFolder("start-order-cli");
    std::string path = (folder / "stevne.ags").string();
    std::string out = (folder / "ut.ags").string();

    // Hopp Large 1 with three dogs at positions 2, 0, 1 (the second in
    // season), a team of two of them in Lag Large.
    void SetUp() override {
        MakeFreshMeet(meet);
        const char* names[] = {"Bjørn", "Tass", "Luna"};
        const int32_t positions[] = {2, 0, 1};
        for (int i = 0; i < 3; ++i) {
            const int dog = AddEquipage(meet, names[i], 2);
            ClassEntry& entry = Enter(meet, dog, 8, 0, 8001 + i);
            entry.startOrder[0] = positions[i];
            CopyText(entry.handler, "Per");
        }
        meet.equipages[1].inSeason = 1;
        const int team = AddTeam(meet, "Lynet", 26, 0, 2);
        meet.teams[team].startNo = 9001;
        ASSERT_TRUE(SaveMeetFile(meet, path));
    }

    std::unique_ptr<MeetState> ReadOut() {
        auto read = std::make_unique<MeetState>();
        MakeFreshMeet(*read);
        EXPECT_TRUE(LoadMeetFile(*read, out));
        return read;
    }
};

TEST_F(StartOrderCliTest, StartListWalksTheClassInStartOrder) {
    CliRun run = RunCli({"startlist", path, "--class", "8"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out,
              "position\tequipage\tstartNo\tregNo\tdogName\thandler\tinSeason\n"
              "0\t1\t8002\t\tTass\tPer\t1\n"
              "1\t2\t8003\t\tLuna\tPer\t0\n"
              "2\t0\t8001\t\tBjørn\tPer\t0\n");

    run = RunCli({"startlist", path, "--class", "26"});
    EXPECT_EQ(run.out, "position\tteam\tstartNo\tteamName\tmembers\n0\t0\t9001\tLynet\t0,2,-1,-1\n");

    // A class without entrants prints the header only.
    run = RunCli({"startlist", path, "--class", "3"});
    EXPECT_EQ(Lines(run.out).size(), 1u);
}

// Gaps are closed as the walk goes; two dogs sharing a position leave the
// last position with nobody at it or above.
TEST_F(StartOrderCliTest, StartListClosesGapsAndShowsAnEmptyRowWhereNoEntrantIsLeft) {
    const int32_t positions[] = {4, 0, 0};
    for (int dog = 0; dog < 3; ++dog) meet.equipages[dog].entries[0].startOrder[0] = positions[dog];
    ASSERT_TRUE(SaveMeetFile(meet, path));
    const CliRun run = RunCli({"startlist", path, "--class", "8"});
    const std::vector<std::string> lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[1], "0\t1\t8002\t\tTass\tPer\t1");
    EXPECT_EQ(lines[2], "1\t0\t8001\t\tBjørn\tPer\t0");
    EXPECT_EQ(lines[3], "2\t-1\t\t\t\t\t");
}

TEST_F(StartOrderCliTest, DrawGivesTheSameNumbersEveryTimeAndOrdersByThem) {
    CliRun run = RunCli({"draw", path, "--out", out});
    ASSERT_EQ(run.status, 0) << run.err;
    auto first = ReadOut();
    run = RunCli({"draw", path, "--out", out});
    ASSERT_EQ(run.status, 0) << run.err;
    auto second = ReadOut();
    for (int dog = 0; dog < 3; ++dog) {
        const ClassEntry& entry = first->equipages[dog].entries[0];
        EXPECT_EQ(entry.startNo, second->equipages[dog].entries[0].startNo);
        EXPECT_GE(entry.startNo, 1);
        EXPECT_LE(entry.startNo, 3);
        EXPECT_EQ(entry.startOrder[0], entry.startNo - 1);
    }
    // The dog in season draws last: it gets the number the others left.
    EXPECT_EQ(first->equipages[1].entries[0].startNo, 6 - first->equipages[0].entries[0].startNo -
                                                          first->equipages[2].entries[0].startNo);
    EXPECT_EQ(first->teams[0].startNo, 100);
}

TEST_F(StartOrderCliTest, SelectRunSwitchesRunsAndRefusesFinalsOfASingleMeet) {
    struct Case {
        bool single;
        std::string item;
        int status;
        int currentRun;
        int agilityFinal;
    };
    const Case cases[] = {
        {false, "1", 0, 1, 0}, {false, "2", 0, 1, 1}, {false, "0", 0, 0, 0},
        {true, "0", 0, 0, 0},  {true, "1", 2, -1, -1}, {false, "3", 2, -1, -1},
    };
    for (const Case& c : cases) {
        meet.info.singleRun = c.single ? 1 : 0;
        ASSERT_TRUE(SaveMeetFile(meet, path));
        std::filesystem::remove(out);
        const CliRun run = RunCli({"select-run", path, c.item, "--out", out});
        EXPECT_EQ(run.status, c.status) << c.item << run.err;
        if (c.status != 0) {
            EXPECT_FALSE(std::filesystem::exists(out)) << c.item;
            continue;
        }
        auto read = ReadOut();
        EXPECT_EQ(read->info.currentRun, c.currentRun) << c.item;
        EXPECT_EQ(read->info.agilityFinal, c.agilityFinal) << c.item;
    }
}

}  // namespace
}  // namespace kavalto::test

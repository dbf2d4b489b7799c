#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "app/cp1252.h"
#include "meet/meet_file.h"
#include "meet/text_field.h"
#include "support/cli_runner.h"
#include "support/meet_builder.h"

namespace kavalto {
namespace {

using test::Fields;
using test::Lines;
using test::RunCli;

class InspectCli : public ::testing::Test {
protected:
    void SetUp() override {
        folder = test::MakeTempFolder("inspect-cli");
        test::MakeFreshMeet(meet);
        CopyText(meet.info.meetId, "4711");
        CopyText(meet.info.meetName, Utf8ToCp1252("Høstløpet på Ås"));
        meet.info.hasSponsor = 1;
        meet.info.sponsorWantsBanner = 0;
        CopyText(meet.info.sponsorText, Utf8ToCp1252("Fôr & Sånt"));
        meet.banner = MakeBanner(3, 2);
        ClassRecord& agility = meet.classes[20];
        CopyText(agility.judge, Utf8ToCp1252("Åse Dommer"));
        agility.courseLength[0] = 180;
        agility.standardTime[0] = 4005;
        agility.maxTimeOn = 1;
        agility.maxTime[0] = 8010;

        const int rex = test::AddEquipage(meet, "Rex", 2);
        CopyText(meet.equipages[0].handlerName, Utf8ToCp1252("Bjørn"));
        CopyText(meet.equipages[0].regNo, "NO12345/20");
        ClassEntry& entry = test::Enter(meet, rex, 20, 0, 8001);
        CopyText(entry.handler, Utf8ToCp1252("Bjørn"));
        entry.awards[kAwardNapp] = 1;
        entry.awards[kAwardReserveCaciac] = 1;
        test::SetRun(meet, rex, 20, 0, 3205, 1, 2);
        test::AddEquipage(meet, "Nobody", 0);  // entered nowhere
        test::AddTeam(meet, "Lynet", 26, rex);
        meet.teams[0].startNo = 9001;
        path = (folder / "stevne.ags").string();
        ASSERT_TRUE(SaveMeetFile(meet, path));
    }
    void TearDown() override { std::filesystem::remove_all(folder); }

    std::filesystem::path folder;
    std::string path;
    MeetState meet;
};

TEST_F(InspectCli, InfoPrintsKeysInOrder) {
    const auto run = RunCli({"info", path});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<std::string> expected = {
        "version\t28",       "meetForm\t1",        "singleRun\t1",
        "currentRun\t0",     "agilityFinal\t0",    "meetId\t4711",
        "meetName\tHøstløpet på Ås", "organiser\t", "meetDate\t",
        "hasSponsor\t1",     "sponsorWantsBanner\t0", "sponsorText\tFôr & Sånt",
        "equipages\t2",      "teams\t1",           "banner\t3x2"};
    EXPECT_EQ(Lines(run.out), expected);
}

TEST_F(InspectCli, ClassesFormatTimesAndTexts) {
    const auto run = RunCli({"classes", path});
    ASSERT_EQ(run.status, 0) << run.err;
    const auto lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 28u);
    EXPECT_EQ(lines[0],
              "slot\tlong\tshort\tcode\tinRun0\tinRun1\tjudge\tcourseLength0\tcourseLength1\tstandardTime0\t"
              "standardTime1\tmaxTimeOn\tmaxTimePercent\tmaxTime0\tmaxTime1\tfinalPercent");
    EXPECT_EQ(lines[21], "20\tAgility Large 1\tAL1\tAG-Stor-1\t1\t0\tÅse Dommer\t180\t0\t40.05\t0.00\t1\t200\t80.10\t0.00\t50");
    EXPECT_EQ(Fields(lines[4])[2], "HSÅ");
}

TEST_F(InspectCli, EquipagesEntriesAndTeams) {
    auto run = RunCli({"equipages", path});
    ASSERT_EQ(run.status, 0) << run.err;
    auto lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(Fields(lines[0]).size(), 17u);
    EXPECT_EQ(lines[1], "0\tNO12345/20\tRex\t\t\tBjørn\t\t\t\t\t2\t0\t0\t0\t0\t0\t0");

    run = RunCli({"entries", path});
    ASSERT_EQ(run.status, 0) << run.err;
    lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 3u);  // the Agility entry and the team entry of Rex only
    EXPECT_EQ(Fields(lines[0]).size(), 20u);
    EXPECT_EQ(lines[1], "0\t2\t20\t1\t0\tBjørn\t8001\t0\t0\t32.05\t1\t2\t0\t0\t0.00\t0\t0\t0\t0\t01001");
    EXPECT_EQ(Fields(lines[2])[1], "4");

    run = RunCli({"teams", path});
    ASSERT_EQ(run.status, 0) << run.err;
    lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1], "0\t\tLynet\t\t\t\t2\t26\t1\t0\t9001\t0\t0\t0\t0\t0,-1,-1,-1");
}

TEST_F(InspectCli, RunOptionSetsTheCurrentRun) {
    const auto run = RunCli({"info", path, "--run", "1"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(Lines(run.out)[3], "currentRun\t1");
}

TEST_F(InspectCli, ConvertWritesTheCurrentVersionAndRefusesBadInput) {
    const std::string out = (folder / "ny.ags").string();
    auto run = RunCli({"convert", path, out});
    ASSERT_EQ(run.status, 0) << run.err;
    MeetState again;
    test::MakeFreshMeet(again);
    ASSERT_TRUE(LoadMeetFile(again, out));
    EXPECT_EQ(SerializeMeet(again), SerializeMeet(meet));

    const std::string junk = (folder / "junk.ags").string();
    std::ofstream(junk) << "ikke et stevne";
    const std::string notWritten = (folder / "aldri.ags").string();
    run = RunCli({"convert", junk, notWritten});
    EXPECT_EQ(run.status, 1);
    EXPECT_FALSE(run.err.empty());
    EXPECT_FALSE(std::filesystem::exists(notWritten));
}

TEST_F(InspectCli, UsageErrorsExitWithTwo) {
    const std::vector<std::vector<std::string>> calls = {
        {"nosuchcommand"}, {"info"}, {"info", path, "--run", "2"}, {"info", path, "--run", "x"},
        {"classes", path, "--bogus"}, {}};
    for (const auto& args : calls) {
        const auto run = RunCli(args);
        EXPECT_EQ(run.status, 2) << (args.empty() ? "(none)" : args[0]);
    }
    EXPECT_EQ(RunCli({"info", (folder / "missing.ags").string()}).status, 1);
    EXPECT_EQ(RunCli({"--help"}).status, 0);
}

}  // namespace
}  // namespace kavalto

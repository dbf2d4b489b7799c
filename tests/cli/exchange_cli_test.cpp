// kavalto-cli import-entries, export-club, ring-save and ring-import.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "exchange/club_results.h"
#include "exchange/entries_file.h"
#include "exchange/ring_results.h"
#include "meet/meet_file.h"
#include "meet/text_field.h"
#include "support/cli_runner.h"
#include "support/meet_builder.h"

namespace kavalto::test {
namespace {

class ExchangeCliTest : public ::testing::Test {
protected:
    std::filesystem::path folder = MakeTempFolder("exchange-cli");

    std::string Write(const std::string& name, const std::vector<uint8_t>& bytes) {
        const std::string path = (folder / name).string();
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        return path;
    }
    std::string Path(const std::string& name) const { return (folder / name).string(); }

    std::unique_ptr<MeetState> Load(const std::string& path) {
        auto meet = std::make_unique<MeetState>();
        MakeFreshMeet(*meet);
        EXPECT_TRUE(LoadMeetFile(*meet, path)) << path;
        return meet;
    }

    // A meet opened from an entries file, with a result in Agility Small 1.
    std::string ResultsMeet() {
        auto meet = std::make_unique<MeetState>();
        MakeFreshMeet(*meet);
        EXPECT_EQ(RunCli({"import-entries", Write("a.vhx", EntriesBytes({DogFields("NO1", "AG-Liten-1", "8001")})),
                          "--out", Path("base.ags")})
                      .status,
                  0);
        meet = Load(Path("base.ags"));
        meet->classes[12].standardTime[0] = 4000;
        SetRun(*meet, 0, 12, 0, 3817);
        EXPECT_TRUE(SaveMeetFile(*meet, Path("results.ags")));
        return Path("results.ags");
    }
};

TEST_F(ExchangeCliTest, ImportEntriesOpensAFreshMeet) {
    const std::string vhx = Write("p.vhx", EntriesBytes({DogFields("NO1", "AG-Liten-1", "8002", "Tass"),
                                                         DogFields("NO2", "AG-Liten-1", "8001", "Luna")}));
    const CliRun run = RunCli({"import-entries", vhx, "--out", Path("ny.ags")});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "");
    const auto meet = Load(Path("ny.ags"));
    EXPECT_EQ(FieldText(meet->info.meetId), kMeetId);
    EXPECT_EQ(meet->info.meetName[0], '\0');
    ASSERT_EQ(meet->equipageCount(), 2);
    EXPECT_EQ(meet->equipages[1].entries[kEntryAgility].startOrder[0], 0);
}

TEST_F(ExchangeCliTest, ImportEntriesUpdatesABaseAndLeavesItAlone) {
    ASSERT_EQ(RunCli({"import-entries", Write("a.vhx", EntriesBytes({DogFields("NO1", "AG-Liten-1", "8001")})), "--out",
                      Path("base.ags")})
                  .status,
              0);
    const std::string base = ReadFileText(Path("base.ags"));
    const std::string newer =
        Write("b.vhx", EntriesBytes({DogFields("NO1", "AG-Liten-1", "8001"), DogFields("NO2", "AG-Liten-1", "8002")}));
    const CliRun run = RunCli({"import-entries", newer, "--update", Path("base.ags"), "--out", Path("ny.ags")});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(ReadFileText(Path("base.ags")), base);
    EXPECT_EQ(Load(Path("ny.ags"))->equipageCount(), 2);
}

TEST_F(ExchangeCliTest, RefusalsPrintTheMessageAndWriteNothing) {
    const std::string base = ResultsMeet();
    const std::string anotherMeet = Write("annet.vhx", EntriesBytes({With(DogFields("NO1", "AG-Liten-1", "1"), 1, "9")}));
    const std::string badLater = Write("feil.vhx", EntriesBytes({DogFields("NO1", "AG-Liten-1", "1"),
                                                                 With(DogFields("NO2", "AG-Liten-1", "2"), 1, "9")}));
    const std::string clubFile = Write("klubb.agr", ClubResultsBytes(*Load(base)));
    const std::string out = Path("ut.ags");
    const struct {
        std::vector<std::string> args;
        int status;
        std::string err;
    } cases[] = {
        {{"import-entries", badLater, "--out", out}, 1, "Feil filformat\n"},
        {{"import-entries", anotherMeet, "--update", base, "--out", out}, 1, "Feil stevne ID\n"},
        {{"import-entries", Path("mangler.vhx"), "--out", out}, 1, "Kan ikke åpne filen " + Path("mangler.vhx") + "\n"},
        {{"ring-import", base, clubFile, "--out", out}, 1, "Feil Stevne ID\n"},
        {{"ring-import", base, Path("mangler.agr"), "--out", out}, 1, "Filen kan ikke åpnes\n"},
        {{"export-club", base, Path("mangler/r.agr")}, 1, "Filen kan ikke opprettes\n"},
        {{"ring-save", base, Path("mangler/r.agr")}, 1, "Filen kan ikke opprettes\n"},
    };
    for (const auto& c : cases) {
        const CliRun run = RunCli(c.args);
        EXPECT_EQ(run.status, c.status) << c.args[0] << " " << c.args[1];
        EXPECT_EQ(run.err, c.err) << c.args[0] << " " << c.args[1];
        EXPECT_FALSE(std::filesystem::exists(out)) << c.args[0] << " " << c.args[1];
    }
}

TEST_F(ExchangeCliTest, UsageErrors) {
    const std::string vhx = Write("p.vhx", EntriesBytes({}));
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"import-entries", vhx},
             {"import-entries", vhx, "--out", Path("x.ags"), "--run", "2"},
             {"export-club", vhx},
             {"ring-import", vhx, vhx},
         }) {
        EXPECT_EQ(RunCli(args).status, 2) << args[0] << " " << args.size();
    }
}

TEST_F(ExchangeCliTest, ExportClubWritesTheClubFileOfTheMeet) {
    const std::string meetPath = ResultsMeet();
    const std::string before = ReadFileText(meetPath);
    const CliRun run = RunCli({"export-club", meetPath, Path("r.agr")});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "");
    auto meet = Load(meetPath);
    const std::vector<uint8_t> expected = ClubResultsBytes(*meet);
    EXPECT_EQ(ReadFileText(Path("r.agr")), std::string(expected.begin(), expected.end()));
    EXPECT_NE(ReadFileText(Path("r.agr")).find("|38.17|"), std::string::npos);
    EXPECT_EQ(ReadFileText(meetPath), before);
}

TEST_F(ExchangeCliTest, RingSaveAndRingImportCarryResultsToTheOtherRing) {
    const std::string ring1 = ResultsMeet();
    const CliRun save = RunCli({"ring-save", ring1, Path("ring.agr")});
    EXPECT_EQ(save.status, 0) << save.err;
    auto meet = Load(ring1);
    const std::vector<uint8_t> expected = RingResultsBytes(*meet);
    EXPECT_EQ(ReadFileText(Path("ring.agr")), std::string(expected.begin(), expected.end()));

    const CliRun import = RunCli({"ring-import", Path("base.ags"), Path("ring.agr"), "--out", Path("ring2.ags")});
    EXPECT_EQ(import.status, 0) << import.err;
    EXPECT_EQ(Load(Path("ring2.ags"))->equipages[0].entries[kEntryAgility].run[0].time, 3817);
}

}  // namespace
}  // namespace kavalto::test

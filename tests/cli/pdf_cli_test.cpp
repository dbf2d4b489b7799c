// kavalto-cli pdf and mail-pdf: the forms they write and how they fail.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "app/cp1252.h"
#include "meet/meet_file.h"
#include "meet/text_field.h"
#include "support/cli_runner.h"
#include "support/meet_builder.h"
#include "support/pdf_reader.h"

namespace kavalto::test {
namespace {

constexpr int kHoppSmall1 = 0;
constexpr int kAgilitySmall1 = 12;
constexpr int kTeamSmall = 24;

class PdfCliTest : public ::testing::Test {
protected:
    std::filesystem::path folder = MakeTempFolder("pdf-cli");
    std::string meetPath = (folder / "stevne.ags").string();
    std::string out = (folder / "ut.pdf").string();

    // Two dogs in Hopp Small 1 and Agility Small 1 with results, a team of
    // three, judge "Åse Dommer" in Hopp.
    void SetUp() override {
        auto meet = std::make_unique<MeetState>();
        MakeFreshMeet(*meet);
        CopyText(meet->info.meetName, Utf8ToCp1252("Høststevnet"));
        CopyText(meet->classes[kHoppSmall1].judge, Utf8ToCp1252("Åse Dommer"));
        for (int i = 0; i < 3; ++i) {
            const int e = AddEquipage(*meet, i == 0 ? "Bjørn" : "Tass" + std::to_string(i));
            Enter(*meet, e, kHoppSmall1, 0, 8000 + i);
            Enter(*meet, e, kAgilitySmall1, 0, 8100 + i);
            SetRun(*meet, e, kHoppSmall1, 0, 3000 + i);
            SetRun(*meet, e, kAgilitySmall1, 0, 3100 + i, i);
            SetRun(*meet, e, kTeamSmall, 0, 3200 + i);
        }
        AddTeam(*meet, "Lynet", kTeamSmall, 0, 1, 2);
        ASSERT_TRUE(SaveMeetFile(*meet, meetPath));
    }
    void TearDown() override { std::filesystem::remove_all(folder); }

    CliRun Pdf(std::vector<std::string> options) {
        std::vector<std::string> args{"pdf", meetPath};
        args.insert(args.end(), options.begin(), options.end());
        args.push_back(out);
        return RunCli(args);
    }
};

TEST_F(PdfCliTest, EveryFormWritesAReadablePdf) {
    struct Case {
        std::vector<std::string> options;
        int pages;
        const char* text;
    };
    const Case cases[] = {
        {{"--form", "entry-form"}, 1, "Skjema for påmelding av ekvipasje"},
        {{"--form", "team-entry-form", "--all"}, 1, "Lynet"},
        {{"--form", "stats"}, 1, "Statistikk"},
        {{"--form", "cards", "--all"}, 3, "Start Nummer for: Bjørn"},
        {{"--form", "scribe", "--class", "0"}, 3, "Skriver Skjema"},
        {{"--form", "startlists", "--all"}, 3, "Start Liste - Hopp Small 1"},
        {{"--form", "results", "--all"}, 3, "Resultater fra - Agility Small 1"},
        {{"--form", "combined", "--all"}, 1, "Sammenlagte Resultater fra - Hopp + Agility - Small 1"},
        {{"--form", "judge-lists", "--judge", "Åse Dommer"}, 1, "Dommerliste for - Hopp Small 1"},
        {{"--form", "judge-sheets", "--equipage", "0"}, 2, "Kritikk Skjema - Bjørn"},
    };
    for (const Case& c : cases) {
        const CliRun run = Pdf(c.options);
        ASSERT_EQ(run.status, 0) << c.options[1] << ": " << run.err;
        EXPECT_EQ(PdfPageCount(out), c.pages) << c.options[1];
        const std::string text = SqueezeBlanks(PdfText(out));
        EXPECT_NE(text.find(c.text), std::string::npos) << c.options[1] << "\n" << text;
        std::filesystem::remove(out);
    }
}

TEST_F(PdfCliTest, NothingToPrintWritesNothing) {
    for (const std::vector<std::string>& options :
         {std::vector<std::string>{"--form", "results", "--class", "5"},
          std::vector<std::string>{"--form", "judge-lists", "--judge", "Ukjent"},
          std::vector<std::string>{"--form", "cards", "--equipage", "99"}}) {
        const CliRun run = Pdf(options);
        EXPECT_EQ(run.status, 1) << options[1];
        EXPECT_EQ(run.err, "Ingenting å skrive ut\n") << options[1];
        EXPECT_FALSE(std::filesystem::exists(out));
    }
}

TEST_F(PdfCliTest, UsageErrors) {
    for (const std::vector<std::string>& options :
         {std::vector<std::string>{"--form", "plakat"}, std::vector<std::string>{"--form", "results", "--class", "27"},
          std::vector<std::string>{"--form", "results", "--class", "tre"},
          std::vector<std::string>{"--form", "scribe", "--teams-only", "--individuals-only", "--all"}}) {
        EXPECT_EQ(Pdf(options).status, 2) << options[1];
        EXPECT_FALSE(std::filesystem::exists(out));
    }
}

TEST_F(PdfCliTest, AFailedSaveIsReportedOnce) {
    std::filesystem::create_directory(out);
    std::ofstream(std::filesystem::path(out) / "eldre.txt") << "eldre";
    const CliRun run = Pdf({"--form", "stats"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "PDF lagringsfeil\n");
    EXPECT_TRUE(std::filesystem::is_directory(out));
}

TEST_F(PdfCliTest, MailPdfOfAnEquipageAndOfATeam) {
    CliRun run = RunCli({"mail-pdf", meetPath, "--equipage", "0", out});
    ASSERT_EQ(run.status, 0) << run.err;
    // Single meet: judge sheet and results list of Hopp, of Agility, of the
    // team class, then the statistics page.
    EXPECT_EQ(PdfPageCount(out), 7);
    std::string text = SqueezeBlanks(PdfText(out));
    EXPECT_NE(text.find("Kritikk Skjema - Bjørn"), std::string::npos) << text;
    EXPECT_NE(text.find("Kritikk Skjema - Lynet"), std::string::npos);
    EXPECT_NE(text.find("Statistikk"), std::string::npos);

    run = RunCli({"mail-pdf", meetPath, "--team", "0", out});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(PdfPageCount(out), 2);
    text = SqueezeBlanks(PdfText(out));
    EXPECT_NE(text.find("Resultater fra - Lag Small"), std::string::npos) << text;
    EXPECT_EQ(text.find("Statistikk"), std::string::npos);
}

TEST_F(PdfCliTest, MailPdfNeedsExactlyOneKnownRecipient) {
    EXPECT_EQ(RunCli({"mail-pdf", meetPath, out}).status, 2);
    EXPECT_EQ(RunCli({"mail-pdf", meetPath, "--equipage", "0", "--team", "0", out}).status, 2);
    const CliRun run = RunCli({"mail-pdf", meetPath, "--team", "4", out});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "Ukjent lag: 4\n");
    EXPECT_FALSE(std::filesystem::exists(out));
}

}  // namespace
}  // namespace kavalto::test

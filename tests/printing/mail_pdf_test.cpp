// The results PDF of the e-mail: what it holds at single and double meets,
// and how a failure is reported.
#include <gtest/gtest.h>

#include "print_fixture.h"
#include "printing/mail_pdf.h"

namespace kavalto::test {
namespace {

constexpr int kHoppSmall1 = 0;
constexpr int kAgilitySmall1 = 12;
constexpr int kTeamSmall = 24;

struct MailPdf {
    bool ok = false;
    int pages = -1;
    std::string text;
};

MailPdf Build(MeetState& meet, int kind, int index) {
    const auto folder = MakeTempFolder("mail");
    const std::string path = MailPdfPath(folder.string());
    PrintEngine engine;
    MailPdf out;
    out.ok = BuildMailPdf(meet, engine, kind, index, path);
    if (out.ok) {
        out.pages = PdfPageCount(path);
        out.text = SqueezeBlanks(PdfText(path));
    }
    std::filesystem::remove_all(folder);
    return out;
}

// A double meet: Rex runs Hopp and Agility Small 1 in both runs and is in a
// team that runs both runs; 45 other dogs make the Hopp list longer than a page.
void MakeDoubleMeet(MeetState& meet) {
    MakePrintMeet(meet);
    meet.info.singleRun = 0;
    for (int slot : {kHoppSmall1, kAgilitySmall1, kTeamSmall}) {
        meet.classes[slot].inRun[1] = 1;
        meet.classes[slot].standardTime[0] = meet.classes[slot].standardTime[1] = 4000;
    }
    int members[3];
    for (int i = 0; i < 3; ++i) {
        members[i] = AddEquipage(meet, i == 0 ? "Rex" : "Medlem" + std::to_string(i));
        for (int run = 0; run < 2; ++run) {
            for (int slot : {kHoppSmall1, kAgilitySmall1, kTeamSmall}) {
                Enter(meet, members[i], slot, run, 8000 + 10 * slot + i);
                SetRun(meet, members[i], slot, run, 3000 + 100 * i + run);
            }
        }
    }
    const int t = AddTeam(meet, "Lynet", kTeamSmall, members[0], members[1], members[2]);
    meet.teams[t].inRun[1] = 1;
    for (int i = 0; i < 45; ++i) {
        const int e = AddEquipage(meet, "Fyll" + std::to_string(i));
        Enter(meet, e, kHoppSmall1, 0, 9000 + i);
        SetRun(meet, e, kHoppSmall1, 0, 3500 + i);
    }
}

TEST(MailPdf, EquipageAtADoubleMeet) {
    MeetState meet;
    MakeDoubleMeet(meet);
    meet.info.currentRun = 1;
    const MailPdf pdf = Build(meet, kMailPdfEquipage, 0);
    ASSERT_TRUE(pdf.ok);
    // Per run: judge sheet and first results page of Hopp, Agility and the
    // team; then the combined results of Agility and of the team class.
    EXPECT_EQ(pdf.pages, 2 * 6 + 2);
    EXPECT_EQ(CountOf(pdf.text, "Kritikk Skjema - Kvalifisering - Rex"), 2);
    EXPECT_EQ(CountOf(pdf.text, "Kritikk Skjema - Finale - Rex"), 2);
    EXPECT_EQ(CountOf(pdf.text, "Kritikk Skjema - Kvalifisering - Lynet"), 1);
    EXPECT_NE(pdf.text.find("Sammenlagte Resultater fra - Finale - Hopp + Agility - Small 1"), std::string::npos);
    EXPECT_NE(pdf.text.find("Sammenlagte Resultater fra - Lag Small"), std::string::npos);
    EXPECT_EQ(pdf.text.find("Statistikk"), std::string::npos);
    EXPECT_EQ(pdf.text.find("Side"), std::string::npos);  // no page numbers
    EXPECT_EQ(meet.info.currentRun, 1);
}

TEST(MailPdf, TeamAtADoubleMeet) {
    MeetState meet;
    MakeDoubleMeet(meet);
    const MailPdf pdf = Build(meet, kMailPdfTeam, 0);
    ASSERT_TRUE(pdf.ok);
    EXPECT_EQ(pdf.pages, 2 * 2 + 1);
    EXPECT_EQ(CountOf(pdf.text, "Resultater fra - Kvalifisering - Lag Small"), 1);
    EXPECT_EQ(CountOf(pdf.text, "Resultater fra - Finale - Lag Small"), 1);
}

TEST(MailPdf, EquipageAtASingleMeetEndsWithTheStatistics) {
    MeetState meet;
    MakePrintMeet(meet);
    const int e = AddEquipage(meet, "Rex");
    Enter(meet, e, kHoppSmall1, 0, 8001);
    SetRun(meet, e, kHoppSmall1, 0, 3000);
    const MailPdf pdf = Build(meet, kMailPdfEquipage, e);
    ASSERT_TRUE(pdf.ok);
    EXPECT_EQ(pdf.pages, 3);
    EXPECT_NE(pdf.text.find("Statistikk"), std::string::npos);
}

TEST(MailPdf, FailuresAreReportedOnceAndUnknownRecipientsNotAtAll) {
    MeetState meet;
    MakePrintMeet(meet);
    AddEquipage(meet, "Rex");
    RecordingNotifier notifier;
    meet.notifier = &notifier;
    const auto folder = MakeTempFolder("mail-fail");
    std::filesystem::create_directories(folder / "mail.pdf" / "opptatt");
    PrintEngine engine;
    EXPECT_FALSE(BuildMailPdf(meet, engine, kMailPdfEquipage, 0, MailPdfPath(folder.string())));
    EXPECT_EQ(notifier.warnings, std::vector<std::string>{"PDF lagringsfeil"});
    EXPECT_TRUE(std::filesystem::is_directory(folder / "mail.pdf" / "opptatt"));

    notifier.warnings.clear();
    EXPECT_FALSE(BuildMailPdf(meet, engine, kMailPdfEquipage, 1, (folder / "a.pdf").string()));
    EXPECT_FALSE(BuildMailPdf(meet, engine, kMailPdfTeam, 0, (folder / "b.pdf").string()));
    EXPECT_TRUE(notifier.warnings.empty());
    EXPECT_FALSE(std::filesystem::exists(folder / "a.pdf"));
    std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace kavalto::test

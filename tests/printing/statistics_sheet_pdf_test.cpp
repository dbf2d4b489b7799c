// The statistics sheet read back from the PDF.
#include <gtest/gtest.h>

#include <regex>

#include "print_fixture.h"

namespace kavalto::test {
namespace {

constexpr int kHoppSmall1 = 0;

// The figures of one line of the sheet, whitespace-separated.
bool HasLine(const std::string& text, const std::string& pattern) {
    return std::regex_search(text, std::regex(pattern));
}

TEST(StatisticsSheetPdf, CountsAndSharesOfAClass) {
    MeetState meet;
    MakePrintMeet(meet);
    meet.classes[kHoppSmall1].courseLength[0] = 150;
    meet.classes[kHoppSmall1].standardTime[0] = 5000;
    // 10 entered: 2 absent, 3 fault-free, 1 disqualified, 4 with faults.
    for (int i = 0; i < 10; ++i) {
        const int e = AddEquipage(meet, "Hund" + std::to_string(i));
        Enter(meet, e, kHoppSmall1, 0, 8000 + i);
        if (i < 2) SetRun(meet, e, kHoppSmall1, 0, 0, 0, 0, 0, 1);
        else if (i < 5) SetRun(meet, e, kHoppSmall1, 0, 3000);
        else if (i < 6) SetRun(meet, e, kHoppSmall1, 0, 0, 0, 0, 1);
        else SetRun(meet, e, kHoppSmall1, 0, 3000, 1);
    }
    const PrintedPdf pdf = PrintToPdf(meet, {{kFormStatistics}});
    ASSERT_TRUE(pdf.written);
    EXPECT_EQ(pdf.pageCount, 1);
    for (const char* heading : {"Statistikk", "Klasse", "Antall", "Startet", "Feilfrie", "Disket", "Snitt m/s"}) {
        EXPECT_NE(pdf.text.find(heading), std::string::npos) << heading;
    }
    EXPECT_TRUE(HasLine(pdf.text, "Hopp Small 1\\s+10\\s+100%\\s+8\\s+80%\\s+3\\s+37%\\s+1\\s+12%\\s+5\\.00"))
        << pdf.text;
    EXPECT_TRUE(HasLine(pdf.text, "Totalt:\\s+10\\s+100%\\s+8\\s+80%\\s+3\\s+37%\\s+1\\s+12%\\s+5\\.00")) << pdf.text;
}

TEST(StatisticsSheetPdf, MeetWithoutEntriesPrintsTitleAndHeadingsOnly) {
    MeetState meet;
    MakePrintMeet(meet);
    meet.classes[kHoppSmall1].inRun[0] = 1;
    const PrintedPdf pdf = PrintToPdf(meet, {{kFormStatistics}});
    ASSERT_TRUE(pdf.written);
    EXPECT_NE(pdf.text.find("Feilfrie"), std::string::npos);
    EXPECT_EQ(pdf.text.find("Hopp Small 1"), std::string::npos);
    EXPECT_EQ(pdf.text.find("Totalt"), std::string::npos);
}

TEST(StatisticsSheetPdf, AllClassesUnderABannerStillFitOnThePage) {
    MeetState meet;
    MakePrintMeet(meet);
    meet.info.hasSponsor = 1;
    meet.info.sponsorWantsBanner = 1;
    meet.banner = MakeBanner(100, 100);  // as high as the banner strip allows
    for (int slot = 0; slot < kClassCount; ++slot) {
        const int e = AddEquipage(meet, "Hund" + std::to_string(slot));
        Enter(meet, e, slot, 0, 8000 + slot);  // a team class counts teams: 24 entries
    }
    const PrintedPdf pdf = PrintToPdf(meet, {{kFormStatistics}});
    ASSERT_TRUE(pdf.written);
    EXPECT_EQ(pdf.pageCount, 1);
    EXPECT_NE(pdf.text.find("Lag Large"), std::string::npos);
    EXPECT_TRUE(HasLine(pdf.text, "Totalt:\\s+24\\s+100%")) << pdf.text;
}

TEST(StatisticsSheetPdf, DoubleMeetNamesTheRunInTheTitle) {
    MeetState meet;
    MakePrintMeet(meet);
    meet.info.singleRun = 0;
    meet.info.currentRun = 1;
    const PrintedPdf pdf = PrintToPdf(meet, {{kFormStatistics}});
    ASSERT_TRUE(pdf.written);
    EXPECT_NE(pdf.text.find("Statistikk - Finale"), std::string::npos);
}

}  // namespace
}  // namespace kavalto::test

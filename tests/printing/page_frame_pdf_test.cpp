// The page frame: header, sponsor and title as the PDF shows them.
#include <gtest/gtest.h>

#include <regex>

#include "print_fixture.h"

namespace kavalto::test {
namespace {

constexpr int kHoppSmall1 = 0;

void OneResult(MeetState& meet) {
    const int e = AddEquipage(meet, "Rex");
    Enter(meet, e, kHoppSmall1, 0, 8001);
    SetRun(meet, e, kHoppSmall1, 0, 3000);
}

TEST(PageFramePdf, ClubHeaderShowsTheMeetIdBeforeTheDatePrivateOnlyTheDate) {
    MeetState club;
    MakePrintMeet(club, true);
    OneResult(club);
    const PrintedPdf clubPdf = PrintToPdf(club, {{kFormResults, kHoppSmall1}});
    ASSERT_TRUE(clubPdf.written);
    EXPECT_TRUE(std::regex_search(clubPdf.text, std::regex("ID: 4711\\s+Dato: 1\\. mai 2026"))) << clubPdf.text;

    MeetState privateMeet;
    MakePrintMeet(privateMeet, false);
    OneResult(privateMeet);
    const PrintedPdf privatePdf = PrintToPdf(privateMeet, {{kFormResults, kHoppSmall1}});
    ASSERT_TRUE(privatePdf.written);
    EXPECT_EQ(privatePdf.text.find("ID:"), std::string::npos);
    EXPECT_NE(privatePdf.text.find("Dato: 1. mai 2026"), std::string::npos);
}

TEST(PageFramePdf, NorwegianLettersOfTheRecordsSurviveTheCodePage) {
    MeetState meet;
    MakePrintMeet(meet);
    OneResult(meet);
    CopyText(meet.equipages[0].dogName, Utf8ToCp1252("ÆØÅ æøå Fjøsnisse"));
    const PrintedPdf pdf = PrintToPdf(meet, {{kFormResults, kHoppSmall1}});
    ASSERT_TRUE(pdf.written);
    for (const char* text : {"Vårstevnet på Øya", "Bærum Hundeklubb", "ÆØÅ æøå Fjøsnisse"}) {
        EXPECT_NE(pdf.text.find(text), std::string::npos) << text;
    }
}

TEST(PageFramePdf, SponsorTextUnderTheHeader) {
    MeetState meet;
    MakePrintMeet(meet);
    OneResult(meet);
    meet.info.hasSponsor = 1;
    meet.info.sponsorWantsBanner = 0;
    CopyText(meet.info.sponsorText, Utf8ToCp1252("Støttet av Fôrbutikken"));
    const PrintedPdf pdf = PrintToPdf(meet, {{kFormResults, kHoppSmall1}});
    ASSERT_TRUE(pdf.written);
    EXPECT_NE(pdf.text.find("Støttet av Fôrbutikken"), std::string::npos);
}

TEST(PageFramePdf, BannerSponsorPrintsTheBannerAsAnImage) {
    MeetState meet;
    MakePrintMeet(meet);
    OneResult(meet);
    meet.info.hasSponsor = 1;
    meet.info.sponsorWantsBanner = 1;
    meet.banner = MakeBanner(300, 40);
    const auto folder = MakeTempFolder("banner");
    const auto path = folder / "banner.pdf";
    std::vector<PrintItem> items{{kFormResults, kHoppSmall1}};
    PrintEngine engine;
    ASSERT_TRUE(WriteItemsPdf(meet, engine, path.string(), true, 0, items));
    EXPECT_EQ(PdfPageCount(path), 1);
    EXPECT_NE(ReadFileText(path).find("/Subtype /Image"), std::string::npos);
    std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace kavalto::test

// Writing print items to a PDF file: counting against output, and failures.
#include <gtest/gtest.h>

#include <fstream>

#include "print_fixture.h"
#include "printing/pdf_target.h"
#include "printing/print_run.h"

namespace kavalto::test {
namespace {

constexpr int kHoppSmall1 = 0;

void MakeSmallMeet(MeetState& meet) {
    MakePrintMeet(meet);
    const int e = AddEquipage(meet, "Rex");
    Enter(meet, e, kHoppSmall1, 0, 8001);
    SetRun(meet, e, kHoppSmall1, 0, 3000);
}

TEST(PdfOutput, TheCountingPassAddsNoPage) {
    MeetState meet;
    MakeSmallMeet(meet);
    PdfTarget pdf(meet);
    ASSERT_TRUE(pdf.Ready());
    PrintEngine engine;
    std::vector<PrintItem> items{{kFormResults, kHoppSmall1}, {kFormStatistics}};
    CountPages(meet, engine, pdf, items);
    EXPECT_EQ(items[0].pageCount, 1);
    EXPECT_EQ(items[1].pageCount, 1);
    EXPECT_EQ(pdf.PagesAdded(), 0);
    ASSERT_TRUE(RunItems(meet, engine, pdf, true, 0, items));
    EXPECT_EQ(pdf.PagesAdded(), 2);
}

TEST(PdfOutput, OnlyTheCurrentItemUnlessAll) {
    MeetState meet;
    MakeSmallMeet(meet);
    const auto folder = MakeTempFolder("pdf-current");
    std::vector<PrintItem> items{{kFormResults, kHoppSmall1}, {kFormStatistics}};
    PrintEngine engine;
    ASSERT_TRUE(WriteItemsPdf(meet, engine, (folder / "a.pdf").string(), false, 1, items));
    EXPECT_EQ(PdfPageCount(folder / "a.pdf"), 1);
    EXPECT_NE(PdfText(folder / "a.pdf").find("Statistikk"), std::string::npos);
    std::filesystem::remove_all(folder);
}

// The target is a folder holding a file: the new document cannot be put in
// its place, and what is there must stay as it was.
TEST(PdfOutput, FailedSaveIsReportedOnceAndLeavesNothingHalfWritten) {
    MeetState meet;
    MakeSmallMeet(meet);
    RecordingNotifier notifier;
    meet.notifier = &notifier;
    const auto folder = MakeTempFolder("pdf-fail");
    const auto path = folder / "resultater.pdf";
    std::filesystem::create_directory(path);
    {
        std::ofstream older(path / "eldre.txt");
        older << "eldre utskrift";
    }
    std::vector<PrintItem> items{{kFormResults, kHoppSmall1}};
    PrintEngine engine;
    EXPECT_FALSE(WriteItemsPdf(meet, engine, path.string(), true, 0, items));
    EXPECT_EQ(notifier.warnings, std::vector<std::string>{"PDF lagringsfeil"});
    EXPECT_EQ(ReadFileText(path / "eldre.txt"), "eldre utskrift");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), std::filesystem::directory_iterator()), 1);
    std::filesystem::remove_all(folder);
}

TEST(PdfOutput, ANewPdfReplacesTheOlderFile) {
    MeetState meet;
    MakeSmallMeet(meet);
    const auto folder = MakeTempFolder("pdf-replace");
    const auto path = folder / "resultater.pdf";
    {
        std::ofstream older(path);
        older << "eldre utskrift";
    }
    std::vector<PrintItem> items{{kFormResults, kHoppSmall1}};
    PrintEngine engine;
    ASSERT_TRUE(WriteItemsPdf(meet, engine, path.string(), true, 0, items));
    EXPECT_EQ(PdfPageCount(path), 1);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), std::filesystem::directory_iterator()), 1);
    std::filesystem::remove_all(folder);
}

// Readers refuse a PDF without pages; a run whose forms draw nothing (a
// judge sheet without a result) gives one empty page, as the printer gives
// an empty sheet.
TEST(PdfOutput, ARunThatDrawsNothingStillGivesAReadableFile) {
    MeetState meet;
    MakePrintMeet(meet);
    const int e = AddEquipage(meet, "Rex");
    Enter(meet, e, kHoppSmall1, 0, 8001);
    SetRun(meet, e, kHoppSmall1, 0, 0, 2);  // faults, no time
    const PrintedPdf pdf = PrintToPdf(meet, {{kFormJudgeSheet, kHoppSmall1, e, 0}});
    ASSERT_TRUE(pdf.written);
    EXPECT_EQ(pdf.pageCount, 1);
    EXPECT_EQ(pdf.text.find_first_not_of(" \n\f"), std::string::npos);
}

// Items come from requests, but a stale one (an equipage deleted since, a
// damaged parameter) must not read outside the meet.
TEST(PdfOutput, ItemsWithParametersOutsideTheMeetPrintSafely) {
    MeetState meet;
    MakeSmallMeet(meet);
    AddTeam(meet, "Lynet", 24, 0, 57, -1, 3);  // member indices outside the array
    std::vector<PrintItem> items;
    for (int type : {0, 1, 4, 5, 6, 7, 8, 10, 11, 12, 13, 14, 15, 16, 17, 18, 99}) {
        for (const PrintItem& bad : {PrintItem{type, 40, 99, 7}, PrintItem{type, -1, -5, -1}, PrintItem{type, 24, 0, 4}}) {
            items.push_back(bad);
        }
    }
    const PrintedPdf pdf = PrintToPdf(meet, items);
    ASSERT_TRUE(pdf.written);
    EXPECT_GE(pdf.pageCount, 1);
}

}  // namespace
}  // namespace kavalto::test

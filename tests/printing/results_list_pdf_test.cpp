// Results lists and judge lists written to PDF and read back.
#include <gtest/gtest.h>

#include <regex>

#include "print_fixture.h"

namespace kavalto::test {
namespace {

constexpr int kAgilitySmall1 = 12;
constexpr int kTeamSmall = 24;

std::string DogName(int i) { return "Bamse" + std::to_string(100 + i); }

// 60 placed, 5 eliminated and 10 without a result.
void MakeBigClass(MeetState& meet) {
    MakePrintMeet(meet);
    ClassRecord& c = meet.classes[kAgilitySmall1];
    CopyText(c.judge, Utf8ToCp1252("Jørn Åsheim"));
    c.courseLength[0] = 180;
    c.standardTime[0] = 4000;
    for (int i = 0; i < 75; ++i) {
        const int e = AddEquipage(meet, DogName(i));
        CopyText(meet.equipages[e].handlerName, Utf8ToCp1252("Åse Ærlig Østby"));
        Enter(meet, e, kAgilitySmall1, 0, 8000 + i);
        if (i < 60) SetRun(meet, e, kAgilitySmall1, 0, 3000 + 10 * i, i % 3);
        else if (i < 65) SetRun(meet, e, kAgilitySmall1, 0, 0, 0, 0, 1);
    }
}

TEST(ResultsListPdf, SixtyFivePrintedRowsOverTwoPagesWithHeadingsRepeated) {
    MeetState meet;
    MakeBigClass(meet);
    const PrintedPdf pdf = PrintToPdf(meet, {{kFormResults, kAgilitySmall1}});
    ASSERT_TRUE(pdf.written);
    EXPECT_EQ(pdf.counted, std::vector<int>{2});
    EXPECT_EQ(pdf.pageCount, 2);
    ASSERT_EQ(pdf.pages.size(), 2u);
    int rows = 0;
    for (int i = 0; i < 75; ++i) rows += CountOf(pdf.text, DogName(i));
    EXPECT_EQ(rows, 65);
    for (int i = 65; i < 75; ++i) EXPECT_EQ(CountOf(pdf.text, DogName(i)), 0) << DogName(i);
    for (int page = 0; page < 2; ++page) {
        const std::string& text = pdf.pages[page];
        for (const char* heading : {"St.Nr.", "Hund", "Fører", "Tidsfeil", "Vegr.", "Tot Feil", "Status",
                                    "Resultater fra - Agility Small 1", "Dommer: Jørn Åsheim", "Banelengde: 180",
                                    "Standard Tid: 40.00"}) {
            EXPECT_NE(text.find(heading), std::string::npos) << heading << " on page " << page + 1;
        }
        const std::regex footer("Side\\s+" + std::to_string(page + 1) + "\\s+av\\s+2");
        EXPECT_TRUE(std::regex_search(text, footer)) << "page " << page + 1;
    }
    EXPECT_NE(pdf.text.find("Åse Ærlig Østby"), std::string::npos);
    EXPECT_NE(pdf.text.find("DISK"), std::string::npos);
}

TEST(ResultsListPdf, OnePageListHasNoFooterButAJudgeListSignatureLines) {
    MeetState meet;
    MakePrintMeet(meet);
    CopyText(meet.classes[kAgilitySmall1].judge, "Dommer Dahl");
    for (int i = 0; i < 3; ++i) {
        const int e = AddEquipage(meet, DogName(i));
        Enter(meet, e, kAgilitySmall1, 0, 8000 + i);
        SetRun(meet, e, kAgilitySmall1, 0, 3000 + i);
    }
    const PrintedPdf results = PrintToPdf(meet, {{kFormResults, kAgilitySmall1}});
    ASSERT_TRUE(results.written);
    EXPECT_EQ(results.pageCount, 1);
    EXPECT_EQ(results.text.find("Side"), std::string::npos);
    EXPECT_EQ(results.text.find("Sign Dommer"), std::string::npos);
    EXPECT_EQ(CountOf(results.text, "Dato:"), 1);  // the header's only

    const PrintedPdf judge = PrintToPdf(meet, {{kFormJudgeList, kAgilitySmall1, 0}});
    ASSERT_TRUE(judge.written);
    EXPECT_EQ(judge.pageCount, 1);
    EXPECT_NE(judge.text.find("Dommerliste for - Agility Small 1"), std::string::npos);
    EXPECT_NE(judge.text.find("Sign Dommer:"), std::string::npos);
    EXPECT_EQ(CountOf(judge.text, "Dato:"), 2);
    EXPECT_EQ(judge.text.find("Side"), std::string::npos);
}

TEST(ResultsListPdf, StatusColumnOnlyInTheFirstRunOfALevelClassAtAClubMeet) {
    struct Case {
        const char* what;
        bool club;
        int slot;
        int run;
        bool status;
    };
    const Case cases[] = {
        {"club meet, level class", true, kAgilitySmall1, 0, true},
        {"private meet", false, kAgilitySmall1, 0, false},
        {"open class", true, 15, 0, false},
        {"second run", true, kAgilitySmall1, 1, false},
    };
    for (const Case& c : cases) {
        MeetState meet;
        MakePrintMeet(meet, c.club);
        meet.info.singleRun = 0;
        meet.info.currentRun = c.run;
        const int e = AddEquipage(meet, "Rex");
        Enter(meet, e, c.slot, 0, 8001);
        Enter(meet, e, c.slot, 1);
        SetRun(meet, e, c.slot, c.run, 3000);
        const PrintedPdf pdf = PrintToPdf(meet, {{kFormResults, c.slot}});
        ASSERT_TRUE(pdf.written) << c.what;
        EXPECT_EQ(pdf.text.find("Status") != std::string::npos, c.status) << c.what;
        EXPECT_NE(pdf.text.find(c.run == 1 ? " - Finale - " : " - Kvalifisering - "), std::string::npos) << c.what;
    }
}

TEST(ResultsListPdf, LongNamesAreCutToTheirColumn) {
    MeetState meet;
    MakePrintMeet(meet);
    const int e = AddEquipage(meet, "Langnavnetsomaldrisluttermenfortsetterogfortsetterutoverkolonnen");
    Enter(meet, e, kAgilitySmall1, 0, 8001);
    SetRun(meet, e, kAgilitySmall1, 0, 3000);
    const PrintedPdf pdf = PrintToPdf(meet, {{kFormResults, kAgilitySmall1}});
    ASSERT_TRUE(pdf.written);
    EXPECT_NE(pdf.text.find("Langnavnet"), std::string::npos);
    EXPECT_EQ(pdf.text.find("utoverkolonnen"), std::string::npos);
}

TEST(ResultsListPdf, TeamListShowsTeamRowsAndMembersByCallName) {
    MeetState meet;
    MakePrintMeet(meet);
    int members[4];
    for (int i = 0; i < 4; ++i) {
        members[i] = AddEquipage(meet, "Registrert " + std::to_string(i));
        CopyText(meet.equipages[members[i]].callName, Utf8ToCp1252("Kåre" + std::to_string(i)));
    }
    const int t = AddTeam(meet, "Lyntoget", kTeamSmall, members[0], members[1], members[2], members[3]);
    CopyText(meet.teams[t].club, Utf8ToCp1252("Ørsta HK"));
    meet.teams[t].startNo = 9001;
    for (int i = 0; i < 4; ++i) SetRun(meet, members[i], kTeamSmall, 0, 3000 + 100 * i, i == 3 ? 1 : 0);
    const PrintedPdf pdf = PrintToPdf(meet, {{kFormTeamResults, kTeamSmall}});
    ASSERT_TRUE(pdf.written);
    EXPECT_EQ(pdf.pageCount, 1);
    for (const char* text : {"Lag / Hund", "Klubb / Fører", "Lyntoget", "Ørsta HK", "9001", "Kåre0", "Kåre3"}) {
        EXPECT_NE(pdf.text.find(text), std::string::npos) << text;
    }
    EXPECT_EQ(pdf.text.find("Registrert"), std::string::npos);
}

TEST(ResultsListPdf, ClassWithoutEntrantsPrintsFrameAndHeadingsOnly) {
    MeetState meet;
    MakePrintMeet(meet);
    meet.classes[kAgilitySmall1].inRun[0] = 1;
    const PrintedPdf pdf = PrintToPdf(meet, {{kFormResults, kAgilitySmall1}});
    ASSERT_TRUE(pdf.written);
    EXPECT_EQ(pdf.pageCount, 1);
    EXPECT_NE(pdf.text.find("Tot Feil"), std::string::npos);
}

}  // namespace
}  // namespace kavalto::test

// The forms other than the results lists, written to PDF and read back.
#include <gtest/gtest.h>

#include <regex>

#include "print_fixture.h"
#include "printing/participant_list_form.h"
#include "printing/pdf_target.h"
#include "rules/start_order.h"

namespace kavalto::test {
namespace {

constexpr int kHoppSmall1 = 0;
constexpr int kAgilitySmall1 = 12;
constexpr int kTeamSmall = 24;

// Where each of the pieces first occurs, in order; -1 when one is missing.
std::vector<long> Positions(const std::string& text, const std::vector<std::string>& pieces) {
    std::vector<long> at;
    for (const std::string& piece : pieces) {
        const size_t found = text.find(piece);
        at.push_back(found == std::string::npos ? -1 : static_cast<long>(found));
    }
    return at;
}

bool InOrder(const std::vector<long>& at) {
    for (size_t i = 0; i < at.size(); ++i) {
        if (at[i] < 0 || (i > 0 && at[i] <= at[i - 1])) return false;
    }
    return true;
}

TEST(StartListPdf, TeamDogsFollowTheirTeamsAndADogInSeasonStartsLast) {
    MeetState meet;
    MakePrintMeet(meet);
    const char* names[] = {"Anna", "Berit", "Cilla", "Dina", "Eli", "Frida"};
    for (const char* name : names) AddEquipage(meet, name);
    meet.equipages[1].inSeason = 1;
    AddTeam(meet, "Lag En", kTeamSmall, 0, 1, 2);
    AddTeam(meet, "Lag To", kTeamSmall, 3, 4, 5);
    meet.teams[0].startNo = 9001;
    meet.teams[1].startNo = 9002;
    OrderAllClasses(meet);
    const PrintedPdf pdf = PrintToPdf(meet, {{kFormStartList, kTeamSmall}});
    ASSERT_TRUE(pdf.written);
    EXPECT_EQ(pdf.pageCount, 1);
    EXPECT_NE(pdf.text.find("Start Liste - Lag Small"), std::string::npos);
    EXPECT_TRUE(InOrder(Positions(pdf.text, {"Lag / Hund", "Lag En", "Anna", "Cilla", "Lag To", "Dina", "Eli",
                                             "Frida", "Berit"})))
        << pdf.text;
}

TEST(StartListPdf, LongListContinuesItsRunningNumbersOnTheNextPage) {
    MeetState meet;
    MakePrintMeet(meet);
    for (int i = 0; i < 80; ++i) {
        const int e = AddEquipage(meet, "Hund" + std::to_string(100 + i));
        Enter(meet, e, kHoppSmall1, 0, 8000 + i);
    }
    OrderAllClasses(meet);
    const PrintedPdf pdf = PrintToPdf(meet, {{kFormStartList, kHoppSmall1}});
    ASSERT_TRUE(pdf.written);
    EXPECT_EQ(pdf.pageCount, CountedPages(pdf));
    ASSERT_EQ(pdf.pageCount, 2);
    EXPECT_TRUE(std::regex_search(pdf.pages[0], std::regex("\\n\\s*1\\s+8000\\s+Hund100")));
    EXPECT_TRUE(std::regex_search(pdf.pages[1], std::regex("\\n\\s*80\\s+8079\\s+Hund179")));
    EXPECT_NE(pdf.pages[1].find("St.Nr."), std::string::npos);
    int rows = 0;
    for (int i = 0; i < 80; ++i) rows += CountOf(pdf.text, "Hund" + std::to_string(100 + i));
    EXPECT_EQ(rows, 80);
}

TEST(JudgeSheetPdf, NoPageForARunWithoutACountableResult) {
    MeetState meet;
    MakePrintMeet(meet);
    const int e = AddEquipage(meet, "Rex");
    Enter(meet, e, kHoppSmall1, 0, 8001);
    SetRun(meet, e, kHoppSmall1, 0, 0, 2);  // faults recorded, no time
    const PrintedPdf pdf = PrintToPdf(meet, {{kFormJudgeSheet, kHoppSmall1, e, 0}, {kFormStatistics}});
    ASSERT_TRUE(pdf.written);
    EXPECT_EQ(pdf.counted, (std::vector<int>{1, 1}));
    EXPECT_EQ(pdf.pageCount, 1);
    EXPECT_EQ(pdf.text.find("Kritikk Skjema"), std::string::npos);
}

TEST(JudgeSheetPdf, EquipageSheetShowsTheRunAndItsPlace) {
    MeetState meet;
    MakePrintMeet(meet);
    ClassRecord& c = meet.classes[kHoppSmall1];
    c.courseLength[0] = 150;
    c.standardTime[0] = 3000;
    const int other = AddEquipage(meet, "Først");
    Enter(meet, other, kHoppSmall1, 0, 8001);
    SetRun(meet, other, kHoppSmall1, 0, 2800);
    const int e = AddEquipage(meet, "Tøffe");
    Enter(meet, e, kHoppSmall1, 0, 8002);
    SetRun(meet, e, kHoppSmall1, 0, 3200, 1);
    const PrintedPdf pdf = PrintToPdf(meet, {{kFormJudgeSheet, kHoppSmall1, e, 0}});
    ASSERT_TRUE(pdf.written);
    const std::string text = SqueezeBlanks(pdf.text);
    for (const char* line : {"Kritikk Skjema - Tøffe", "Antall startende: 2", "St.Nr.: 8002", "Banelengde: 150",
                             "Forbrukt tid: 32.00", "Hastighet (m/s): 4.68", "Tidsfeil: 2.00", "Feil: 1",
                             "Tot Feil: 7.00", "Plassering: 2", "Status:"}) {
        EXPECT_NE(text.find(line), std::string::npos) << line << "\n" << text;
    }
}

TEST(JudgeSheetPdf, TeamSheetListsTheMembersThatCame) {
    MeetState meet;
    MakePrintMeet(meet);
    int members[4];
    for (int i = 0; i < 4; ++i) members[i] = AddEquipage(meet, "Medlem" + std::to_string(i));
    const int t = AddTeam(meet, "Lynet", kTeamSmall, members[0], members[1], members[2], members[3]);
    SetRun(meet, members[0], kTeamSmall, 0, 3000);
    SetRun(meet, members[1], kTeamSmall, 0, 3100, 1);
    SetRun(meet, members[2], kTeamSmall, 0, 0, 0, 0, 1);
    SetRun(meet, members[3], kTeamSmall, 0, 0, 0, 0, 0, 1);
    const PrintedPdf pdf = PrintToPdf(meet, {{kFormTeamJudgeSheet, 0, t}});
    ASSERT_TRUE(pdf.written);
    const std::string text = SqueezeBlanks(pdf.text);
    for (const char* line : {"Kritikk Skjema - Lynet", "Antall lag: 1", "Plassering: DISK", "Medlem0", "Medlem1",
                             "Medlem2 DISK"}) {
        EXPECT_NE(text.find(line), std::string::npos) << line << "\n" << text;
    }
    EXPECT_EQ(text.find("Medlem3"), std::string::npos);
}

TEST(StartCardsPdf, ATeamEntryGetsACardOnlyInTheClubSeries) {
    MeetState meet;
    MakePrintMeet(meet);
    const int a = AddEquipage(meet, "Aldo");
    Enter(meet, a, kHoppSmall1, 0, 1234);
    Enter(meet, a, kTeamSmall, 0, 8001);
    const int b = AddEquipage(meet, "Bosse");
    Enter(meet, b, kTeamSmall, 0, 4801);
    const PrintedPdf pdf = PrintToPdf(meet, {{kFormEquipageCards, 0, a}, {kFormEquipageCards, 0, b}});
    ASSERT_TRUE(pdf.written);
    ASSERT_EQ(pdf.pages.size(), 2u);
    EXPECT_NE(pdf.pages[0].find("Start Nummer for: Aldo"), std::string::npos);
    EXPECT_NE(pdf.pages[0].find("1234"), std::string::npos);
    EXPECT_NE(pdf.pages[0].find("8001"), std::string::npos);
    EXPECT_EQ(pdf.pages[1].find("4801"), std::string::npos);
    EXPECT_EQ(pdf.pages[1].find("Klasse:"), std::string::npos);
}

TEST(ScribeFormPdf, EquipageAndTeamForms) {
    MeetState meet;
    MakePrintMeet(meet);
    const int e = AddEquipage(meet, "Registrert Navn");
    CopyText(meet.equipages[e].callName, Utf8ToCp1252("Påsan"));
    CopyText(meet.equipages[e].breed, "Sheltie");
    CopyText(meet.equipages[e].club, Utf8ToCp1252("Tønsberg HK"));
    Enter(meet, e, kAgilitySmall1, 0, 8123);
    const int t = AddTeam(meet, "Lynet", kTeamSmall, e);
    meet.teams[t].startNo = 9001;
    CopyText(meet.teams[t].club, "Klubben");
    const PrintedPdf pdf = PrintToPdf(meet, {{kFormEquipageScribe, kAgilitySmall1, e, 2}, {kFormTeamScribe, kTeamSmall, t}});
    ASSERT_TRUE(pdf.written);
    ASSERT_EQ(pdf.pages.size(), 2u);
    const std::string first = SqueezeBlanks(pdf.pages[0]);
    for (const char* text : {"Skriver Skjema - Agility Small 1", "Banelengde:", "Standard Tid:", "8123", "Påsan",
                             "Sheltie", "Tønsberg HK", "Ikke Møtt:", "Feil og Vegringer:"}) {
        EXPECT_NE(first.find(text), std::string::npos) << text;
    }
    const std::string second = SqueezeBlanks(pdf.pages[1]);
    EXPECT_NE(second.find("Skriver Skjema - Lag Small"), std::string::npos);
    EXPECT_NE(second.find("Lag Nr. 9001 Lynet - Klubben"), std::string::npos) << second;
    EXPECT_NE(second.find("Påsan"), std::string::npos);
}

TEST(EntryFormPdf, BlankAndTeamForms) {
    MeetState meet;
    MakePrintMeet(meet);
    const int t = AddTeam(meet, "Lynet", 25);
    meet.teams[t].size = 1;
    CopyText(meet.teams[t].contact, Utf8ToCp1252("Åge"));
    const PrintedPdf pdf = PrintToPdf(meet, {{kFormEquipageEntry}, {kFormTeamEntry, 0, -1}, {kFormTeamEntry, 0, t}});
    ASSERT_TRUE(pdf.written);
    ASSERT_EQ(pdf.pages.size(), 3u);
    for (const char* text : {"Skjema for påmelding av ekvipasje", "Registrering av Hund", "Registrering av Fører",
                             "Ønsker å delta i følgende klasse(r)", "Agility Åpen", "Hopp Klasse", "Tlf."}) {
        EXPECT_NE(pdf.pages[0].find(text), std::string::npos) << text;
    }
    EXPECT_NE(pdf.pages[1].find("Ekvipasje 4"), std::string::npos);
    EXPECT_EQ(pdf.pages[1].find("Lynet"), std::string::npos);
    for (const char* text : {"Skjema for påmelding av lag", "Lynet", "Medium", "Åge", "Hundens navn"}) {
        EXPECT_NE(pdf.pages[2].find(text), std::string::npos) << text;
    }
}

TEST(CombinedResultsPdf, IndividualAndTeamClassesOfADoubleMeet) {
    MeetState meet;
    MakePrintMeet(meet);
    meet.info.singleRun = 0;
    for (int slot : {kHoppSmall1, kAgilitySmall1, kTeamSmall}) {
        meet.classes[slot].standardTime[0] = meet.classes[slot].standardTime[1] = 4000;
    }
    for (int i = 0; i < 2; ++i) {
        const int e = AddEquipage(meet, "Hund" + std::to_string(i));
        Enter(meet, e, kHoppSmall1, 0, 8000 + i);
        Enter(meet, e, kAgilitySmall1, 0, 8100 + i);
        SetRun(meet, e, kHoppSmall1, 0, 3000 + i);
        SetRun(meet, e, kAgilitySmall1, 0, 3100, 0, 0, i);  // the second is disqualified
    }
    int members[3];
    for (int i = 0; i < 3; ++i) {
        members[i] = AddEquipage(meet, "Lagmedlem" + std::to_string(i));
        for (int run = 0; run < 2; ++run) {
            Enter(meet, members[i], kTeamSmall, run);
            SetRun(meet, members[i], kTeamSmall, run, 3000 + 100 * i, 0, 0, i == 2 && run == 1 ? 1 : 0);
        }
    }
    const int t = AddTeam(meet, "Lynet", kTeamSmall, members[0], members[1], members[2]);
    meet.teams[t].inRun[1] = 1;
    meet.classes[kTeamSmall].inRun[1] = 1;

    PrintedPdf pdf = PrintToPdf(meet, {{kFormCombined, kHoppSmall1}});
    ASSERT_TRUE(pdf.written);
    std::string text = SqueezeBlanks(pdf.text);
    EXPECT_NE(text.find("Sammenlagte Resultater fra - Hopp + Agility - Small 1"), std::string::npos) << text;
    EXPECT_NE(text.find("Sammenlagt Hopp Agility"), std::string::npos);
    EXPECT_TRUE(std::regex_search(text, std::regex("1 Hund0 .*61\\.00 0\\.00 30\\.00 0\\.00 31\\.00 0\\.00"))) << text;
    EXPECT_TRUE(std::regex_search(text, std::regex("Hund1 .*DISK 30\\.01 0\\.00 DISK"))) << text;

    meet.info.currentRun = 1;
    pdf = PrintToPdf(meet, {{kFormTeamCombined, kTeamSmall}});
    ASSERT_TRUE(pdf.written);
    text = SqueezeBlanks(pdf.text);
    EXPECT_NE(text.find("Sammenlagte Resultater fra - Lag Small"), std::string::npos) << text;
    EXPECT_NE(text.find("1. Løp 2. Løp"), std::string::npos);
    EXPECT_TRUE(std::regex_search(text, std::regex("Lagmedlem2 .*- - 32\\.00 0\\.00 DISK"))) << text;

    // Without a second run the team class has no combined results: no page.
    meet.classes[kTeamSmall].inRun[1] = 0;
    pdf = PrintToPdf(meet, {{kFormTeamCombined, kTeamSmall}, {kFormStatistics}});
    ASSERT_TRUE(pdf.written);
    EXPECT_EQ(pdf.pageCount, 1);
}

TEST(ParticipantListPdf, EveryKindWithItsTitleAndColumns) {
    struct Case {
        int kind;
        std::vector<std::string> texts;
    };
    const Case cases[] = {
        {kListAllStarts, {"Liste over alle starter", "Klasse", "St.Nr.", "E-Post", "Hopp Small 1", "8001", "Kåre"}},
        {kListAllParticipants, {"Liste over alle deltakerer", "Fører", "Klubb", "Kåre", "kare@example.org"}},
        {kListAllTeams, {"Liste over alle lag", "Kontakt person", "Lynet", "Lise"}},
        {kListAllDogs, {"Liste over alle hunder", "Hund", "Rex"}},
        {kListNotMailed, {"Liste over deltakere som ikke har mottatt resultater på e-post", "Kåre"}},
    };
    MeetState meet;
    MakePrintMeet(meet);
    const int e = AddEquipage(meet, "Rex");
    CopyText(meet.equipages[e].handlerName, Utf8ToCp1252("Kåre"));
    CopyText(meet.equipages[e].email, "kare@example.org");
    Enter(meet, e, kHoppSmall1, 0, 8001);
    const int t = AddTeam(meet, "Lynet", kTeamSmall, e);
    CopyText(meet.teams[t].contact, "Lise");
    for (const Case& c : cases) {
        ParticipantList list{c.kind, {{kHoppSmall1, e, t, 0}}};
        PdfTarget pdf(meet);
        PrintEngine engine;
        ASSERT_TRUE(PrintParticipantList(meet, engine, pdf, list));
        std::vector<uint8_t> bytes;
        ASSERT_TRUE(pdf.Finish(bytes));
        const auto folder = MakeTempFolder("list");
        ASSERT_TRUE(SavePdfBytes((folder / "l.pdf").string(), bytes));
        const std::string text = PdfText(folder / "l.pdf");
        for (const std::string& piece : c.texts) EXPECT_NE(text.find(piece), std::string::npos) << c.kind << ": " << piece;
        std::filesystem::remove_all(folder);
    }
}

TEST(ParticipantListPdf, ALongListTakesSeveralNumberedPages) {
    MeetState meet;
    MakePrintMeet(meet);
    ParticipantList list{kListAllParticipants, {}};
    for (int i = 0; i < 150; ++i) list.rows.push_back({0, AddEquipage(meet, "Hund"), -1, 0});
    PdfTarget pdf(meet);
    PrintEngine engine;
    ASSERT_TRUE(PrintParticipantList(meet, engine, pdf, list));
    EXPECT_EQ(pdf.PagesAdded(), 3);
    EXPECT_EQ(engine.pageCount, 3);
}

}  // namespace
}  // namespace kavalto::test

// The expansion of print requests into print items.
#include <gtest/gtest.h>

#include "print_fixture.h"
#include "printing/print_request.h"
#include "rules/start_order.h"

// Requests are written with designated initializers naming only what they set.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

namespace kavalto::test {
namespace {

constexpr int kHoppSmall1 = 0;
constexpr int kAgilitySmall1 = 12;
constexpr int kTeamSmall = 24;

struct Item {
    int type, first, second, third;
    bool operator==(const Item&) const = default;
};

std::vector<Item> Expand(MeetState& meet, PrintRequest request) {
    BuildPrintItems(meet, request);
    std::vector<Item> out;
    for (const PrintItem& i : request.items) out.push_back({i.type, i.first, i.second, i.third});
    return out;
}

void PrintTo(const Item& i, std::ostream* os) { *os << "{" << i.type << "," << i.first << "," << i.second << "," << i.third << "}"; }

// Three dogs in Hopp Small 1 (start numbers 3, 1, 2), two of them in
// Agility Small 1, the last one a late entry; one team of the first three.
class PrintRequestTest : public ::testing::Test {
protected:
    MeetState meet;
    void SetUp() override {
        MakePrintMeet(meet);
        for (int i = 0; i < 3; ++i) {
            AddEquipage(meet, "Hund" + std::to_string(i));
            Enter(meet, i, kHoppSmall1, 0, i == 0 ? 3 : i);
        }
        Enter(meet, 0, kAgilitySmall1, 0, 10);
        Enter(meet, 2, kAgilitySmall1, 0, 11);
        meet.equipages[2].lateEntry = 1;
        AddTeam(meet, "Laget", kTeamSmall, 0, 1, 2);
        meet.teams[0].startNo = 20;
        OrderAllClasses(meet);
    }
};

TEST_F(PrintRequestTest, SingleFormsAndEntryForms) {
    EXPECT_EQ(Expand(meet, {.kind = kPrintEquipageEntryForm}), (std::vector<Item>{{0, 0, 0, 0}}));
    EXPECT_EQ(Expand(meet, {.kind = kPrintStatistics}), (std::vector<Item>{{18, 0, 0, 0}}));
    EXPECT_EQ(Expand(meet, {.kind = kPrintTeamEntryForms, .team = -1}), (std::vector<Item>{{1, 0, -1, 0}}));
    EXPECT_EQ(Expand(meet, {.kind = kPrintTeamEntryForms, .team = 0}), (std::vector<Item>{{1, 0, 0, 0}}));
    EXPECT_EQ(Expand(meet, {.kind = kPrintTeamEntryForms, .all = true, .team = 0}), (std::vector<Item>{{1, 0, 0, 0}}));
    EXPECT_TRUE(Expand(meet, {.kind = kPrintTeamEntryForms, .team = 5}).empty());
}

TEST_F(PrintRequestTest, StartNumberCards) {
    EXPECT_EQ(Expand(meet, {.kind = kPrintStartCards, .equipage = 1}), (std::vector<Item>{{4, 0, 1, 0}}));
    EXPECT_EQ(Expand(meet, {.kind = kPrintStartCards, .all = true}).size(), 3u);
    EXPECT_EQ(Expand(meet, {.kind = kPrintStartCards, .lateOnly = true}), (std::vector<Item>{{4, 0, 2, 0}}));
    EXPECT_EQ(Expand(meet, {.kind = kPrintStartCards, .team = 0}), (std::vector<Item>{{5, 0, 0, 0}}));
}

TEST_F(PrintRequestTest, ScribeFormsInStartOrderWithinClassesAndSlotOrderAcross) {
    EXPECT_EQ(Expand(meet, {.kind = kPrintScribeForms, .all = true}),
              (std::vector<Item>{{6, 0, 1, 0}, {6, 0, 2, 0}, {6, 0, 0, 0}, {6, 12, 0, 2}, {6, 12, 2, 2}, {7, 24, 0, 0}}));
    EXPECT_EQ(Expand(meet, {.kind = kPrintScribeForms, .classSlot = kAgilitySmall1}),
              (std::vector<Item>{{6, 12, 0, 2}, {6, 12, 2, 2}}));
    EXPECT_EQ(Expand(meet, {.kind = kPrintScribeForms, .lateOnly = true}),
              (std::vector<Item>{{6, 0, 2, 0}, {6, 12, 2, 2}}));
    EXPECT_EQ(Expand(meet, {.kind = kPrintScribeForms, .all = true, .teamsOnly = true}),
              (std::vector<Item>{{7, 24, 0, 0}}));
    EXPECT_EQ(Expand(meet, {.kind = kPrintScribeForms, .oneEquipage = true, .equipage = 0}),
              (std::vector<Item>{{6, 0, 0, 0}, {6, 12, 0, 2}}));
    EXPECT_EQ(Expand(meet, {.kind = kPrintScribeForms, .team = 0, .equipage = -1}), (std::vector<Item>{{7, 24, 0, 0}}));
}

TEST_F(PrintRequestTest, StartListsOfTheFinalOnlyTheFinalsDiscipline) {
    EXPECT_EQ(Expand(meet, {.kind = kPrintStartLists, .all = true}),
              (std::vector<Item>{{8, 0, 0, 0}, {8, 12, 0, 0}, {8, 24, 0, 0}}));
    EXPECT_EQ(Expand(meet, {.kind = kPrintStartLists, .all = true, .individualsOnly = true}),
              (std::vector<Item>{{8, 0, 0, 0}, {8, 12, 0, 0}}));
    meet.info.singleRun = 0;
    meet.info.currentRun = 1;
    for (int slot : {kHoppSmall1, kAgilitySmall1, kTeamSmall}) meet.classes[slot].inRun[1] = 1;
    EXPECT_EQ(Expand(meet, {.kind = kPrintStartLists, .all = true}), (std::vector<Item>{{8, 0, 0, 0}, {8, 24, 0, 0}}));
    meet.info.agilityFinal = 1;
    EXPECT_EQ(Expand(meet, {.kind = kPrintStartLists, .all = true}), (std::vector<Item>{{8, 12, 0, 0}, {8, 24, 0, 0}}));
}

TEST_F(PrintRequestTest, ResultsAndCombinedResults) {
    EXPECT_EQ(Expand(meet, {.kind = kPrintResults, .all = true}),
              (std::vector<Item>{{10, 0, 0, 0}, {10, 12, 0, 0}, {11, 24, 0, 0}}));
    EXPECT_EQ(Expand(meet, {.kind = kPrintResults, .classSlot = kTeamSmall}), (std::vector<Item>{{11, 24, 0, 0}}));
    // A class and its twin give one combined item, for the first in slot order.
    EXPECT_EQ(Expand(meet, {.kind = kPrintCombined, .all = true}), (std::vector<Item>{{12, 0, 0, 0}}));
    EXPECT_EQ(Expand(meet, {.kind = kPrintCombined, .classSlot = kAgilitySmall1}), (std::vector<Item>{{12, 12, 0, 0}}));
}

TEST_F(PrintRequestTest, JudgeListsOnePerRunWithResults) {
    meet.info.singleRun = 0;
    CopyText(meet.classes[kHoppSmall1].judge, "Dommer A");
    CopyText(meet.classes[kAgilitySmall1].judge, "Dommer B");
    meet.classes[kHoppSmall1].inRun[1] = 1;
    SetRun(meet, 1, kHoppSmall1, 0, 3000);
    Enter(meet, 1, kHoppSmall1, 1);
    SetRun(meet, 1, kHoppSmall1, 1, 3100);
    ASSERT_EQ(CollectJudges(meet), 3);  // "Dommer A", "Dommer B" and the team class's empty name
    EXPECT_EQ(Expand(meet, {.kind = kPrintJudgeLists, .judge = 0}),
              (std::vector<Item>{{14, 0, 0, 0}, {14, 0, 1, 0}}));
    // Judge B's class has no placed or eliminated row yet.
    EXPECT_TRUE(Expand(meet, {.kind = kPrintJudgeLists, .judge = 1}).empty());
}

TEST_F(PrintRequestTest, JudgeSheetsOnlyWhereSomethingWasRun) {
    SetRun(meet, 0, kHoppSmall1, 0, 3000);
    SetRun(meet, 0, kAgilitySmall1, 0, 0, 0, 0, 0, 1);  // absent
    SetRun(meet, 2, kAgilitySmall1, 0, 0, 0, 0, 1);
    EXPECT_EQ(Expand(meet, {.kind = kPrintJudgeSheets, .equipage = 0}), (std::vector<Item>{{16, 0, 0, 0}}));
    EXPECT_EQ(Expand(meet, {.kind = kPrintJudgeSheets, .all = true}),
              (std::vector<Item>{{16, 0, 0, 0}, {16, 12, 2, 2}}));
    EXPECT_TRUE(Expand(meet, {.kind = kPrintJudgeSheets, .team = 0, .equipage = -1}).empty());
    for (int i = 0; i < 3; ++i) SetRun(meet, i, kTeamSmall, 0, 3000 + i);
    EXPECT_EQ(Expand(meet, {.kind = kPrintJudgeSheets, .team = 0, .equipage = -1}), (std::vector<Item>{{17, 0, 0, 0}}));
    EXPECT_EQ(Expand(meet, {.kind = kPrintJudgeSheets, .byClass = true, .classSlot = kTeamSmall}),
              (std::vector<Item>{{17, 0, 0, 0}}));
    EXPECT_EQ(Expand(meet, {.kind = kPrintJudgeSheets, .all = true, .individualsOnly = true}),
              (std::vector<Item>{{16, 0, 0, 0}, {16, 12, 2, 2}}));
}

}  // namespace
}  // namespace kavalto::test

// List boxes: rows chosen by a press (15) and reported by a double click
// (13 or 14).
#include "widget_fixture.h"

namespace kavalto {
namespace {

using test::Ev;
using test::Item;

constexpr int32_t kOut = 5100;
constexpr int32_t kIn = 5102;
constexpr int32_t kJudge = 51;

struct ListBoxes : test::WidgetFixture {
    ListBoxes() {
        Load({Item(kOut, kItemListBox, 2, 10, 10, 0), Item(kIn, kItemListBox, 16, 10, 10, 0),
              Item(kJudge, kItemTextField, 2, 40)});
        AddRow(set, kOut, "Hopp 1 Small", 0);
        AddRow(set, kOut, "Hopp 2 Small", 1);
        AddRow(set, kOut, "Agility 1 Small", 12);
        SetListTexts(set, kOut, "Klasser som ikke deltar", "Dobbeltklikk for å velge", "");
    }
    // The middle of a row's line.
    std::pair<int32_t, int32_t> RowPoint(int32_t id, int32_t row) {
        ListBox& list = *FindListBox(set, id);
        PlaceListBox(set, f.ui, list);
        return {list.x + list.width / 2, RowY(list, row) + list.rowHeight / 2};
    }
};

TEST_F(ListBoxes, APressOnARowChoosesItAndReportsIt) {
    const auto [x, y] = RowPoint(kOut, 2);
    EXPECT_EQ(MoveTo(x, y), WidgetCursor::Hand);
    EXPECT_TRUE(PressWidgets(set, f.ui, x, y, false));
    EXPECT_EQ(f.events, std::vector<PageEvent>{Ev(kEventListPress, kOut)});
    EXPECT_EQ(ChosenRow(set, kOut), 2);
    EXPECT_EQ(RowValue(set, kOut, ChosenRow(set, kOut)), 12);
}

TEST_F(ListBoxes, ADoubleClickOnARowSendsThePressThenTheDoubleClick) {
    for (const bool alternate : {false, true}) {
        SetAlternate(set, kOut, alternate);
        Clear();
        const auto [x, y] = RowPoint(kOut, 1);
        Click(x, y);
        EXPECT_TRUE(DoubleClickWidgets(set, f.ui, x, y));
        const int32_t type = alternate ? kEventListDoubleClickAlternate : kEventListDoubleClick;
        EXPECT_EQ(f.events, (std::vector<PageEvent>{Ev(kEventListPress, kOut), Ev(type, kOut)}));
        EXPECT_EQ(ChosenRow(set, kOut), 1);
    }
}

TEST_F(ListBoxes, APressOnAListWithoutAChoosableRowIsTakenQuietly) {
    // The empty list's only line is the band below its last row.
    const auto [x, y] = RowPoint(kIn, 0);
    EXPECT_TRUE(Click(x, y));
    EXPECT_FALSE(DoubleClickWidgets(set, f.ui, 700, 580));
    EXPECT_TRUE(DoubleClickWidgets(set, f.ui, x, y));
    SetEnabled(set, f.ui, kOut, false);
    const auto [ox, oy] = RowPoint(kOut, 0);
    EXPECT_EQ(MoveTo(ox, oy), WidgetCursor::NotClaimed);
    EXPECT_TRUE(PressWidgets(set, f.ui, ox, oy, false));
    EXPECT_TRUE(DoubleClickWidgets(set, f.ui, ox, oy));
    EXPECT_TRUE(f.events.empty());
    EXPECT_EQ(ChosenRow(set, kOut), -1);
}

TEST_F(ListBoxes, AHiddenListIsNotHit) {
    SetVisible(set, f.ui, kOut, false);
    const auto [x, y] = RowPoint(kOut, 0);
    EXPECT_EQ(MoveTo(x, y), WidgetCursor::NotClaimed);
    EXPECT_FALSE(Click(x, y));
    EXPECT_FALSE(DoubleClickWidgets(set, f.ui, x, y));
}

TEST_F(ListBoxes, ChoosingARowEndsTheEditInProgressFirst) {
    ClickField(kJudge);
    Type("Berg");
    Clear();
    const auto [x, y] = RowPoint(kOut, 0);
    Click(x, y);
    EXPECT_EQ(f.events, (std::vector<PageEvent>{Ev(kEventFieldCommitted, kJudge), Ev(kEventListPress, kOut)}));
    EXPECT_EQ(GetText(set, kJudge), "Berg");
}

TEST_F(ListBoxes, RowsAreKeptUpToThirty) {
    ClearRows(set, kIn);
    for (int32_t k = 0; k < 33; ++k) AddRow(set, kIn, "rad", k);
    EXPECT_EQ(FindListBox(set, kIn)->count, 30);
    EXPECT_EQ(RowValue(set, kIn, 29), 29);
    EXPECT_EQ(RowValue(set, kIn, 30), 0);
    EXPECT_EQ(RowValue(set, kIn, -1), 0);
}

TEST_F(ListBoxes, TheHoveredRowFollowsTheMouseAndRedrawsOnlyTheList) {
    const auto [x, y] = RowPoint(kOut, 0);
    MoveTo(x, y);
    EXPECT_EQ(FindListBox(set, kOut)->hovered, 0);
    const Rect area = ListBoxArea(set, f.ui, *FindListBox(set, kOut));
    ASSERT_EQ(f.presented.size(), 1u);
    EXPECT_EQ(f.presented[0], area);
    Clear();
    MoveTo(x, y + 1);
    EXPECT_TRUE(f.presented.empty()) << "no change, no drawing";
    MoveTo(700, 580);
    EXPECT_EQ(FindListBox(set, kOut)->hovered, -1);
    EXPECT_EQ(f.presented, std::vector<Rect>{area});
}

}  // namespace
}  // namespace kavalto

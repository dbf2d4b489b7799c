// Drop-downs: opening, picking, closing and what they report.
#include <functional>

#include "widget_fixture.h"

namespace kavalto {
namespace {

using test::Ev;
using test::Item;

constexpr int32_t kRun = 257;      // "Velg Løp"
constexpr int32_t kJudge = 272;    // a text field
constexpr int32_t kType = 13;      // a value box under the open list

struct DropDowns : test::WidgetFixture {
    DropDowns() {
        Load({Item(kRun, kItemDropDown, 20, 10, 8, 2), Item(kJudge, kItemTextField, 20, 30),
              Item(kType, kItemValueBox, 20, 13, 9, 2)});
        AddOption(set, kRun, "Kvalifisering", 0);
        AddOption(set, kRun, "Hopp Finale", 10);
        AddOption(set, kRun, "Agility Finale", 20);
    }
    Rect Box() { return RectOf(kRun); }
    void Open() {
        const Rect b = Box();
        ASSERT_TRUE(Click(b.x + b.width / 2, b.y + b.height / 2));
        ASSERT_TRUE(DropDownOpen(set));
        Clear();
    }
    // The middle of an option's line in the open list.
    std::pair<int32_t, int32_t> OptionPoint(int32_t option) {
        const DropDown& d = *FindDropDown(set, kRun);
        const Rect list = OptionListRect(set, f.ui, d);
        return {list.x + list.width / 2, OptionY(set, f.ui, d, option) + static_cast<int32_t>(OptionHeight(f.ui)) / 2};
    }
};

TEST_F(DropDowns, APressOnTheBoxOpensTheListOverWhatLiesBelow) {
    const Rect b = Box();
    EXPECT_EQ(MoveTo(b.x + 4, b.y + 4), WidgetCursor::Hand);
    EXPECT_TRUE(Click(b.x + 4, b.y + 4));
    EXPECT_TRUE(DropDownOpen(set));
    EXPECT_TRUE(f.events.empty());
    const Rect list = OptionListRect(set, f.ui, *FindDropDown(set, kRun));
    EXPECT_EQ(list.x, b.x + static_cast<int32_t>(f.ui.grid.columnWidth));
    EXPECT_EQ(list.y, b.y + b.height);
    ASSERT_FALSE(f.presented.empty());
    EXPECT_EQ(test::Covering(f.presented), DropDownArea(set, f.ui, *FindDropDown(set, kRun)));
}

TEST_F(DropDowns, PickingAnEnabledOptionSelectsItReportsItAndCloses) {
    Open();
    const auto [x, y] = OptionPoint(2);
    EXPECT_EQ(MoveTo(x, y), WidgetCursor::Hand);
    EXPECT_EQ(FindDropDown(set, kRun)->hovered, 2);
    EXPECT_TRUE(PressWidgets(set, f.ui, x, y, false));
    EXPECT_EQ(f.events, std::vector<PageEvent>{Ev(kEventOptionPicked, kRun, 2)});
    EXPECT_EQ(SelectedValue(set, kRun), 20);
    EXPECT_FALSE(DropDownOpen(set));
    EXPECT_EQ(f.repaints, 1);
}

TEST_F(DropDowns, APressThatPicksNothingClosesWithoutAnEvent) {
    SetOptionEnabled(set, kRun, 1, false);
    const auto disabledOption = [&] { return OptionPoint(1); };
    const auto outside = [&] { return std::pair<int32_t, int32_t>{700, 580}; };
    const auto rightOfTheList = [&] {
        const auto [x, y] = OptionPoint(2);
        const Rect list = OptionListRect(set, f.ui, *FindDropDown(set, kRun));
        return std::pair<int32_t, int32_t>{list.x + list.width + 5, y};
    };
    const auto onTheField = [&] {
        const Rect r = FieldRectOf(kJudge);
        return std::pair<int32_t, int32_t>{r.x + 5, r.y + 5};
    };
    using Where = std::function<std::pair<int32_t, int32_t>()>;
    for (const Where& where : {Where(disabledOption), Where(outside), Where(rightOfTheList), Where(onTheField)}) {
        Open();
        const auto [x, y] = where();
        EXPECT_TRUE(Click(x, y)) << x << ", " << y;
        EXPECT_TRUE(f.events.empty()) << x << ", " << y;
        EXPECT_FALSE(DropDownOpen(set));
        EXPECT_EQ(SelectedValue(set, kRun), 0);
        EXPECT_EQ(EditingField(set), -1) << "the press only closed the list";
    }
}

TEST_F(DropDowns, WhileOpenTextFieldsDoNotHover) {
    Open();
    const Rect r = FieldRectOf(kJudge);
    EXPECT_EQ(MoveTo(r.x + 5, r.y + 5), WidgetCursor::NotClaimed);
    EXPECT_EQ(Field(kJudge).hover, 0);
}

TEST_F(DropDowns, OpeningEndsTheEditInProgress) {
    ClickField(kJudge);
    Type("Hansen");
    Clear();
    Open();
    EXPECT_EQ(GetText(set, kJudge), "Hansen");
    EXPECT_EQ(EditingField(set), -1);
    EXPECT_EQ(VisibleBoxes(), 0);
}

TEST_F(DropDowns, OpeningEndsTheEditInProgressWithItsCommit) {
    ClickField(kJudge);
    Clear();
    const Rect b = Box();
    Click(b.x + 4, b.y + 4);
    EXPECT_EQ(f.events, std::vector<PageEvent>{Ev(kEventFieldCommitted, kJudge)});
}

TEST_F(DropDowns, ADisabledOrEmptyDropDownDoesNotOpen) {
    for (const bool empty : {false, true}) {
        if (empty) {
            SetEnabled(set, f.ui, kRun, true);
            ClearOptions(set, kRun);
        } else {
            SetEnabled(set, f.ui, kRun, false);
        }
        const Rect b = Box();
        EXPECT_EQ(MoveTo(b.x + 4, b.y + 4), empty ? WidgetCursor::Hand : WidgetCursor::NotClaimed);
        EXPECT_FALSE(PressWidgets(set, f.ui, b.x + 4, b.y + 4, false));
        EXPECT_FALSE(DropDownOpen(set));
    }
}

TEST_F(DropDowns, DisablingOrHidingAnOpenDropDownClosesIt) {
    for (const bool hide : {false, true}) {
        Open();
        if (hide) {
            SetVisible(set, f.ui, kRun, false);
        } else {
            SetEnabled(set, f.ui, kRun, false);
        }
        EXPECT_FALSE(DropDownOpen(set));
        EXPECT_EQ(f.repaints, 1);
        SetEnabled(set, f.ui, kRun, true);
        SetVisible(set, f.ui, kRun, true);
    }
}

TEST_F(DropDowns, OptionsAreKeptUpToThirtyAndSelectedByValue) {
    ClearOptions(set, kRun);
    EXPECT_EQ(SelectedValue(set, kRun), 0);
    for (int32_t k = 0; k < 35; ++k) AddOption(set, kRun, "x", 100 + k);
    EXPECT_EQ(FindDropDown(set, kRun)->count, 30);
    SelectValue(set, f.ui, kRun, 105);
    EXPECT_EQ(SelectedValue(set, kRun), 105);
    SelectValue(set, f.ui, kRun, 7);
    EXPECT_EQ(SelectedValue(set, kRun), 100) << "no option has the value: the first";
    ASSERT_FALSE(f.presented.empty());
    EXPECT_EQ(f.presented.back(), DropDownArea(set, f.ui, *FindDropDown(set, kRun)));
}

TEST_F(DropDowns, AWidgetRedrawnUnderTheOpenListLeavesTheListOnTop) {
    Open();
    const auto [x, y] = OptionPoint(0);
    const Colour before = PixelAt(f.ui.screen, x + 40, y + 2);
    SetValueBoxText(set, kType, "VHX stevne");
    DrawValueBox(set, f.ui, kType);
    EXPECT_EQ(PixelAt(f.ui.screen, x + 40, y + 2), before);
    ASSERT_EQ(f.presented.size(), 1u);
    EXPECT_TRUE(Overlap(f.presented[0], OptionListRect(set, f.ui, *FindDropDown(set, kRun))));
}

TEST_F(DropDowns, AnOpenListOfAnotherDropDownTakesThePressFirst) {
    // The second drop-down opens; a press on the first one's box only closes it.
    Load({Item(5005, kItemDropDown, 20, 5, 8, 2), Item(kRun, kItemDropDown, 20, 10, 8, 2)});
    AddOption(set, 5005, "Tispe", 0);
    AddOption(set, kRun, "Kvalifisering", 0);
    Open();
    const Rect first = RectOf(5005);
    EXPECT_TRUE(Click(first.x + 4, first.y + 4));
    EXPECT_FALSE(DropDownOpen(set));
    EXPECT_EQ(FindDropDown(set, 5005)->open, 0);
}

}  // namespace
}  // namespace kavalto

// Where the layout items lie on the grid, what a table turns into, and how
// the set answers for ids it does not hold.
#include "ui/text_drawing.h"
#include "widget_fixture.h"

namespace kavalto {
namespace {

using test::Item;

using WidgetSetLayout = test::WidgetFixture;

TEST_F(WidgetSetLayout, ItemsLieOnTheGridWithTheTextWidthsOfTimeAndNumberFields) {
    Load({Item(1, kItemTextField, 10, 5, 8, 2), Item(2, kItemTimeField, 10, 8, 4, 2),
          Item(3, kItemNumberField, 10, 11, 2, 2), Item(4, kItemNumberField, 10, 14, 4, 2),
          Item(5, kItemNumberField, 10, 17, 6, 2), Item(6, kItemMultiLineField, 10, 20, 12, 8),
          Item(7, kItemDropDown, 51, 51, 1, 1)});
    const GridMetrics& g = f.ui.grid;
    const int32_t height = static_cast<int32_t>(2 * g.rowHeight);
    EXPECT_EQ(RectOf(1), (Rect{g.columnX[10], g.rowY[5], static_cast<int32_t>(8 * g.columnWidth), height}));
    EXPECT_EQ(RectOf(2).width, TextWidth(true, g.normalFontSize, "8888.88"));
    EXPECT_EQ(RectOf(3).width, TextWidth(true, g.normalFontSize, "1888"));
    EXPECT_EQ(RectOf(4).width, TextWidth(true, g.normalFontSize, "188888"));
    EXPECT_EQ(RectOf(5).width, static_cast<int32_t>(6 * g.columnWidth));
    EXPECT_EQ(RectOf(7), (Rect{g.columnX[51], g.rowY[51], static_cast<int32_t>(g.columnWidth),
                               static_cast<int32_t>(g.rowHeight)}));
    // As drawn and edited: one line is the text field height, many lines the item's.
    EXPECT_EQ(FieldRectOf(1).height, g.textFieldHeight);
    EXPECT_EQ(FieldRectOf(6).height, static_cast<int32_t>(8 * g.rowHeight));
    EXPECT_EQ(LayoutItemRight(set, f.ui, 1), g.columnX[10] + static_cast<int32_t>(8 * g.columnWidth));
    EXPECT_EQ(LayoutItemRight(set, f.ui, 99), -1);
}

TEST_F(WidgetSetLayout, AnItemOffTheGridIsNeitherPlacedNorDrawnNorHit) {
    Load({Item(1, kItemTextField, 52, 5), Item(2, kItemTextField, 3, -1)});
    EXPECT_EQ(RectOf(1), Rect{});
    EXPECT_EQ(RectOf(2), Rect{});
    DrawWidgets(set, f.ui);
    EXPECT_TRUE(f.presented.empty());
    EXPECT_EQ(MoveTo(0, 0), WidgetCursor::NotClaimed);
    BeginEdit(set, f.ui, 1, nullptr);
    EXPECT_EQ(EditingField(set), -1);
}

TEST_F(WidgetSetLayout, ASmallNumberFieldStandsBesideItsTextButton) {
    constexpr int32_t kClock = 4006;  // any caption of table A
    const Button text{kPlaceGrid, kStyleText, 0, 1, kKindPush, 20, 30, 1, 0, 0, 1, kClock};
    LoadPageButtons(f.bar, &text, 1);
    Load({Item(kClock, kItemSmallNumberField, 0, 0, 0, 2)});
    const Rect button = ButtonRect(f.bar, f.ui, FindButton(f.bar, kClock));
    ASSERT_GT(button.width, 0);
    const Rect r = FieldRectOf(kClock);
    EXPECT_EQ(r.x, button.x + TextWidth(true, f.ui.grid.smallFontSize + 3, ButtonCaption(text, f.ui)) + 20);
    EXPECT_EQ(r.y, button.y - 2);
    EXPECT_EQ(r.width, 33);
    ClickField(kClock);
    ASSERT_NE(LineBox(), nullptr);
    EXPECT_EQ(LineBox()->geometry(), QRect(r.x, r.y + 1, 33, r.height - 2));
    Type("7v");
    EXPECT_EQ(LineBox()->text(), QStringLiteral("7"));
    EXPECT_EQ(f.events.back(), test::Ev(kEventRefusal));
    // Without its button it has no place.
    LoadPageButtons(f.bar, nullptr, 0);
    Load({Item(kClock, kItemSmallNumberField, 0, 0, 0, 2)});
    EXPECT_EQ(FieldRectOf(kClock), Rect{});
}

TEST_F(WidgetSetLayout, ATableMakesARecordForEveryWidgetItemUpToTheLimits) {
    std::vector<LayoutItem> items;
    for (int32_t i = 0; i < 25; ++i) items.push_back(Item(100 + i, kItemTextField, 1, 1));
    for (int32_t i = 0; i < 7; ++i) items.push_back(Item(200 + i, kItemDropDown, 1, 1));
    for (int32_t i = 0; i < 5; ++i) items.push_back(Item(300 + i, kItemListBox, 1, 1));
    for (int32_t i = 0; i < 22; ++i) items.push_back(Item(400 + i, kItemValueBox, 1, 1));
    for (int32_t i = 0; i < 20; ++i) items.push_back(Item(500 + i, kItemLabelSmall, 1, 1));
    LoadLayout(set, f.ui, items.data(), static_cast<int32_t>(items.size()));
    EXPECT_EQ(set.itemCount, 70);
    EXPECT_EQ(set.textFieldCount, 20);
    EXPECT_EQ(set.dropDownCount, 5);
    EXPECT_EQ(set.listBoxCount, 3);
    EXPECT_EQ(set.valueBoxCount, 20);
    // Every widget starts enabled and visible, whatever the table says.
    Load({Item(1, kItemTimeField, 1, 1, 4, 2, 0), Item(2, kItemNumberField, 1, 1, 2, 2, 0)});
    EXPECT_EQ(Field(1).enabled, 1);
    EXPECT_EQ(Field(1).timeInput, 1);
    EXPECT_EQ(Field(2).numeric, 1);
    EXPECT_EQ(Field(2).inTabOrder, 1);
    EXPECT_EQ(Field(2).tabCompletes, 0);
    EXPECT_EQ(Field(2).enterAdvances, 0);
}

TEST_F(WidgetSetLayout, AnIdTheSetDoesNotHoldFallsBackToTheFirstOfItsKind) {
    Load({Item(1, kItemTextField, 1, 1), Item(2, kItemTextField, 1, 5), Item(3, kItemDropDown, 1, 9),
          Item(4, kItemListBox, 1, 13), Item(5, kItemValueBox, 1, 17)});
    SetText(set, f.ui, 77, "first");
    EXPECT_EQ(GetText(set, 1), "first");
    EXPECT_EQ(GetText(set, 2), "");
    AddOption(set, 77, "Enkel", 4);
    EXPECT_EQ(SelectedValue(set, 3), 4);
    AddRow(set, 77, "rad", 9);
    EXPECT_EQ(RowValue(set, 4, 0), 9);
    SetValueBoxText(set, 77, "boks");
    EXPECT_STREQ(FindValueBox(set, 5)->text, "boks");
    // A set without records of a kind answers emptily.
    Load({Item(271, kItemTitle, 1, 0)});
    EXPECT_EQ(GetText(set, 1), "");
    EXPECT_EQ(GetValue(set, 1), 0);
    EXPECT_EQ(SelectedValue(set, 3), 0);
    EXPECT_EQ(ChosenRow(set, 4), -1);
    SetText(set, f.ui, 1, "x");
    BeginEdit(set, f.ui, 1, "x");
    EXPECT_EQ(EditingField(set), -1);
}

TEST_F(WidgetSetLayout, EnableAllLeavesTheLabelsAndSetEnabledTheValueBoxes) {
    Load({Item(343, kItemLabelSmall, 1, 1), Item(1, kItemTextField, 10, 1), Item(3, kItemDropDown, 10, 5),
          Item(5, kItemValueBox, 10, 9)});
    EnableAll(set, f.ui, false);
    EXPECT_EQ(set.items[0].enabled, 1);
    EXPECT_EQ(set.items[1].enabled, 0);
    EXPECT_EQ(Field(1).enabled, 0);
    EXPECT_EQ(FindDropDown(set, 3)->enabled, 0);
    EXPECT_EQ(set.items[3].enabled, 0);
    EnableAll(set, f.ui, true);
    EXPECT_EQ(Field(1).enabled, 1);
    EXPECT_EQ(FindDropDown(set, 3)->enabled, 1);
    // One by one, a value box keeps the byte of its item.
    SetEnabled(set, f.ui, 5, false);
    EXPECT_EQ(set.items[3].enabled, 1);
}

TEST_F(WidgetSetLayout, NothingIsClaimedWhileAPopupMenuIsOpen) {
    Load({Item(1, kItemTextField, 10, 5), Item(3, kItemDropDown, 10, 10)});
    AddOption(set, 3, "Enkel", 0);
    const Rect field = FieldRectOf(1);
    const Rect box = RectOf(3);
    EXPECT_EQ(MoveTo(field.x + 3, field.y + 3), WidgetCursor::IBeam);
    EXPECT_EQ(HoverWidgets(set, f.ui, field.x + 3, field.y + 3, true), WidgetCursor::NotClaimed);
    EXPECT_EQ(Field(1).hover, 0);
    EXPECT_EQ(MoveTo(box.x + 3, box.y + 3), WidgetCursor::Hand);
    EXPECT_FALSE(PressWidgets(set, f.ui, box.x + 3, box.y + 3, true));
    EXPECT_FALSE(DropDownOpen(set));
    EXPECT_EQ(MoveTo(5, 5), WidgetCursor::NotClaimed);
    EXPECT_EQ(set.cursor, WidgetCursor::Arrow);
}

}  // namespace
}  // namespace kavalto

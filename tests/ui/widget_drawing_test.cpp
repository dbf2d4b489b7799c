// The drawn look of the layout items on a flat background: where labels
// stand and in which colour, darkened and pressed faces, value boxes,
// separators, open lists, and what each widget shows of itself alone.
#include "ui/text_drawing.h"
#include "widget_fixture.h"

namespace kavalto {
namespace {

using test::Item;
using test::kFlat;

// Bounding box of the pixels in the region that differ from the flat
// background; empty when there are none.
Rect Ink(const Surface& s, const Rect& region) {
    int32_t left = INT32_MAX, top = INT32_MAX, right = -1, bottom = -1;
    for (int32_t y = region.y; y < region.y + region.height; ++y) {
        for (int32_t x = region.x; x < region.x + region.width; ++x) {
            if (!s.Contains(x, y) || PixelAt(s, x, y) == kFlat) continue;
            left = std::min(left, x), right = std::max(right, x);
            top = std::min(top, y), bottom = std::max(bottom, y);
        }
    }
    return right < 0 ? Rect{} : Rect{left, top, right - left + 1, bottom - top + 1};
}

int32_t CountColour(const Surface& s, const Rect& region, Colour colour) {
    int32_t n = 0;
    for (int32_t y = region.y; y < region.y + region.height; ++y) {
        for (int32_t x = region.x; x < region.x + region.width; ++x) n += PixelAt(s, x, y) == colour ? 1 : 0;
    }
    return n;
}

Colour Shaded(Colour c, int32_t factor) {
    return Colour{ShadeValue(c.red, factor), ShadeValue(c.green, factor), ShadeValue(c.blue, factor)};
}

struct Drawing : test::WidgetFixture {
    const ColourSet& colours() { return f.ui.skin.colours; }
    void Paint() {
        f.ui.painting = true;
        DrawWidgets(set, f.ui);
        f.ui.painting = false;
    }
    // Around a point: room for a label of a few words.
    static Rect Around(int32_t x, int32_t y) { return Rect{x - 20, y - 12, 420, 70}; }
};

TEST_F(Drawing, LabelsStandWhereTheirTypeSaysInTheirColour) {
    constexpr int32_t kHeading = 271;  // "Registrering av Klasser"
    const struct {
        int32_t type;
        uint8_t highlighted;
        uint8_t enabled;
        int32_t dy;
        Colour colour;
        Colour absent;
    } cases[] = {
        {kItemTitle, 0, 1, -2, {255, 255, 255}, {255, 255, 0}},
        {kItemLabel, 1, 1, -2, {255, 255, 0}, {255, 255, 255}},
        {kItemLabel, 0, 1, -2, {255, 255, 255}, {255, 255, 0}},
        {kItemLabelSmall, 0, 1, 1, {255, 255, 0}, {0, 255, 0}},
        {kItemNotice, 0, 1, -2, {0, 255, 0}, {255, 255, 0}},
        {kItemWarning, 0, 1, 1, {255, 128, 0}, {255, 255, 0}},
        {kItemLabelSmall, 0, 0, 1, {192, 192, 192}, {255, 255, 0}},
        {kItemTitle, 0, 0, -2, {192, 192, 192}, {255, 255, 255}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "type " << c.type << " highlighted " << int{c.highlighted} << " enabled "
                                        << int{c.enabled});
        CopyAll(f.ui.screen, f.ui.background);
        Load({Item(kHeading, c.type, 10, 10, 0, 0, c.enabled, c.highlighted)});
        Paint();
        const Rect r = RectOf(kHeading);
        const Rect ink = Ink(f.ui.screen, Around(r.x, r.y));
        ASSERT_NE(ink, Rect{});
        EXPECT_GE(ink.x, r.x - 1);
        EXPECT_LE(ink.x, r.x + 3);
        EXPECT_GE(ink.y, r.y + c.dy);
        EXPECT_LE(ink.y, r.y + c.dy + 6);
        EXPECT_GT(CountColour(f.ui.screen, ink, c.colour), 0);
        EXPECT_EQ(CountColour(f.ui.screen, ink, c.absent), 0);
    }
}

TEST_F(Drawing, TitlesAreTwiceTheNormalSizeAndLargeLabelsAQuarterMore) {
    Load({Item(271, kItemTitle, 2, 2, 0, 0), Item(271, kItemLabel, 2, 12, 0, 0), Item(271, kItemLabelSmall, 2, 22, 0, 0)});
    Paint();
    const int32_t normal = f.ui.grid.normalFontSize;
    const std::string text = "Registrering av Klasser";
    const int32_t widths[] = {TextWidth(true, 2 * normal, text), TextWidth(true, normal * 5 / 4, text),
                              TextWidth(true, normal, text)};
    for (int32_t i = 0; i < 3; ++i) {
        const Rect r = ItemRect(set, f.ui, i);
        const Rect ink = Ink(f.ui.screen, Rect{r.x - 5, r.y - 5, 700, 5 * normal / 2 + 5});
        EXPECT_NEAR(ink.width, widths[i], 3) << i;
    }
}

TEST_F(Drawing, AFieldLabelEndsTenPixelsBeforeTheFieldAndASuffixFollowsIt) {
    Load({Item(258, kItemTimeField, 30, 10, 0, 2, 1, 0, 1, 259)});
    Paint();
    const Rect r = FieldRectOf(258);
    const Rect label = Ink(f.ui.screen, Rect{r.x - 400, r.y, 390, r.height});
    EXPECT_LE(label.x + label.width, r.x - 10);
    EXPECT_GE(label.x + label.width, r.x - 14);
    EXPECT_GE(label.y, r.y + 3);
    EXPECT_GT(CountColour(f.ui.screen, label, colours().highText), 0);
    const Rect suffix = Ink(f.ui.screen, Rect{r.x + r.width + 2, r.y, 400, r.height});
    EXPECT_GE(suffix.x, r.x + r.width + 11);
    EXPECT_LE(suffix.x, r.x + r.width + 14);
    EXPECT_GT(CountColour(f.ui.screen, suffix, colours().highText), 0);
}

TEST_F(Drawing, ADisabledFieldIsDarkenedAndItsLabelGreyed) {
    Load({Item(343, kItemTextField, 30, 10)});
    Paint();
    const Rect r = FieldRectOf(343);
    const int32_t px = r.x + r.width - 4;
    const int32_t py = r.y + r.height / 2;
    const Colour enabled = PixelAt(f.ui.screen, px, py);
    const Rect labelRegion{r.x - 200, r.y, 190, r.height};
    EXPECT_GT(CountColour(f.ui.screen, labelRegion, colours().highText), 0);
    SetEnabled(set, f.ui, 343, false);
    DrawItem(set, f.ui, IndexOf(343));
    EXPECT_EQ(PixelAt(f.ui.screen, px, py), Shaded(enabled, 100));
    EXPECT_EQ(CountColour(f.ui.screen, labelRegion, colours().highText), 0);
    EXPECT_GT(CountColour(f.ui.screen, labelRegion, colours().disabledText), 0);
}

TEST_F(Drawing, TheFieldsTextIsDrawnInsideItInTheTextColourOfItsState) {
    Load({Item(343, kItemTextField, 30, 10, 4)});
    SetText(set, f.ui, 343, "WWWWWWWWWWWWWWWWWWWWWWWWWWWWWW");
    const Rect r = FieldRectOf(343);
    const Rect inside{r.x, r.y, r.width, r.height};
    EXPECT_GT(CountColour(f.ui.screen, inside, colours().normalText), 0);
    // Clipped to the field: nothing of the text right of it.
    EXPECT_EQ(Ink(f.ui.screen, Rect{r.x + r.width + 2, r.y, 300, r.height}), Rect{});
    SetEnabled(set, f.ui, 343, false);
    DrawItem(set, f.ui, IndexOf(343));
    EXPECT_EQ(CountColour(f.ui.screen, inside, colours().normalText), 0);
    EXPECT_GT(CountColour(f.ui.screen, inside, colours().disabledText), 0);
}

TEST_F(Drawing, AMultiLineFieldShowsItsLinesOneUnderAnother) {
    Load({Item(291, kItemMultiLineField, 30, 10, 12, 8)});
    const Rect r = FieldRectOf(291);
    const int32_t line = TextHeight(true, f.ui.grid.normalFontSize);
    SetText(set, f.ui, 291, "Hei");
    const int32_t one = CountColour(f.ui.screen, Rect{r.x, r.y + 2 + line, r.width, line}, colours().normalText);
    SetText(set, f.ui, 291, "Hei\r\nalle");
    const int32_t two = CountColour(f.ui.screen, Rect{r.x, r.y + 2 + line, r.width, line}, colours().normalText);
    EXPECT_EQ(one, 0);
    EXPECT_GT(two, 0);
}

TEST_F(Drawing, HoverLightensTheFaceAndEditingPressesIt) {
    Load({Item(343, kItemTextField, 30, 10)});
    Paint();
    const Rect r = FieldRectOf(343);
    const Colour plain = PixelAt(f.ui.screen, r.x + r.width - 4, r.y + r.height / 2);
    EXPECT_EQ(PixelAt(f.ui.screen, r.x - 1, r.y - 1), (Colour{200, 200, 200}));
    MoveTo(r.x + 3, r.y + 3);
    const Colour hovered = PixelAt(f.ui.screen, r.x + r.width - 4, r.y + r.height / 2);
    EXPECT_GT(hovered.red + hovered.green + hovered.blue, plain.red + plain.green + plain.blue);
    PressWidgets(set, f.ui, r.x + 3, r.y + 3, false);
    EXPECT_EQ(PixelAt(f.ui.screen, r.x - 1, r.y - 1), (Colour{60, 60, 60}));
    EndAllEdits(set, f.ui);
    EXPECT_EQ(PixelAt(f.ui.screen, r.x - 1, r.y - 1), (Colour{200, 200, 200}));
}

TEST_F(Drawing, AValueBoxIsADarkenedBoxWithItsTextInTheColourOfItsItem) {
    Load({Item(250, kItemValueBox, 20, 10, 9, 2), Item(251, kItemValueBox, 20, 20, 9, 2, 0)});
    SetValueBoxText(set, 250, "VHX stevne");
    SetValueBoxText(set, 251, "Privat stevne");
    EXPECT_TRUE(f.presented.empty()) << "the text waits for DrawValueBox";
    EXPECT_EQ(Ink(f.ui.screen, RectOf(250)), Rect{});
    DrawValueBox(set, f.ui, 250);
    DrawValueBox(set, f.ui, 251);
    for (const int32_t id : {250, 251}) {
        const Rect r = RectOf(id);
        EXPECT_EQ(PixelAt(f.ui.screen, r.x + r.width - 2, r.y + r.height - 2), Shaded(kFlat, 100)) << id;
        const Rect label = Ink(f.ui.screen, Rect{r.x - 300, r.y, 290, r.height});
        EXPECT_GT(CountColour(f.ui.screen, label, colours().highText), 0) << "the label is always high: " << id;
    }
    EXPECT_GT(CountColour(f.ui.screen, RectOf(250), colours().highText), 0);
    EXPECT_EQ(CountColour(f.ui.screen, RectOf(251), colours().highText), 0);
    EXPECT_GT(CountColour(f.ui.screen, RectOf(251), colours().normalText), 0);
    EXPECT_EQ(f.presented, (std::vector<Rect>{ValueBoxArea(set, f.ui, set.valueBoxes[0]),
                                              ValueBoxArea(set, f.ui, set.valueBoxes[1])}));
}

TEST_F(Drawing, ASeparatorIsAGrooveOfFourShades) {
    Load({Item(0, kItemSeparator, 10, 20, 20, 0)});
    Paint();
    const Rect r = RectOf(0);
    const int32_t x = r.x + r.width / 2;
    EXPECT_EQ(PixelAt(f.ui.screen, x, r.y + 1), kFlat);
    const int32_t factors[] = {220, 150, 70, 20};
    for (int32_t i = 0; i < 4; ++i) EXPECT_EQ(PixelAt(f.ui.screen, x, r.y + 2 + i), Shaded(kFlat, factors[i])) << i;
    EXPECT_EQ(PixelAt(f.ui.screen, x, r.y + 6), kFlat);
    EXPECT_EQ(PixelAt(f.ui.screen, r.x + r.width, r.y + 3), kFlat);
    // Drawn again alone, the groove does not deepen.
    DrawItem(set, f.ui, 0);
    EXPECT_EQ(PixelAt(f.ui.screen, x, r.y + 3), Shaded(kFlat, 150));
}

TEST_F(Drawing, AnOpenDropDownShowsTheSelectedAndTheHoveredOption) {
    Load({Item(257, kItemDropDown, 20, 10, 8, 2)});
    AddOption(set, 257, "Kvalifisering", 0);
    AddOption(set, 257, "Hopp Finale", 1);
    AddOption(set, 257, "Agility Finale", 2);
    SelectValue(set, f.ui, 257, 1);
    const Rect box = RectOf(257);
    Click(box.x + 4, box.y + 4);
    const DropDown& d = *FindDropDown(set, 257);
    const Rect list = OptionListRect(set, f.ui, d);
    MoveTo(list.x + list.width / 2, OptionY(set, f.ui, d, 2) + 3);
    const int32_t h = static_cast<int32_t>(OptionHeight(f.ui));
    const int32_t px = list.x + list.width - 3;  // right of every option's text
    EXPECT_EQ(PixelAt(f.ui.screen, px, OptionY(set, f.ui, d, 0) + h / 2), Shaded(kFlat, 100));
    EXPECT_EQ(PixelAt(f.ui.screen, px, OptionY(set, f.ui, d, 1) + h / 2), colours().selection);
    EXPECT_EQ(PixelAt(f.ui.screen, px, OptionY(set, f.ui, d, 2) + h / 2), Shaded(Shaded(kFlat, 100), 80));
    EXPECT_EQ(PixelAt(f.ui.screen, list.x, list.y + 2), colours().normalText);
    EXPECT_EQ(PixelAt(f.ui.screen, list.x + list.width - 1, list.y + list.height - 1), colours().normalText);
    EXPECT_EQ(d.optionY[2], OptionY(set, f.ui, d, 2));
}

TEST_F(Drawing, AListBoxIsAFramedDarkenedAreaWithItsHoveredRowLightened) {
    Load({Item(5100, kItemListBox, 10, 10, 12, 0)});
    AddRow(set, 5100, "Hopp 1 Small", 0);
    AddRow(set, 5100, "Hopp 2 Small", 1);
    SetListTexts(set, 5100, "Klasser som ikke deltar", "Dobbeltklikk for å velge", "Klikk");
    ListBox& list = *FindListBox(set, 5100);
    PlaceListBox(set, f.ui, list);
    MoveTo(list.x + 5, RowY(list, 1) + 3);
    const int32_t px = list.x + list.width - 3;
    EXPECT_EQ(PixelAt(f.ui.screen, list.x, list.y + 3), colours().normalText);
    EXPECT_EQ(PixelAt(f.ui.screen, px, RowY(list, 0) + 3), Shaded(kFlat, 100));
    EXPECT_EQ(PixelAt(f.ui.screen, px, RowY(list, 1) + 3), Shaded(Shaded(kFlat, 100), 200));
    const Rect title = Ink(f.ui.screen, Rect{list.x - 5, list.y - 3 * list.rowHeight, 400, 2 * list.rowHeight + 2});
    EXPECT_GE(title.y, list.y - list.rowHeight - 6);
    EXPECT_GT(CountColour(f.ui.screen, title, colours().highText), 0);
    const int32_t below = list.y + list.totalHeight;
    EXPECT_EQ(CountColour(f.ui.screen, Rect{list.x - 5, below, 400, 4}, colours().highText), 0);
    EXPECT_GT(CountColour(f.ui.screen, Rect{list.x - 5, below + 4, 400, 60}, colours().highText), 0);
    // A disabled list greys its rows and shows no hover.
    SetEnabled(set, f.ui, 5100, false);
    EXPECT_EQ(PixelAt(f.ui.screen, px, RowY(list, 1) + 3), Shaded(kFlat, 100));
    EXPECT_GT(CountColour(f.ui.screen, Rect{list.x, list.y, list.width, list.totalHeight}, colours().disabledText), 0);
}

TEST_F(Drawing, AWidgetThatChangesAloneShowsOnlyItsOwnRectangle) {
    Load({Item(343, kItemTextField, 10, 10), Item(344, kItemTextField, 10, 16)});
    const Rect own = TextFieldArea(set, f.ui, Field(343));
    const Rect other = TextFieldArea(set, f.ui, Field(344));
    const Rect r = FieldRectOf(343);
    MoveTo(r.x + 3, r.y + 3);
    ClickField(343);
    Type("12");
    QTest::keyClick(Box(), Qt::Key_Escape);
    ASSERT_FALSE(f.presented.empty());
    for (const Rect& p : f.presented) {
        EXPECT_EQ(Union(p, own), own) << p;
        EXPECT_FALSE(Overlap(p, other)) << p;
    }
}

TEST_F(Drawing, AFullPaintShowsNothingOnItsOwn) {
    Load({Item(343, kItemTextField, 10, 10), Item(250, kItemValueBox, 10, 16), Item(257, kItemDropDown, 30, 10),
          Item(5100, kItemListBox, 30, 20, 10, 0), Item(271, kItemTitle, 1, 0, 0, 0)});
    Paint();
    EXPECT_TRUE(f.presented.empty());
    EXPECT_NE(Ink(f.ui.screen, FieldRectOf(343)), Rect{});
    EXPECT_NE(Ink(f.ui.screen, RectOf(250)), Rect{});
    EXPECT_NE(Ink(f.ui.screen, RectOf(257)), Rect{});
}

TEST_F(Drawing, HiddenItemsAreNeitherDrawnNorHit) {
    Load({Item(343, kItemTextField, 10, 10, 8, 2, 1, 0, 0), Item(271, kItemLabelSmall, 10, 20, 0, 0, 1, 0, 0)});
    Paint();
    EXPECT_EQ(Ink(f.ui.screen, Rect{0, 0, f.ui.screen.width, f.ui.screen.height}), Rect{});
    const Rect r = FieldRectOf(343);
    EXPECT_EQ(MoveTo(r.x + 3, r.y + 3), WidgetCursor::NotClaimed);
    SetVisible(set, f.ui, 343, true);
    EXPECT_NE(Ink(f.ui.screen, r), Rect{}) << "shown: drawn at once";
    EXPECT_EQ(MoveTo(r.x + 3, r.y + 3), WidgetCursor::IBeam);
}

}  // namespace
}  // namespace kavalto

#include <gtest/gtest.h>

#include <cstring>

#include "pixel_helpers.h"
#include "ui/button_geometry.h"
#include "ui/class_menu.h"
#include "ui/navigation_buttons.h"
#include "ui/popup_menu.h"
#include "ui_fixture.h"

namespace kavalto {
namespace {

constexpr int32_t kMenuButton = 4010;

struct PopupFixture : ::testing::Test {
    test::UiFixture f{1024, 700};

    void SetUp() override {
        LoadNavigationButtons(f.bar);
        const Button page[] = {
            Button{kPlaceStackedMenu, kStyleSideTwoLines, 0, 1, kKindPush, 2, 0, 1, 0, 0, 1, kMenuButton},
            Button{kPlaceFixed, kStyleSide, 0, 1, kKindPush, 2, 640, 1, 0, 0, 1, 4067},
        };
        LoadPageButtons(f.bar, page, 2);
        StackSideButtons(f.bar, f.ui);
    }
    int32_t Small() const { return f.ui.grid.smallFontSize; }
    int32_t AnchorY(int32_t id) { return ButtonRect(f.bar, f.ui, FindButton(f.bar, id)).y; }
    // The middle of an entry's line.
    int32_t EntryY(int32_t i) { return f.bar.popup.entries[static_cast<size_t>(i)].y + (Small() + 5) / 2; }
};

const PopupEntry kTwoEntries[] = {{478, 0, 0, 1}, {477, 0, 0, 1}};

TEST_F(PopupFixture, OpensBesideItsButtonWithAvbrytLast) {
    f.repaints = 0;
    ASSERT_TRUE(OpenPopup(f.bar, f.ui, kMenuButton, "Velg stevne form", kTwoEntries, 2));
    const PopupMenu& menu = f.bar.popup;
    EXPECT_TRUE(menu.open);
    EXPECT_STREQ(menu.title, "Velg stevne form");
    ASSERT_EQ(menu.count, 3);
    EXPECT_EQ(menu.entries[2].code, kCancelText);
    EXPECT_EQ(menu.top, AnchorY(kMenuButton) - 10);
    EXPECT_EQ(menu.entries[0].y, menu.top + Small() + 15);
    EXPECT_EQ(menu.entries[1].y, menu.entries[0].y + Small() + 6);
    EXPECT_EQ(menu.height, menu.entries[2].y + Small() - menu.top + 20);
    EXPECT_EQ(menu.left, 0);
    EXPECT_EQ(menu.width, 150);
    EXPECT_EQ(f.bar.hovered, kNoButton);
    EXPECT_EQ(f.repaints, 1);
}

TEST_F(PopupFixture, NoButtonWithTheIdNoMenu) {
    EXPECT_FALSE(OpenPopup(f.bar, f.ui, 4999, "x", kTwoEntries, 2));
    EXPECT_FALSE(f.bar.popup.open);
}

TEST_F(PopupFixture, NeverAboveTheBodyTopAndLowMenusMoveUp) {
    f.bar.buttons[static_cast<size_t>(FindButton(f.bar, kMenuButton))].row = 20;
    f.bar.buttons[static_cast<size_t>(FindButton(f.bar, kMenuButton))].placement = kPlaceFixed;
    OpenPopup(f.bar, f.ui, kMenuButton, "t", kTwoEntries, 2);
    EXPECT_EQ(f.bar.popup.top, 48 + 6);

    OpenPopup(f.bar, f.ui, 4067, "t", kTwoEntries, 2);
    const PopupMenu& menu = f.bar.popup;
    EXPECT_EQ(menu.top + menu.height, 700 - 10);
    EXPECT_EQ(menu.entries[0].y, menu.top + Small() + 10);
    EXPECT_EQ(menu.entries[1].y, menu.entries[0].y + Small() + 5);
}

TEST_F(PopupFixture, ClickOnAnEntrySendsItsCodeAndCloses) {
    OpenPopup(f.bar, f.ui, kMenuButton, "t", kTwoEntries, 2);
    EXPECT_TRUE(TrackHover(f.bar, f.ui, 50, EntryY(1)));
    EXPECT_EQ(f.bar.popup.hovered, 1);
    EXPECT_TRUE(Press(f.bar, f.ui, 50, EntryY(1)));
    EXPECT_FALSE(f.bar.popup.open);
    EXPECT_EQ(f.events, (std::vector<PageEvent>{{kEventPopupChoice, kMenuButton, 477}}));
}

TEST_F(PopupFixture, AvbrytDisabledEntriesAndOutsideCloseWithoutAnEvent) {
    OpenPopup(f.bar, f.ui, kMenuButton, "t", kTwoEntries, 2);
    EXPECT_TRUE(Press(f.bar, f.ui, 50, EntryY(2)));  // "Avbryt"
    EXPECT_FALSE(f.bar.popup.open);

    OpenPopup(f.bar, f.ui, kMenuButton, "t", kTwoEntries, 2);
    f.bar.popup.entries[0].enabled = 0;  // a page may disable an entry after opening
    EXPECT_FALSE(Press(f.bar, f.ui, 50, EntryY(0)));
    EXPECT_FALSE(f.bar.popup.open);

    OpenPopup(f.bar, f.ui, kMenuButton, "t", kTwoEntries, 2);
    f.repaints = 0;
    EXPECT_FALSE(Press(f.bar, f.ui, 600, 300));
    EXPECT_FALSE(f.bar.popup.open);
    EXPECT_EQ(f.repaints, 1);
    EXPECT_TRUE(f.events.empty());
}

TEST_F(PopupFixture, WhileOpenTheButtonsAreNotHovered) {
    OpenPopup(f.bar, f.ui, kMenuButton, "t", kTwoEntries, 2);
    const Rect r = ButtonRect(f.bar, f.ui, 0);  // a navigation tab, outside the menu
    EXPECT_FALSE(TrackHover(f.bar, f.ui, r.x + 5, r.y + 5));
    EXPECT_EQ(f.bar.hovered, kNoButton);
}

TEST_F(PopupFixture, AtMostTwentyNineEntriesAndAvbryt) {
    std::vector<PopupEntry> many(40, PopupEntry{478, 0, 0, 1});
    OpenPopup(f.bar, f.ui, kMenuButton, "a title longer than fifty characters is cut to fifty", many.data(), 40);
    EXPECT_EQ(f.bar.popup.count, kMaxPopupEntries);
    EXPECT_EQ(f.bar.popup.entries[29].code, kCancelText);
    EXPECT_EQ(std::strlen(f.bar.popup.title), 50u);
}

TEST_F(PopupFixture, DrawnInTheWorkColourWithAFrame) {
    OpenPopup(f.bar, f.ui, kMenuButton, "t", kTwoEntries, 2);
    DrawPopup(f.bar, f.ui);
    const PopupMenu& menu = f.bar.popup;
    EXPECT_EQ(PixelAt(f.ui.screen, 75, menu.top), (Colour{0, 0, 0}));
    EXPECT_EQ(PixelAt(f.ui.screen, 75, menu.top + 1), (Colour{255, 255, 255}));
    EXPECT_EQ(PixelAt(f.ui.screen, 147, menu.top + menu.height - 3), f.ui.skin.colours.work);
}

// Which classes "Hvilken Klasse?" offers.
struct ClassMenuCase {
    const char* name;
    int32_t run;
    uint8_t agilityFinal;
    bool pairsOnly, individualOnly, teamOnly;
    std::vector<int32_t> slots;
};

TEST_F(PopupFixture, ClassMenuOffersTheClassesOfTheRun) {
    // In the first run: Hopp 0 with its pair 12, Hopp 5 alone, team 24;
    // in the second: 12 and 5 and 24 (in both runs) and 25 (second only).
    MeetState& meet = f.meet;
    for (int32_t slot : {0, 12, 5, 24}) meet.classes[static_cast<size_t>(slot)].inRun[0] = 1;
    for (int32_t slot : {12, 0, 5, 24, 25}) meet.classes[static_cast<size_t>(slot)].inRun[1] = 1;
    const ClassMenuCase cases[] = {
        {"first run, all", 0, 0, false, false, false, {0, 5, 12, 24}},
        {"individual only", 0, 0, false, true, false, {0, 5, 12}},
        {"team only", 0, 0, false, false, true, {24}},
        {"pairs in the first run", 0, 0, true, false, false, {0, 12}},
        {"second run, hopp final", 1, 0, false, false, false, {0, 5, 24, 25}},
        {"second run, agility final", 1, 1, false, false, false, {12, 24, 25}},
        {"pairs in the second run", 1, 0, true, false, false, {0, 24}},
    };
    for (const ClassMenuCase& c : cases) {
        meet.info.currentRun = c.run;
        meet.info.agilityFinal = c.agilityFinal;
        f.bar.popup.open = false;
        ASSERT_TRUE(OpenClassMenu(f.bar, f.ui, kMenuButton, c.pairsOnly, c.individualOnly, c.teamOnly)) << c.name;
        std::vector<int32_t> slots;
        for (int32_t i = 0; i + 1 < f.bar.popup.count; ++i) {
            slots.push_back(f.bar.popup.entries[static_cast<size_t>(i)].code - kClassCodeBase);
        }
        EXPECT_EQ(slots, c.slots) << c.name;
        EXPECT_STREQ(f.bar.popup.title, "Hvilken Klasse?");
    }
}

TEST_F(PopupFixture, ClassMenuWithNoClassDoesNotOpen) {
    f.meet.classes[3].inRun[0] = 1;
    f.meet.info.currentRun = 0;
    EXPECT_FALSE(OpenClassMenu(f.bar, f.ui, kMenuButton, false, false, true));
    EXPECT_FALSE(f.bar.popup.open);
}

TEST_F(PopupFixture, ChoosingAClassSendsItsCode) {
    f.meet.classes[20].inRun[0] = 1;
    f.meet.info.currentRun = 0;
    ASSERT_TRUE(OpenClassMenu(f.bar, f.ui, kMenuButton, false, false, false));
    Press(f.bar, f.ui, 50, EntryY(0));
    EXPECT_EQ(f.events, (std::vector<PageEvent>{{kEventPopupChoice, kMenuButton, kClassCodeBase + 20}}));
}

}  // namespace
}  // namespace kavalto

#include <gtest/gtest.h>

#include "pixel_helpers.h"
#include "ui/button_drawing.h"
#include "ui/button_geometry.h"
#include "ui/navigation_buttons.h"
#include "ui_fixture.h"

namespace kavalto {
namespace {

Button Side(int32_t id, int32_t kind, int32_t group = 1) {
    return Button{kPlaceStacked, kStyleSide, 0, group, kind, 2, 0, 1, 0, 0, 1, id};
}

Button Check(int32_t id, int32_t column, int32_t row, int32_t kind = kKindToggle) {
    return Button{kPlaceGrid, kStyleCheck, 0, 1, kind, column, row, 1, 0, 0, 1, id};
}

struct BarFixture : ::testing::Test {
    test::UiFixture f{1024, 700};

    void Load(std::initializer_list<Button> buttons) {
        LoadNavigationButtons(f.bar);
        LoadPageButtons(f.bar, buttons.begin(), static_cast<int32_t>(buttons.size()));
        StackSideButtons(f.bar, f.ui);
        f.events.clear();
    }
    // The centre of a button's rectangle.
    std::pair<int32_t, int32_t> Centre(int32_t id) {
        const Rect r = ButtonRect(f.bar, f.ui, FindButton(f.bar, id));
        return {r.x + r.width / 2, r.y + r.height / 2};
    }
    void MoveTo(int32_t id) {
        const auto [x, y] = Centre(id);
        TrackHover(f.bar, f.ui, x, y);
    }
    bool Click(int32_t id) {
        MoveTo(id);
        const auto [x, y] = Centre(id);
        const bool taken = Press(f.bar, f.ui, x, y);
        ReleaseAt(f.bar, f.ui, x, y);
        return taken;
    }
    const Button& At(int32_t id) { return f.bar.buttons[static_cast<size_t>(FindButton(f.bar, id))]; }
};

const PageEvent ButtonEvent(int32_t id) { return PageEvent{kEventButton, id, 0}; }

TEST_F(BarFixture, PushButtonFiresOnReleaseOverItself) {
    Load({Side(4060, kKindPush)});
    MoveTo(4060);
    const auto [x, y] = Centre(4060);
    EXPECT_TRUE(Press(f.bar, f.ui, x, y));
    EXPECT_TRUE(IsPressed(f.bar, 4060));
    EXPECT_TRUE(f.events.empty());
    ReleaseAt(f.bar, f.ui, x, y);
    EXPECT_FALSE(IsPressed(f.bar, 4060));
    EXPECT_EQ(f.events, std::vector<PageEvent>{ButtonEvent(4060)});
}

TEST_F(BarFixture, PushButtonReleasedOffItselfSendsNothing) {
    Load({Side(4060, kKindPush)});
    MoveTo(4060);
    const auto [x, y] = Centre(4060);
    Press(f.bar, f.ui, x, y);
    ReleaseAt(f.bar, f.ui, 600, 400);
    EXPECT_FALSE(IsPressed(f.bar, 4060));
    EXPECT_TRUE(f.events.empty());
}

TEST_F(BarFixture, MovingOffAHeldPushButtonReleasesIt) {
    Load({Side(4060, kKindPush)});
    MoveTo(4060);
    const auto [x, y] = Centre(4060);
    Press(f.bar, f.ui, x, y);
    EXPECT_FALSE(TrackHover(f.bar, f.ui, 600, 400));
    EXPECT_FALSE(IsPressed(f.bar, 4060));
    EXPECT_EQ(At(4060).hover, 0);
    EXPECT_EQ(f.bar.hovered, kNoButton);
}

TEST_F(BarFixture, ToggleAlternatesAndFiresAtThePress) {
    Load({Side(4095, kKindToggle)});
    for (bool expected : {true, false, true}) {
        MoveTo(4095);
        const auto [x, y] = Centre(4095);
        Press(f.bar, f.ui, x, y);
        EXPECT_EQ(IsPressed(f.bar, 4095), expected);
        EXPECT_EQ(f.events.back(), ButtonEvent(4095));
        ReleaseAt(f.bar, f.ui, x, y);
        EXPECT_EQ(IsPressed(f.bar, 4095), expected);  // no second event, no release
    }
    EXPECT_EQ(f.events.size(), 3u);
}

TEST_F(BarFixture, RadioStaysPressedAndReleasesItsGroupOnly) {
    Load({Side(4139, kKindRadio, 5), Side(4140, kKindRadio, 5), Side(4083, kKindRadio, 2)});
    Click(4083);
    Click(4139);
    Click(4139);
    EXPECT_TRUE(IsPressed(f.bar, 4139));
    EXPECT_EQ(f.events, (std::vector<PageEvent>{ButtonEvent(4083), ButtonEvent(4139), ButtonEvent(4139)}));
    Click(4140);
    EXPECT_TRUE(IsPressed(f.bar, 4140));
    EXPECT_FALSE(IsPressed(f.bar, 4139));
    EXPECT_TRUE(IsPressed(f.bar, 4083));  // another group
}

TEST_F(BarFixture, DisabledButtonTakesThePressAndDoesNothing) {
    Load({Side(4060, kKindPush), Side(4095, kKindToggle)});
    f.bar.buttons[static_cast<size_t>(FindButton(f.bar, 4060))].enabled = 0;
    f.bar.buttons[static_cast<size_t>(FindButton(f.bar, 4095))].enabled = 0;
    EXPECT_TRUE(Click(4060));
    EXPECT_TRUE(Click(4095));
    EXPECT_FALSE(IsPressed(f.bar, 4060));
    EXPECT_FALSE(IsPressed(f.bar, 4095));
    EXPECT_TRUE(f.events.empty());
}

TEST_F(BarFixture, PressWithoutAHoveredButtonIsNotTaken) {
    Load({Side(4060, kKindPush)});
    TrackHover(f.bar, f.ui, 600, 400);
    EXPECT_FALSE(Press(f.bar, f.ui, 600, 400));
}

TEST_F(BarFixture, NavigationTabsAreOneRadioGroupKeptAcrossPages) {
    Load({Side(4060, kKindPush)});
    Select(f.bar, f.ui, 4011);
    Click(4006);
    EXPECT_TRUE(IsPressed(f.bar, 4006));
    EXPECT_FALSE(IsPressed(f.bar, 4011));
    EXPECT_EQ(f.events, std::vector<PageEvent>{ButtonEvent(4006)});
    EXPECT_EQ(NavigationPage(4006), 5);

    const Button next[] = {Side(4082, kKindPush)};
    LoadPageButtons(f.bar, next, 1);
    EXPECT_EQ(f.bar.count, kNavigationButtonCount + 1);
    EXPECT_EQ(FindButton(f.bar, 4060), -1);
    EXPECT_EQ(FindButton(f.bar, 4082), kNavigationButtonCount);
    EXPECT_TRUE(IsPressed(f.bar, 4006));
    EXPECT_EQ(f.bar.hovered, kNoButton);
    EXPECT_TRUE(f.bar.relayout);
}

TEST_F(BarFixture, SelectReleaseRemoveAndMissingIds) {
    Load({Side(4139, kKindRadio, 5), Side(4140, kKindRadio, 5), Side(4060, kKindPush)});
    Select(f.bar, f.ui, 4139);
    Select(f.bar, f.ui, 4140);
    EXPECT_FALSE(IsPressed(f.bar, 4139));
    EXPECT_TRUE(IsPressed(f.bar, 4140));
    Release(f.bar, f.ui, 4140);
    EXPECT_FALSE(IsPressed(f.bar, 4140));

    MoveTo(4060);
    const int32_t count = f.bar.count;
    f.bar.relayout = false;
    Remove(f.bar, 4139);
    EXPECT_EQ(f.bar.count, count - 1);
    EXPECT_EQ(FindButton(f.bar, 4140), kNavigationButtonCount);
    EXPECT_EQ(f.bar.hovered, FindButton(f.bar, 4060));  // the hover mark follows its button
    EXPECT_TRUE(f.bar.relayout);

    Remove(f.bar, 9999);
    Select(f.bar, f.ui, 9999);
    Release(f.bar, f.ui, 9999);
    SetVisible(f.bar, f.ui, 9999, false);
    EXPECT_FALSE(IsPressed(f.bar, 9999));
    EXPECT_EQ(f.bar.count, count - 1);
}

TEST_F(BarFixture, HiddenButtonIsRestoredFromTheBackgroundAndNotHit) {
    Load({Side(4060, kKindPush)});
    const int32_t index = FindButton(f.bar, 4060);
    DrawButton(f.bar, f.ui, index);
    const Rect area = ButtonArea(f.bar, f.ui, index);
    f.presented.clear();
    SetVisible(f.bar, f.ui, 4060, false);
    EXPECT_EQ(f.presented, std::vector<Rect>{area});
    for (int32_t y = area.y; y < area.y + area.height; y += 3) {
        for (int32_t x = area.x; x < area.x + area.width; x += 3) {
            ASSERT_EQ(PixelAt(f.ui.screen, x, y), PixelAt(f.ui.background, x, y)) << x << "," << y;
        }
    }
    const auto [x, y] = Centre(4060);
    EXPECT_EQ(HitTest(f.bar, f.ui, x, y), kNoButton);
    SetVisible(f.bar, f.ui, 4060, true);
    EXPECT_NE(PixelAt(f.ui.screen, x, y), PixelAt(f.ui.background, x, y));
}

TEST_F(BarFixture, SaveAndRestoreChecksTouchOnlyTheButtonsInThePage) {
    Load({Side(4095, kKindToggle), Check(4048, 30, 14), Check(4049, 35, 14)});
    Select(f.bar, f.ui, 4095);
    Select(f.bar, f.ui, 4048);
    MoveTo(4049);
    SaveChecks(f.bar, f.ui);
    EXPECT_FALSE(IsPressed(f.bar, 4048));
    EXPECT_EQ(At(4049).hover, 0);
    EXPECT_TRUE(IsPressed(f.bar, 4095));
    Select(f.bar, f.ui, 4049);
    RestoreChecks(f.bar, f.ui);
    EXPECT_TRUE(IsPressed(f.bar, 4048));
    EXPECT_FALSE(IsPressed(f.bar, 4049));
}

TEST_F(BarFixture, ButtonsDrawnOutsideAFullPaintShowThemselves) {
    Load({Side(4060, kKindPush)});
    f.presented.clear();
    MoveTo(4060);
    ASSERT_EQ(f.presented.size(), 1u);
    EXPECT_EQ(f.presented[0], ButtonArea(f.bar, f.ui, FindButton(f.bar, 4060)));
    f.ui.painting = true;
    TrackHover(f.bar, f.ui, 600, 400);
    EXPECT_EQ(f.presented.size(), 1u);
}

}  // namespace
}  // namespace kavalto

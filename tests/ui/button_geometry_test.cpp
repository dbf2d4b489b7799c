#include <gtest/gtest.h>

#include "pixel_helpers.h"
#include "ui/button_geometry.h"
#include "ui/navigation_buttons.h"
#include "ui_fixture.h"

namespace kavalto {
namespace {

Button Make(int32_t placement, int32_t style, int32_t column, int32_t row, int32_t id = 4060, int32_t group = 1,
            int32_t kind = kKindPush) {
    return Button{placement, style, 0, group, kind, column, row, 1, 0, 0, 1, id};
}

struct GeometryCase {
    const char* name;
    Button button;
    Rect expected;
};

TEST(ButtonGeometry, SizeStylesAndPlacementsOutsideThePage) {
    test::UiFixture f(1024, 700);
    // After the first layout the body top is 48: every style that grows
    // grows by (48 - 43) / 3 = 1.
    const GeometryCase cases[] = {
        {"tab slot 0", Make(0, kStyleTab, 0, 0), {158, 11, 110, 35}},
        {"tab slot 3", Make(0, kStyleTab, 3, 0), {503, 11, 110, 35}},
        {"tab slot 4 stands apart", Make(0, kStyleTab, 4, 0), {628, 11, 110, 35}},
        {"tab slot 5", Make(0, kStyleTab, 5, 0), {753, 11, 110, 35}},
        {"tab slot 6", Make(0, kStyleTab, 6, 0), {878, 11, 110, 35}},
        {"side button", Make(1, kStyleSide, 2, 130), {2, 130, 140, 27}},
        {"two-line side button", Make(2, kStyleSideTwoLines, 2, 90), {2, 90, 140, 34}},
        {"separator", Make(1, kStyleSeparator, 2, 50), {2, 50, 140, 6}},
        {"bottom of the panel", Make(0, kStyleSideTwoLines, 2, -1), {2, 652, 140, 34}},
        {"right edge", Make(0, kStyleSmallIcon, -1, 5), {986, 5, 21, 21}},
        {"square, fixed", Make(0, kStyleSquare, 40, 60), {40, 60, 30, 30}},
        {"check box, fixed", Make(1, kStyleCheck, 2, 60), {2, 60, 22, 22}},
        {"option, fixed", Make(1, kStyleOption, 2, 60), {2, 60, 130, 18}},
    };
    for (const GeometryCase& c : cases) {
        f.bar.count = 1;
        f.bar.buttons[0] = c.button;
        EXPECT_EQ(ButtonRect(f.bar, f.ui, 0), c.expected) << c.name;
    }
}

TEST(ButtonGeometry, InsideThePageGrid) {
    test::UiFixture f(1024, 700);
    const GridMetrics& g = f.ui.grid;
    const float normal = static_cast<float>(g.normalFontSize);
    const int32_t checkW = static_cast<int32_t>(1.5f * normal + 1);
    const int32_t checkH = static_cast<int32_t>(1.5f * normal + 3);
    const int32_t squareW = static_cast<int32_t>(1.5f * normal + 5);
    const int32_t squareH = static_cast<int32_t>(1.5f * normal + 2);
    const GeometryCase cases[] = {
        {"check box", Make(4, kStyleCheck, 30, 14), {g.columnX[30], g.rowY[14], checkW, checkH}},
        {"award toggle of group 102 moves down 4",
         Make(4, kStyleCheck, 45, 14, 4077, 102, kKindToggle),
         {g.columnX[45], g.rowY[14] + 4, checkW, checkH}},
        {"square one lower", Make(4, kStyleSquare, 1, 18), {g.columnX[1], g.rowY[18] + 1, squareW, squareH}},
        {"small icon grows by 1", Make(4, kStyleSmallIcon, 0, 14), {g.columnX[0], g.rowY[14], 21, 22}},
        {"row outside the grid", Make(4, kStyleSquare, 1, 52), {-1, -1, 0, 0}},
        {"column outside the grid", Make(4, kStyleSquare, -1, 3), {-1, -1, 0, 0}},
    };
    for (const GeometryCase& c : cases) {
        f.bar.count = 1;
        f.bar.buttons[0] = c.button;
        EXPECT_EQ(ButtonRect(f.bar, f.ui, 0), c.expected) << c.name;
    }
}

TEST(ButtonGeometry, AfterThePreviousButtonAndAfterALayoutItem) {
    test::UiFixture f(1024, 700);
    f.ui.hooks.layoutItemRight = [](int32_t id) { return id == 351 ? 400 : -1; };
    f.bar.count = 4;
    f.bar.buttons[0] = Make(4, kStyleSquare, 8, 18, 4043);
    f.bar.buttons[1] = Make(5, kStyleSquare, 10, 18, 4047);
    f.bar.buttons[2] = Make(6, kStyleSquare, 351, 14, 4040);
    f.bar.buttons[3] = Make(6, kStyleSquare, 352, 14, 4041);
    const Rect first = ButtonRect(f.bar, f.ui, 0);
    const Rect second = ButtonRect(f.bar, f.ui, 1);
    EXPECT_EQ(second.x, first.x + first.width + 10);
    EXPECT_EQ(second.y, first.y);
    EXPECT_EQ(ButtonRect(f.bar, f.ui, 2).x, 404);
    EXPECT_EQ(ButtonRect(f.bar, f.ui, 3).width, 0);  // no such item: not placed
}

TEST(ButtonGeometry, CheckBoxIsHitOnItsCaptionToo) {
    test::UiFixture f(1024, 700);
    f.bar.count = 1;
    f.bar.buttons[0] = Make(4, kStyleCheck, 30, 14, 4048, 1, kKindToggle);  // "Disk"
    const Rect box = ButtonRect(f.bar, f.ui, 0);
    const Rect hit = HitRect(f.bar, f.ui, 0);
    EXPECT_GT(hit.width, box.width + 20);
    const int32_t y = box.y + box.height / 2;
    EXPECT_EQ(HitTest(f.bar, f.ui, box.x + box.width + 15, y), 0);
    EXPECT_EQ(HitTest(f.bar, f.ui, hit.x + hit.width + 1, y), kNoButton);
}

TEST(ButtonGeometry, HitTestIsStrictAndSkipsHiddenAndRaisedButtons) {
    test::UiFixture f(1024, 700);
    f.bar.count = 2;
    f.bar.buttons[0] = Make(1, kStyleSide, 2, 100);
    f.bar.buttons[1] = Make(1, kStyleSide, 2, 100, 4061);
    EXPECT_EQ(HitTest(f.bar, f.ui, 10, 110), 0);
    EXPECT_EQ(HitTest(f.bar, f.ui, 2, 110), kNoButton);    // on the left edge
    EXPECT_EQ(HitTest(f.bar, f.ui, 10, 100), kNoButton);   // on the top edge
    EXPECT_EQ(HitTest(f.bar, f.ui, 10, 127), kNoButton);   // on the bottom edge
    f.bar.buttons[0].visible = 0;
    EXPECT_EQ(HitTest(f.bar, f.ui, 10, 110), 1);
    f.bar.buttons[1].row = -4;  // above the window: not hit
    f.bar.buttons[1].placement = kPlaceFixed;
    EXPECT_EQ(HitTest(f.bar, f.ui, 10, 0), kNoButton);
}

TEST(ButtonStacking, FromBelowTheLogoWithSeparatorsSpacersAndSharedLines) {
    test::UiFixture f(1024, 700);
    LoadNavigationButtons(f.bar);
    const Button page[] = {
        Make(1, kStyleSide, 2, 0, 4095),
        Make(1, kStyleSeparator, 2, 0, 0, 1, kKindInert),
        Make(2, kStyleSideTwoLines, 2, 0, 4061),
        Make(3, kStyleSide, 70, 0, 4060),
        Make(1, kStyleSpacer, 12, 0, 0, 1, kKindInert),
        Make(1, kStyleSide, 2, 0, 4064),
    };
    LoadPageButtons(f.bar, page, 6);
    StackSideButtons(f.bar, f.ui);
    EXPECT_FALSE(f.bar.relayout);
    const int32_t start = f.ui.skin.logo.height + 50;
    const Button* b = &f.bar.buttons[kNavigationButtonCount];
    EXPECT_EQ(b[0].row, start);
    EXPECT_EQ(b[1].row, start + 27 + 8 + 3);  // followed by a separator: 3 more
    EXPECT_EQ(b[2].row, b[1].row + 6 + 8);
    EXPECT_EQ(b[3].row, b[2].row);            // same line as the previous
    EXPECT_EQ(b[4].row, b[3].row + 27 + 8);
    EXPECT_EQ(b[5].row, b[4].row + 12);       // the spacer's gap
    EXPECT_EQ(f.bar.buttons[6].row, -1);      // the fixed user guide button is not stacked

    f.ui.page = 5;  // the clock stands above the buttons
    f.bar.relayout = true;
    StackSideButtons(f.bar, f.ui);
    EXPECT_EQ(b[0].row, f.ui.skin.logo.height + 80);
}

TEST(ButtonStacking, SpacingShrinksUntilTheLastButtonEndsAboveTheBottom) {
    test::UiFixture f(800, 400);
    std::vector<Button> page(12, Make(1, kStyleSide, 2, 0));
    LoadPageButtons(f.bar, page.data(), 12);
    StackSideButtons(f.bar, f.ui);
    const int32_t start = f.ui.skin.logo.height + 50;
    const int32_t limit = 400 - 15;
    const int32_t spacing = f.bar.buttons[1].row - f.bar.buttons[0].row - 27;
    EXPECT_LT(spacing, 8);
    EXPECT_LE(start + 12 * (27 + spacing), limit);
    EXPECT_GT(start + 12 * (27 + spacing + 1), limit);  // one pixel more would not fit

    // A panel that can never fit ends all the same.
    test::UiFixture tiny(300, 60);
    LoadPageButtons(tiny.bar, page.data(), 12);
    StackSideButtons(tiny.bar, tiny.ui);
    EXPECT_FALSE(tiny.bar.relayout);
}

}  // namespace
}  // namespace kavalto

#include <gtest/gtest.h>

#include <algorithm>

#include "pixel_helpers.h"
#include "ui/button_drawing.h"
#include "ui/button_geometry.h"
#include "ui/picture_ids.h"
#include "ui/text_drawing.h"
#include "ui_fixture.h"

namespace kavalto {
namespace {

constexpr Colour kBack{100, 120, 140};
constexpr int32_t kNoCaption = 4043;  // empty in the caption table

struct DrawingFixture : ::testing::Test {
    test::UiFixture f{1024, 700};

    void SetUp() override {
        Fill(f.ui.background, kBack);
        Fill(f.ui.screen, kBack);
    }
    void Put(const Button& b) {
        f.bar.count = 1;
        f.bar.buttons[0] = b;
        f.bar.hovered = kNoButton;
        DrawButton(f.bar, f.ui, 0);
    }
};

Button SideAt(int32_t id, int32_t y) {
    return Button{kPlaceFixed, kStyleSide, 0, 1, kKindPush, 2, y, 1, 0, 0, 1, id};
}

TEST(SplitCaption, AtTheBlankNearestTheMiddle) {
    struct Case {
        const char* caption;
        const char* first;
        const char* second;
    };
    const Case cases[] = {
        {"Registrere Ekvipasjer", "Registrere", "Ekvipasjer"},
        {"Bruker - veiledning", "Bruker -", "veiledning"},
        {"Vis sammenlagt p\xE5 Storskjerm", "Vis sammenlagt", "p\xE5 Storskjerm"},
        {"ab cd ef", "ab cd", "ef"},
        {"a b c", "a", "b c"},  // a tie goes backward
        {"Klokke", "Klokke", ""},
    };
    for (const Case& c : cases) {
        const auto [first, second] = SplitCaption(c.caption);
        EXPECT_EQ(first, c.first) << c.caption;
        EXPECT_EQ(second, c.second) << c.caption;
    }
}

TEST_F(DrawingFixture, FaceIsTheGradientAdjustedAndAveragedWithTheBackground) {
    const Picture& strip = f.ui.skin.buttonGradient;
    ASSERT_FALSE(strip.empty());
    struct Case {
        const char* name;
        int32_t id;
        uint8_t pressed, hover, enabled;
        int add[3];  // blue, green, red
    };
    const Case cases[] = {
        {"plain", kNoCaption, 0, 0, 1, {20, 0, 0}},
        {"pressed", kNoCaption, 1, 0, 1, {60, 20, 20}},
        {"hovered", kNoCaption, 0, 1, 1, {40, 20, 20}},
        {"pressed and hovered", kNoCaption, 1, 1, 1, {80, 40, 40}},
        {"disabled", kNoCaption, 0, 0, 0, {-10, -30, -30}},
        {"user guide is greener", 4008, 0, 0, 1, {20, 40, 0}},
    };
    for (const Case& c : cases) {
        Button b = SideAt(c.id, 100);
        b.pressed = c.pressed;
        b.hover = c.hover;
        b.enabled = c.enabled;
        Put(b);
        const int32_t height = 27;  // 26 + 1 once the body top is 48
        for (int32_t r : {2, 22, 25}) {  // above and below the caption
            const uint8_t* s = strip.At(0, r * strip.height / height);
            const int bg[3] = {kBack.blue, kBack.green, kBack.red};
            int expected[3];
            for (int k = 0; k < 3; ++k) expected[k] = std::min(255, (std::max(0, s[k] + c.add[k]) + bg[k]) / 2);
            EXPECT_EQ(PixelAt(f.ui.screen, 135, 98 + r),
                      (Colour{static_cast<uint8_t>(expected[2]), static_cast<uint8_t>(expected[1]),
                              static_cast<uint8_t>(expected[0])}))
                << c.name << " row " << r;
        }
    }
}

TEST_F(DrawingFixture, FrameIsLightAboveAndDarkBelowSwappedWhenPressed) {
    Put(SideAt(kNoCaption, 100));
    EXPECT_EQ(PixelAt(f.ui.screen, 60, 98), (Colour{200, 200, 200}));
    EXPECT_EQ(PixelAt(f.ui.screen, 2, 110), (Colour{200, 200, 200}));
    EXPECT_EQ(PixelAt(f.ui.screen, 60, 98 + 26), (Colour{60, 60, 60}));
    EXPECT_EQ(PixelAt(f.ui.screen, 141, 110), (Colour{60, 60, 60}));
    Button pressed = SideAt(kNoCaption, 100);
    pressed.pressed = 1;
    Put(pressed);
    EXPECT_EQ(PixelAt(f.ui.screen, 60, 98), (Colour{60, 60, 60}));
    EXPECT_EQ(PixelAt(f.ui.screen, 60, 99), (Colour{50, 50, 50}));
    EXPECT_EQ(PixelAt(f.ui.screen, 60, 98 + 26), (Colour{200, 200, 200}));
    // Above the face the background is back.
    EXPECT_EQ(PixelAt(f.ui.screen, 60, 95), kBack);
}

TEST_F(DrawingFixture, TabHasNoBottomLineAndACutCorner) {
    Button tab{kPlaceFixed, kStyleTab, 0, 99, kKindRadio, 0, 0, 1, 0, 0, 1, kNoCaption};
    Put(tab);
    const Rect r = ButtonRect(f.bar, f.ui, 0);
    const int32_t bottom = r.y - 2 + r.height - 1;
    EXPECT_NE(PixelAt(f.ui.screen, r.x + 60, bottom), (Colour{60, 60, 60}));
    EXPECT_EQ(PixelAt(f.ui.screen, r.x + r.width - 1, r.y - 2), kBack);  // cut away
    EXPECT_EQ(PixelAt(f.ui.screen, r.x + r.width - 15, r.y - 2),
              (Colour{ShadeValue(200, 200), ShadeValue(200, 200), ShadeValue(200, 200)}));
}

TEST_F(DrawingFixture, DisabledIconIsGrey) {
    Button square{kPlaceFixed, kStyleSquare, kPictureAdd, 1, kKindPush, 300, 300, 0, 0, 0, 1, kNoCaption};
    Put(square);
    int grey = 0;
    for (int32_t y = 298; y < 328; ++y) {
        for (int32_t x = 300; x < 330; ++x) grey += PixelAt(f.ui.screen, x, y) == Colour{164, 164, 164};
    }
    EXPECT_GT(grey, 20);
}

TEST_F(DrawingFixture, CheckBoxShowsItsMarkAndAHighlightedCaptionWhenHovered) {
    Button check{kPlaceGrid, kStyleCheck, 0, 1, kKindToggle, 30, 14, 1, 0, 1, 1, 4048};
    Put(check);
    const Rect r = ButtonRect(f.bar, f.ui, 0);
    const Colour highlight = f.ui.skin.colours.checkHighlight;
    int highlighted = 0;
    for (int32_t x = r.x + r.width + 8; x < r.x + r.width + 60; ++x) {
        highlighted += PixelAt(f.ui.screen, x, r.y + 2) == highlight;
    }
    EXPECT_GT(highlighted, 10);
    EXPECT_EQ(f.bar.checkCaptionWidth, TextWidth(true, CaptionSize(check, f.ui), "Disk"));
    // Checked and unchecked marks differ in the middle of the box.
    const Colour unchecked = PixelAt(f.ui.screen, r.x + r.width / 2, r.y - 2 + r.height / 2);
    check.pressed = 1;
    Put(check);
    EXPECT_NE(PixelAt(f.ui.screen, r.x + r.width / 2, r.y - 2 + r.height / 2), unchecked);
}

TEST_F(DrawingFixture, SeparatorRedrawnDoesNotDeepenItsGroove) {
    Button separator{kPlaceFixed, kStyleSeparator, 0, 1, kKindInert, 2, 200, 1, 0, 0, 1, 0};
    Put(separator);
    const Colour once = PixelAt(f.ui.screen, 60, 199);
    DrawButton(f.bar, f.ui, 0);
    EXPECT_EQ(PixelAt(f.ui.screen, 60, 199), once);
    EXPECT_EQ(once, (Colour{ShadeValue(kBack.red, 220), ShadeValue(kBack.green, 220), ShadeValue(kBack.blue, 220)}));
}

TEST_F(DrawingFixture, UnplacedAndNegativeButtonsAreNotDrawn) {
    const std::vector<uint8_t> before = f.ui.screen.pixels;
    Put(Button{kPlaceFixed, kStyleSide, 0, 1, kKindPush, -5, 100, 1, 0, 0, 1, 4060});
    Put(Button{kPlaceGrid, kStyleSquare, 0, 1, kKindPush, 60, 1, 1, 0, 0, 1, 4060});
    Put(Button{kPlaceFixed, kStyleSpacer, 0, 1, kKindInert, 8, 100, 1, 0, 0, 1, 0});
    EXPECT_EQ(f.ui.screen.pixels, before);
}

}  // namespace
}  // namespace kavalto

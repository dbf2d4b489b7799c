#include <gtest/gtest.h>

#include <QString>

#include "pixel_helpers.h"
#include "ui/button_geometry.h"
#include "ui/navigation_buttons.h"
#include "ui/surface_image.h"
#include "ui_fixture.h"

namespace kavalto {
namespace {

TEST(WindowComposition, BackgroundTitleLogoAndNavigationAt1280x800) {
    test::UiFixture f(1280, 800);
    LoadNavigationButtons(f.bar);
    Select(f.bar, f.ui, 4011);
    f.presented.clear();
    ComposeWindow(f.ui, f.bar, 1280, 800, "4.7.4");
    EXPECT_TRUE(f.presented.empty());  // a full paint shows itself in one copy at its end
    EXPECT_FALSE(f.ui.painting);
    EXPECT_EQ(f.ui.grid.clientWidth, 1280);
    EXPECT_EQ(f.ui.grid.bodyTop, 48);

    // Every navigation button changed the pixels under its face.
    for (int32_t i = 0; i < kNavigationButtonCount; ++i) {
        const Rect r = ButtonRect(f.bar, f.ui, i);
        const int32_t x = r.x + r.width / 2;
        const int32_t y = r.y - 2 + r.height / 2;
        EXPECT_NE(PixelAt(f.ui.screen, x, y), PixelAt(f.ui.background, x, y)) << "button " << i;
    }
    // The logo lies at y 35 in the middle of the left panel.
    const Picture& logo = f.ui.skin.logo;
    int32_t changed = 0;
    for (int32_t y = 35; y < 35 + logo.height; ++y) {
        for (int32_t x = 0; x < 150; ++x) changed += PixelAt(f.ui.screen, x, y) != PixelAt(f.ui.background, x, y);
    }
    EXPECT_GT(changed, logo.width * logo.height / 4);
    // The title's yellow.
    bool title = false;
    for (int32_t y = 10; y < 30 && !title; ++y) {
        for (int32_t x = 0; x < 150 && !title; ++x) title = PixelAt(f.ui.screen, x, y) == f.ui.skin.colours.highText;
    }
    EXPECT_TRUE(title);

    const QByteArray path = qgetenv("KAVALTO_SAVE_SCREEN");
    if (!path.isEmpty()) SurfaceImage(f.ui.screen).save(QString::fromLocal8Bit(path));
}

TEST(WindowComposition, SameSizeKeepsTheBackgroundAndNewSizeRendersAgain) {
    test::UiFixture f(640, 480);
    LoadNavigationButtons(f.bar);
    ComposeWindow(f.ui, f.bar, 640, 480, "1");
    f.ui.background.pixels[0] ^= 0xFF;  // a mark that only a new render would remove
    ComposeWindow(f.ui, f.bar, 640, 480, "1");
    EXPECT_EQ(f.ui.screen.pixels[0], f.ui.background.pixels[0]);
    const uint8_t marked = f.ui.background.pixels[0];
    ComposeWindow(f.ui, f.bar, 700, 480, "1");
    EXPECT_EQ(f.ui.background.width, 700);
    EXPECT_EQ(f.ui.grid.clientWidth, 700);
    EXPECT_NE(f.ui.background.pixels[0], marked);
}

TEST(SurfaceImage, TopRowFirstAndClippedToTheSurface) {
    Surface s = test::FilledSurface(4, 3, Colour{1, 2, 3});
    SetPixel(s, 3, 0, Colour{200, 100, 50});
    const QImage image = SurfaceImage(s, Rect{2, -1, 5, 2});
    ASSERT_EQ(image.width(), 2);
    ASSERT_EQ(image.height(), 1);
    EXPECT_EQ(image.pixel(1, 0), qRgb(200, 100, 50));
    EXPECT_TRUE(SurfaceImage(s, Rect{5, 0, 2, 2}).isNull());
}

}  // namespace
}  // namespace kavalto

#include <gtest/gtest.h>

#include "pixel_helpers.h"
#include "support/recording_notifier.h"
#include "ui/background.h"

namespace kavalto {
namespace {

struct BackgroundFixture : ::testing::Test {
    test::RecordingNotifier notifier;
    Skin skin;

    void SetUp() override { InitSkin(skin, notifier); }

    Surface Render(int32_t width, int32_t height) {
        Surface s;
        Create(s, width, height);
        RenderBackground(s, skin, notifier);
        return s;
    }
};

uint8_t Step(uint8_t from, uint8_t to, int k) {
    return static_cast<uint8_t>(static_cast<float>(from) + static_cast<float>(to - from) * static_cast<float>(k) / 150.0f);
}

TEST_F(BackgroundFixture, ShadingRunsFromTheEdgeInOneOutlinePerStep) {
    skin.colours.shadeTransparency = 100;
    const Surface s = Render(200, 100);
    const ColourSet& c = skin.colours;
    // Column k of the left margin is touched by outline k alone (below the
    // rows the top outlines crowd into).
    for (int k : {0, 5, 60, 143}) {
        EXPECT_EQ(PixelAt(s, k, 60), (Colour{Step(c.shadeStart.red, c.shadeEnd.red, k),
                                            Step(c.shadeStart.green, c.shadeEnd.green, k),
                                            Step(c.shadeStart.blue, c.shadeEnd.blue, k)}))
            << "column " << k;
    }
    EXPECT_EQ(PixelAt(s, 160, 70), c.work);
    EXPECT_TRUE(notifier.warnings.empty());
}

TEST_F(BackgroundFixture, AWideWindowShadesEveryMarginFromEdgeToBody) {
    skin.colours.shadeTransparency = 100;
    const int32_t w = 1200, h = 110, midX = 600, midY = 80;
    const Surface s = Render(w, h);
    const ColourSet& c = skin.colours;
    const Colour last{Step(c.shadeStart.red, c.shadeEnd.red, 149), Step(c.shadeStart.green, c.shadeEnd.green, 149),
                      Step(c.shadeStart.blue, c.shadeEnd.blue, 149)};
    // 150 steps on every side: the last outline meets the body on the left
    // (one pixel per step) and on the top (a third of a pixel per step).
    EXPECT_EQ(PixelAt(s, 0, midY), c.shadeStart);
    EXPECT_EQ(PixelAt(s, 149, midY), last);
    const Colour top = PixelAt(s, midX, 47);
    EXPECT_NEAR(top.red, last.red, 2);
    EXPECT_NEAR(top.blue, last.blue, 2);
    // The right and bottom margins are equally narrow: at the same depth
    // they hold the same colour, lighter than at the edge.
    EXPECT_EQ(PixelAt(s, w - 8, midY), PixelAt(s, midX, h - 8));
    EXPECT_GT(PixelAt(s, w - 8, midY).red, PixelAt(s, w - 1, midY).red);
    EXPECT_GT(PixelAt(s, w - 1, midY).red, c.shadeStart.red - 1);
}

TEST_F(BackgroundFixture, FrameLinesAndCornerMasksShadeAroundTheBody) {
    const Colour flat{120, 120, 120};
    skin.colours.shadeTransparency = 100;
    skin.colours.shadeStart = skin.colours.shadeEnd = skin.colours.work = flat;
    const Surface s = Render(300, 200);
    const int32_t fx = 144, fy = 42, fw = 300 - 152, fh = 200 - 50;
    const int dark[5] = {125, 100, 75, 50, 25};
    const int light[5] = {125, 150, 175, 200, 225};
    for (int i = 0; i < 5; ++i) {
        const uint8_t d = ShadeValue(120, dark[i]);
        const uint8_t l = ShadeValue(120, light[i]);
        EXPECT_EQ(PixelAt(s, 200, fy + i), (Colour{d, d, d})) << i;
        EXPECT_EQ(PixelAt(s, fx + i, 100), (Colour{d, d, d})) << i;
        EXPECT_EQ(PixelAt(s, fx + fw - 1 - i, 100), (Colour{l, l, l})) << i;
        EXPECT_EQ(PixelAt(s, 200, fy + fh - 1 - i), (Colour{l, l, l})) << i;
    }
    EXPECT_EQ(PixelAt(s, 200, fy + 5), flat);
    // Each side runs on to its corner mask: no unshaded pixel between them.
    const uint8_t d0 = ShadeValue(120, 125);
    EXPECT_EQ(PixelAt(s, fx + 9, fy), (Colour{d0, d0, d0}));
    EXPECT_EQ(PixelAt(s, fx + fw - 1, fy + fh - 10), (Colour{d0, d0, d0}));
    // Corners: the outermost pixel is left alone, the rings follow the sides.
    EXPECT_EQ(PixelAt(s, fx, fy), flat);
    const uint8_t ring1 = ShadeValue(120, 100);
    EXPECT_EQ(PixelAt(s, fx + 1, fy + 1), (Colour{ring1, ring1, ring1}));
    const uint8_t lightRing1 = ShadeValue(120, 150);
    EXPECT_EQ(PixelAt(s, fx + fw - 2, fy + fh - 2), (Colour{lightRing1, lightRing1, lightRing1}));
}

TEST_F(BackgroundFixture, TransparencyBlendsPictureAndShading) {
    skin.colours.shadeTransparency = 100;
    const Surface shading = Render(320, 240);
    skin.colours.shadeTransparency = 0;
    const Surface picture = Render(320, 240);
    skin.colours.shadeTransparency = 50;
    const Surface blended = Render(320, 240);
    ASSERT_FALSE(skin.scaledBackground.empty());
    EXPECT_EQ(skin.scaledBackground.width, 320);
    for (auto [x, y] : {std::pair{5, 5}, std::pair{100, 20}, std::pair{200, 120}, std::pair{300, 236}}) {
        const Colour a = PixelAt(shading, x, y);
        const Colour b = PixelAt(picture, x, y);
        EXPECT_EQ(PixelAt(blended, x, y), (Colour{static_cast<uint8_t>((b.red * 50 + a.red * 50) / 100),
                                                  static_cast<uint8_t>((b.green * 50 + a.green * 50) / 100),
                                                  static_cast<uint8_t>((b.blue * 50 + a.blue * 50) / 100)}))
            << x << "," << y;
    }
    // The body shows the picture through the work colour at half strength.
    const Colour body = PixelAt(blended, 200, 120);
    const Colour pic = PixelAt(picture, 200, 120);
    EXPECT_EQ(body.red, (pic.red * 50 + skin.colours.work.red * 50) / 100);
}

TEST_F(BackgroundFixture, ScaledPictureIsKeptForTheSameSizeOnly) {
    Render(200, 100);
    const uint8_t* kept = skin.scaledBackground.pixels.data();
    Render(200, 100);
    EXPECT_EQ(skin.scaledBackground.pixels.data(), kept);
    Render(220, 100);
    EXPECT_EQ(skin.scaledBackground.width, 220);
}

}  // namespace
}  // namespace kavalto

#include <gtest/gtest.h>

#include "pixel_helpers.h"
#include "ui/surface.h"

namespace kavalto {
namespace {

using test::FilledSurface;

constexpr Colour kGrey{100, 100, 100};
constexpr Colour kRed{200, 10, 20};

TEST(Surface, CreateGivesPaddedBottomUpRows) {
    Surface s;
    ASSERT_TRUE(Create(s, 5, 3));
    EXPECT_EQ(s.stride, 16);  // 15 bytes padded to 16
    EXPECT_EQ(s.pixels.size(), 48u);
    SetPixel(s, 0, 0, Colour{1, 2, 3});
    // Row 0 of the picture is the last row in memory, bytes blue, green, red.
    EXPECT_EQ(s.pixels[32], 3);
    EXPECT_EQ(s.pixels[33], 2);
    EXPECT_EQ(s.pixels[34], 1);
    EXPECT_EQ(PixelAt(s, 0, 0), (Colour{1, 2, 3}));
}

TEST(Surface, SizeOfZeroOrLessBecomesTwo) {
    Surface s;
    ASSERT_TRUE(Create(s, 0, -4));
    EXPECT_EQ(s.width, 2);
    EXPECT_EQ(s.height, 2);
}

TEST(Surface, AbsurdSizesAreRefusedAndHugeRectanglesClipped) {
    Surface s;
    EXPECT_FALSE(Create(s, 2000000, 10));
    EXPECT_TRUE(s.empty());
    Surface t = FilledSurface(4, 4, kGrey);
    FillRect(t, kRed, -2000000000, -2000000000, 2147483647, 2147483647);
    ShadeRect(t, 1, 1, 2147483647, 2147483647, 0);
    EXPECT_EQ(PixelAt(t, 3, 3), (Colour{0, 0, 0}));
    EXPECT_EQ(PixelAt(t, 0, 0), kGrey);
}

TEST(Surface, OperationsOnAnEmptySurfaceDrawNothing) {
    Surface empty;
    Fill(empty, kRed);
    FillRect(empty, kRed, 0, 0, 5, 5);
    ShadeRect(empty, 0, 0, 5, 5, 10);
    FlipRows(empty);
    Surface source = FilledSurface(3, 3, kRed);
    CopyRect(empty, 0, 0, 3, 3, source, 0, 0);
    Scale(source, empty);
    EXPECT_TRUE(empty.empty());
}

TEST(Shade, FactorsDarkenBelow128AndLightenFrom128) {
    struct Case {
        int value, factor, expected;
    };
    const Case cases[] = {
        {200, 64, 100},   // 200 * 64 / 128
        {10, 127, 9},     // integer division
        {255, 0, 0},
        {100, 128, 100},  // 128 leaves the value
        {100, 192, 178},  // 100 + 156 * 64 / 128
        {0, 255, 254},    // 256 * 127 / 128
        {255, 255, 255},
        {250, 200, 253},  // 250 + 6 * 72 / 128
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ShadeValue(static_cast<uint8_t>(c.value), c.factor), c.expected)
            << "value " << c.value << " factor " << c.factor;
    }
    Surface s = FilledSurface(4, 4, Colour{200, 100, 0});
    Shade(s, 1, 1, 64);
    EXPECT_EQ(PixelAt(s, 1, 1), (Colour{100, 50, 0}));
    ShadeRect(s, 2, 2, 2, 2, 192);
    EXPECT_EQ(PixelAt(s, 3, 3), (Colour{228, 178, 128}));
    EXPECT_EQ(PixelAt(s, 1, 2), (Colour{200, 100, 0}));
}

TEST(Clip, OnlyPixelsStrictlyInsideTheBoxAreDrawn) {
    Surface s = FilledSurface(6, 6, kGrey);
    FillRect(s, kRed, 0, 0, 6, 6);
    // The default box is 0..20000: row 0 and column 0 lie on its edge.
    EXPECT_EQ(PixelAt(s, 0, 3), kGrey);
    EXPECT_EQ(PixelAt(s, 3, 0), kGrey);
    EXPECT_EQ(PixelAt(s, 1, 1), kRed);
    EXPECT_EQ(PixelAt(s, 5, 5), kRed);

    Surface t = FilledSurface(6, 6, kGrey);
    t.clip = ClipBox{1, 1, 4, 4};
    HorizontalLine(t, kRed, 0, 5, 2);
    VerticalLine(t, kRed, 3, 5, 0);
    Shade(t, 4, 3, 0);
    EXPECT_EQ(PixelAt(t, 1, 2), kGrey);
    EXPECT_EQ(PixelAt(t, 2, 2), kRed);
    EXPECT_EQ(PixelAt(t, 3, 2), kRed);
    EXPECT_EQ(PixelAt(t, 4, 2), kGrey);
    EXPECT_EQ(PixelAt(t, 3, 3), kRed);
    EXPECT_EQ(PixelAt(t, 3, 4), kGrey);
    EXPECT_EQ(PixelAt(t, 4, 3), kGrey);
}

TEST(Lines, DrawBothEndsInEitherOrder) {
    Surface s = FilledSurface(8, 8, kGrey);
    HorizontalLine(s, kRed, 5, 2, 3);
    VerticalLine(s, kRed, 6, 4, 6);
    for (int x = 1; x < 8; ++x) EXPECT_EQ(PixelAt(s, x, 3), (x >= 2 && x <= 5) ? kRed : kGrey) << x;
    for (int y = 1; y < 8; ++y) EXPECT_EQ(PixelAt(s, 6, y), (y >= 4 && y <= 6) ? kRed : kGrey) << y;
}

TEST(CopyRect, SkipsWhatLiesOutsideEitherSurface) {
    Surface source = FilledSurface(4, 4, kRed);
    SetPixel(source, 0, 0, Colour{1, 1, 1});
    Surface target = FilledSurface(5, 5, kGrey);
    CopyRect(target, -1, 3, 4, 4, source, 0, 0);
    EXPECT_EQ(PixelAt(target, 0, 3), kRed);   // source column 1
    EXPECT_EQ(PixelAt(target, 2, 4), kRed);
    EXPECT_EQ(PixelAt(target, 3, 4), kGrey);  // beyond the copied width
    EXPECT_EQ(PixelAt(target, 0, 2), kGrey);

    Surface other = FilledSurface(5, 5, kGrey);
    PlaceSurface(other, source, 3, 3);
    EXPECT_EQ(PixelAt(other, 3, 3), (Colour{1, 1, 1}));
    EXPECT_EQ(PixelAt(other, 4, 4), kRed);
    EXPECT_EQ(PixelAt(other, 2, 2), kGrey);

    Surface same = FilledSurface(4, 4, kGrey);
    CopyAll(same, source);
    EXPECT_EQ(same.pixels, source.pixels);
}

TEST(FlipRows, PutsTheTopRowFirstInMemory) {
    Surface s = FilledSurface(2, 3, kGrey);
    SetPixel(s, 1, 0, kRed);
    FlipRows(s);
    EXPECT_EQ(s.pixels[3], kRed.blue);
    EXPECT_EQ(s.pixels[5], kRed.red);
    EXPECT_EQ(PixelAt(s, 1, 2), kRed);  // read bottom-up, it is now the last row
}

Surface Row(std::initializer_list<Colour> colours) {
    Surface s;
    Create(s, static_cast<int32_t>(colours.size()), 1);
    int32_t x = 0;
    for (const Colour& c : colours) SetPixel(s, x++, 0, c);
    return s;
}

TEST(Scale, WiderInterpolatesBetweenFilledPixelsAndRepeatsTheLast) {
    const Surface source = Row({{0, 0, 0}, {100, 200, 40}});
    Surface target;
    Create(target, 5, 1);
    Scale(source, target);
    // Source 0 lands on 0, source 1 on (int)(1 * 2.5) = 2.
    EXPECT_EQ(PixelAt(target, 0, 0), (Colour{0, 0, 0}));
    EXPECT_EQ(PixelAt(target, 1, 0), (Colour{50, 100, 20}));
    EXPECT_EQ(PixelAt(target, 2, 0), (Colour{100, 200, 40}));
    EXPECT_EQ(PixelAt(target, 3, 0), (Colour{100, 200, 40}));
    EXPECT_EQ(PixelAt(target, 4, 0), (Colour{100, 200, 40}));
}

TEST(Scale, NarrowerAveragesPixelsThatLandTogether) {
    const Surface source = Row({{10, 20, 30}, {30, 40, 50}, {200, 0, 0}, {100, 0, 9}});
    Surface target;
    Create(target, 2, 1);
    Scale(source, target);
    EXPECT_EQ(PixelAt(target, 0, 0), (Colour{20, 30, 40}));
    EXPECT_EQ(PixelAt(target, 1, 0), (Colour{150, 0, 4}));
}

TEST(Scale, TallerInterpolatesAlongColumnsAfterRows) {
    Surface source;
    Create(source, 2, 2);
    SetPixel(source, 0, 0, {0, 0, 0});
    SetPixel(source, 1, 0, {40, 40, 40});
    SetPixel(source, 0, 1, {80, 80, 80});
    SetPixel(source, 1, 1, {120, 120, 120});
    Surface target;
    Create(target, 4, 4);
    Scale(source, target);
    // Filled: rows 0 and 2, columns 0 and 2; the rest interpolated.
    EXPECT_EQ(PixelAt(target, 1, 0), (Colour{20, 20, 20}));
    EXPECT_EQ(PixelAt(target, 3, 0), (Colour{40, 40, 40}));
    EXPECT_EQ(PixelAt(target, 0, 1), (Colour{40, 40, 40}));
    EXPECT_EQ(PixelAt(target, 1, 1), (Colour{60, 60, 60}));
    EXPECT_EQ(PixelAt(target, 3, 3), (Colour{120, 120, 120}));
}

}  // namespace
}  // namespace kavalto

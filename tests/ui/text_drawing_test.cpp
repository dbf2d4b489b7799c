#include <gtest/gtest.h>

#include <QFontInfo>
#include <QFontMetrics>
#include <algorithm>

#include "pixel_helpers.h"
#include "ui/interface_font.h"
#include "ui/text_drawing.h"

namespace kavalto {
namespace {

constexpr Colour kBack{10, 20, 30};
constexpr Colour kInk{255, 255, 0};

bool InkBetween(const Surface& s, int32_t left, int32_t right) {
    for (int32_t y = 0; y < s.height; ++y) {
        for (int32_t x = std::max(left, 0); x < std::min(right, s.width); ++x) {
            if (PixelAt(s, x, y) != kBack) return true;
        }
    }
    return false;
}

TEST(InterfaceFont, TheFaceArielIsArialOrLiberationSans) {
    RegisterInterfaceFont();
    const QString family = QFontInfo(InterfaceFont(false, 14)).family();
    EXPECT_TRUE(family == QStringLiteral("Arial") || family == QStringLiteral("Liberation Sans"))
        << family.toStdString();
    EXPECT_EQ(InterfaceFont(true, 14).weight(), QFont::Bold);
    EXPECT_EQ(InterfaceFont(false, 14).pixelSize(), 14);
}

TEST(Text, WidthGrowsWithSizeAndWeightAndReadsCodePage1252) {
    EXPECT_EQ(TextWidth(false, 14, ""), 0);
    EXPECT_GT(TextWidth(false, 20, "Resultater"), TextWidth(false, 14, "Resultater"));
    EXPECT_GT(TextWidth(true, 14, "Resultater"), TextWidth(false, 14, "Resultater"));
    // "Åpne" with the 1252 byte for Å measures like the real letter, not like '?'.
    EXPECT_EQ(TextWidth(true, 14, "\xC5pne"), InterfaceFontMetrics(true, 14).horizontalAdvance(QStringLiteral("\u00C5pne")));
}

TEST(Text, DrawnInItsColourOnATransparentBackground) {
    Surface s = test::FilledSurface(200, 40, kBack);
    DrawText(s, kInk, true, 16, 10, 5, "Kavalto");
    bool ink = false;
    for (int32_t y = 0; y < 40; ++y) {
        for (int32_t x = 0; x < 200; ++x) ink = ink || PixelAt(s, x, y) == kInk;
    }
    EXPECT_TRUE(ink);
    EXPECT_EQ(PixelAt(s, 195, 20), kBack);
    EXPECT_EQ(PixelAt(s, 100, 38), kBack);
    EXPECT_FALSE(InkBetween(s, 0, 8));
}

TEST(Text, BoxClipsTenPixelsBeforeItsWidth) {
    Surface s = test::FilledSurface(300, 40, kBack);
    DrawTextBox(s, kInk, false, 16, 10, 5, 60, "Registrering av Ekvipasjer");
    EXPECT_TRUE(InkBetween(s, 10, 60));
    EXPECT_FALSE(InkBetween(s, 60, 300));
}

TEST(Text, PartlyOutsideOrOnNoSurfaceIsSafe) {
    Surface s = test::FilledSurface(30, 10, kBack);
    DrawText(s, kInk, true, 20, -15, -8, "Hopp Finale");
    DrawText(s, kInk, true, 20, 25, 5, "Hopp Finale");
    Surface none;
    DrawText(none, kInk, true, 20, 0, 0, "x");
    EXPECT_TRUE(none.empty());
}

}  // namespace
}  // namespace kavalto

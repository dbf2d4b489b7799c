// The page geometry of the targets.
#include <gtest/gtest.h>

#include "printing/pdf_banner.h"
#include "printing/print_metrics.h"

namespace kavalto {
namespace {

TEST(PrintMetrics, PdfPage) {
    const PrintMetrics m = ComputeMetrics(TargetKind::kPdf, 1200, 1600);
    EXPECT_EQ(m.t1, 18);
    EXPECT_EQ(m.t2, 23);
    EXPECT_EQ(m.t3, 26);
    EXPECT_EQ(m.t4, 29);
    EXPECT_EQ(m.t6, 200);
    EXPECT_EQ(m.v, 8);
    EXPECT_EQ(m.l[4], 32);
    EXPECT_EQ(m.unit, 57);
    EXPECT_EQ(m.x[0], 20 + 57);
    EXPECT_EQ(m.x[18], 20 + 19 * 57);
    EXPECT_EQ(m.ruleRight, 1190);
    EXPECT_EQ(m.headerRight, 1200 - 20 - 16);
    EXPECT_EQ(m.bottom, 1600 - 72 - 16);
    EXPECT_EQ(m.footerStep, 16);
}

TEST(PrintMetrics, PrinterKeepsTheFullBottomAndAWiderFooterStep) {
    const PrintMetrics m = ComputeMetrics(TargetKind::kPrinter, 4800, 6600);
    EXPECT_EQ(m.v, 33);
    EXPECT_EQ(m.bottom, 6600 - 9 * 33);
    EXPECT_EQ(m.footerStep, 3 * 33);
    EXPECT_EQ(m.margin, 100);
    EXPECT_EQ(m.x[0], 100 + 4800 / 21);
}

TEST(PrintMetrics, PreviewPageIsThreeByFour) {
    EXPECT_EQ(PreviewPageSize(true, 970, 500).width, 900);
    EXPECT_EQ(PreviewPageSize(true, 970, 500).height, 1200);
    EXPECT_EQ(PreviewPageSize(false, 500, 820).width, 600);
    EXPECT_EQ(PreviewPageSize(false, 500, 820).height, 800);
}

TEST(PdfBanner, FitsTheStripWithAWidthOfWholeSixteens) {
    struct Case {
        int width, height, fittedWidth, fittedHeight;
    };
    const Case cases[] = {
        {1180, 40, 1168, 40},   // wide and low: full width, rounded down
        {300, 100, 240, 80},    // high: 80 high, 300 × 80 / 100 wide
        {2000, 100, 1168, 59},  // b = 100 × 1180 / 2000
        {10, 100, 0, 0},        // narrower than one step of 16
        {0, 10, 0, 0},
    };
    for (const Case& c : cases) {
        const FittedSize size = FitPdfBanner(c.width, c.height, 1200, 1600);
        EXPECT_EQ(size.width, c.fittedWidth) << c.width << "x" << c.height;
        EXPECT_EQ(size.height, c.fittedHeight) << c.width << "x" << c.height;
        EXPECT_LE(size.width, 1180);
        EXPECT_LE(size.height, 80);
        EXPECT_EQ(size.width % 16, 0);
    }
}

TEST(PdfBanner, ScalingKeepsColoursAndTurnsThemToRedGreenBlue) {
    SponsorBanner banner = MakeBanner(4, 2);
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 4; ++x) {
            uint8_t* p = banner.pixels.data() + banner.stride() * y + 3 * x;
            p[0] = 10;   // blue
            p[1] = 20;   // green
            p[2] = y == 0 ? 200 : 100;  // red: the top row brighter
        }
    }
    const SponsorBanner scaled = ScaleBanner(banner, 16, 8);
    ASSERT_EQ(scaled.pixels.size(), static_cast<size_t>(scaled.stride() * 8));
    EXPECT_EQ(scaled.pixels[2], 200);                                    // top left red
    EXPECT_EQ(scaled.pixels[scaled.stride() * 7 + 3 * 15 + 2], 100);     // bottom right red
    EXPECT_EQ(scaled.pixels[scaled.stride() * 3 + 3 * 7 + 1], 20);       // filled between

    banner = MakeBanner(160, 20);
    const RgbImage image = PreparePdfBanner(banner, 1200, 1600);
    EXPECT_EQ(image.width, 640);
    EXPECT_EQ(image.height, 80);
    EXPECT_EQ(image.pixels.size(), static_cast<size_t>(image.width) * image.height * 3);
}

}  // namespace
}  // namespace kavalto

#include <gtest/gtest.h>

#include <QImage>

#include "meet/notifier.h"
#include "pixel_helpers.h"
#include "support/recording_notifier.h"
#include "ui/picture_drawing.h"
#include "ui/picture_ids.h"

namespace kavalto {
namespace {

using test::FilledSurface;
using test::MakePicture;

constexpr Colour kBack{100, 100, 100};
constexpr Colour kInk{10, 20, 30};

TEST(DrawPicture, RedIsTransparentAndOtherPixelsAreCopied) {
    Surface s = FilledSurface(4, 3, kBack);
    const Picture p = MakePicture({{kTransparentKey, kInk}, {kInk, kTransparentKey}});
    DrawPicture(s, p, 1, 1, 0, 0, true);
    EXPECT_EQ(PixelAt(s, 1, 1), kBack);
    EXPECT_EQ(PixelAt(s, 2, 1), kInk);
    EXPECT_EQ(PixelAt(s, 1, 2), kInk);
    EXPECT_EQ(PixelAt(s, 2, 2), kBack);
    EXPECT_EQ(PixelAt(s, 0, 0), kBack);
}

TEST(DrawPicture, GreenTakesTheAverageOfItsDrawnNeighbours) {
    Surface s = FilledSurface(5, 3, kBack);
    const Picture p = MakePicture({{Colour{40, 40, 40}, kEdgeKey, Colour{200, 0, 80}}});
    DrawPicture(s, p, 1, 1, 0, 0, true);
    // Left (40), right (200, 0, 80), above and below (100) averaged.
    EXPECT_EQ(PixelAt(s, 2, 1), (Colour{110, 60, 80}));
}

TEST(DrawPicture, LightenGreyAndPressedOffset) {
    const Picture p = MakePicture({{Colour{250, 100, 0}}});
    Surface lit = FilledSurface(4, 4, kBack);
    DrawPicture(lit, p, 0, 0, 0, 25, true);
    EXPECT_EQ(PixelAt(lit, 0, 0), (Colour{255, 125, 25}));

    Surface grey = FilledSurface(4, 4, kBack);
    DrawPicture(grey, p, 0, 0, 0, 0, false);
    EXPECT_EQ(PixelAt(grey, 0, 0), kDisabledPictureGrey);

    Surface pressed = FilledSurface(4, 4, kBack);
    DrawPicture(pressed, p, 0, 0, 2, 0, true);
    EXPECT_EQ(PixelAt(pressed, 0, 0), kBack);
    EXPECT_EQ(PixelAt(pressed, 2, 2), (Colour{250, 100, 0}));
}

TEST(DrawPicture, PartlyOutsideTheSurfaceDrawsTheRest) {
    Surface s = FilledSurface(2, 2, kBack);
    const Picture p = MakePicture({{kInk, kInk, kInk}, {kInk, kInk, kInk}});
    DrawPicture(s, p, -2, 1, 0, 0, true);
    EXPECT_EQ(PixelAt(s, 0, 1), kInk);
    EXPECT_EQ(PixelAt(s, 1, 1), kBack);
    DrawPicture(s, Picture{}, 0, 0, 0, 0, true);
    EXPECT_EQ(PixelAt(s, 0, 0), kBack);
}

TEST(ShadeMask, BlueByteIsTheFactorUnlessRedIs255) {
    Surface s = FilledSurface(3, 1, Colour{200, 100, 0});
    const Picture mask = MakePicture({{Colour{64, 64, 64}, Colour{255, 64, 64}, Colour{0, 0, 192}}});
    ShadeMask(s, mask, 0, 0);
    EXPECT_EQ(PixelAt(s, 0, 0), (Colour{100, 50, 0}));
    EXPECT_EQ(PixelAt(s, 1, 0), (Colour{200, 100, 0}));
    EXPECT_EQ(PixelAt(s, 2, 0), (Colour{228, 178, 128}));
}

TEST(PictureLoading, EveryPictureOfTheProgramLoads) {
    test::RecordingNotifier notifier;
    for (int32_t id = 1; id < 1000; ++id) {
        if (PictureResource(id) == nullptr) continue;
        const Picture p = LoadPicture(id, notifier);
        EXPECT_FALSE(p.empty()) << "picture " << id;
    }
    EXPECT_TRUE(LoadPicture(999, notifier).empty());
    EXPECT_TRUE(notifier.warnings.empty());
}

TEST(PictureLoading, SizesAndRolesOfTheKeptPictures) {
    test::RecordingNotifier notifier;
    const Picture background = LoadPicture(kPictureBackground, notifier);
    EXPECT_EQ(background.width, 2000);
    EXPECT_EQ(background.height, 1280);
    for (int32_t id : {kPictureCornerTopLeft, kPictureCornerTopRight, kPictureCornerBottomLeft,
                       kPictureCornerBottomRight}) {
        const Picture corner = LoadPicture(id, notifier);
        EXPECT_EQ(corner.width, 9);
        EXPECT_EQ(corner.height, 9);
    }
    for (int32_t id : {kPictureScrollUp, kPictureScrollDown, kPictureScrollTrack, kPictureThumbTop}) {
        EXPECT_EQ(LoadPicture(id, notifier).width, 22) << id;
    }
    const Picture logo = LoadPicture(kPictureLogo, notifier);
    EXPECT_LE(logo.width, 140);
}

TEST(PictureLoading, AnyPixelFormatBecomesBlueGreenRed) {
    QImage indexed(3, 2, QImage::Format_Indexed8);
    indexed.setColorTable({qRgb(10, 20, 30), qRgb(200, 100, 50)});
    indexed.fill(1);
    test::RecordingNotifier notifier;
    const Picture p = PictureFromImage(indexed, notifier);
    ASSERT_EQ(p.width, 3);
    ASSERT_EQ(p.height, 2);
    EXPECT_EQ(p.At(2, 1)[0], 50);
    EXPECT_EQ(p.At(2, 1)[1], 100);
    EXPECT_EQ(p.At(2, 1)[2], 200);

    EXPECT_TRUE(PictureFromImage(QImage(), notifier).empty());
    EXPECT_TRUE(PictureFromImage(QImage(10001, 1, QImage::Format_RGB888), notifier).empty());
}

}  // namespace
}  // namespace kavalto

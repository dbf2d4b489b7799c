// The mouse on the main view: buttons, double clicks, the popup menu, the
// cursors and the self-redraw of a hovered button.
#include <gtest/gtest.h>

#include "ui/pixel_helpers.h"
#include "ui/popup_menu.h"
#include "ui/surface.h"
#include "view_fixture.h"

namespace kavalto {
namespace {

using test::kTestPushButton;
using test::kTestToggleButton;

class ViewMouse : public test::ViewTest {};

TEST_F(ViewMouse, ADoubleClickCountsAsThreeClicksOfAButton) {
    OpenRecordingWindow();
    DoubleClick(ButtonCentre(kTestPushButton));
    EXPECT_EQ(recorder.events, std::vector<PageEvent>(3, PageEvent{kEventButton, kTestPushButton, 0}));
    EXPECT_FALSE(IsPressed(bar(), kTestPushButton));

    recorder.events.clear();
    DoubleClick(ButtonCentre(kTestToggleButton));
    EXPECT_EQ(recorder.events, std::vector<PageEvent>(3, PageEvent{kEventButton, kTestToggleButton, 0}));
    EXPECT_TRUE(IsPressed(bar(), kTestToggleButton)) << "three toggles from off";
}

TEST_F(ViewMouse, APushButtonFiresOnlyWhenReleasedOverIt) {
    OpenRecordingWindow();
    const QPoint on = ButtonCentre(kTestPushButton);
    Arrive(on);
    Press(on);
    EXPECT_TRUE(IsPressed(bar(), kTestPushButton));
    const QPoint off(on.x(), on.y() + 200);
    QTest::mouseMove(window(), InWindow(off));
    Release(off);
    EXPECT_TRUE(recorder.events.empty());
    EXPECT_FALSE(IsPressed(bar(), kTestPushButton));
}

TEST_F(ViewMouse, AnOpenMenuClosesWithoutAnEventOnAClickBesideItAndMutesTheLogo) {
    OpenRecordingWindow();
    const PopupEntry entries[] = {{450, 0, 0, 1}, {451, 0, 0, 1}};
    ASSERT_TRUE(OpenPopup(bar(), ui(), kTestPushButton, "Meny", entries, 2));
    Settle();

    const QPoint logo(75, 35 + ui().skin.logo.height / 2);
    Arrive(logo);
    EXPECT_EQ(view()->cursor().shape(), Qt::ArrowCursor);

    Click(QPoint(ui().grid.clientWidth / 2, ui().grid.clientHeight / 2));
    EXPECT_FALSE(bar().popup.open);
    EXPECT_TRUE(recorder.events.empty());
    Arrive(logo);
    EXPECT_EQ(view()->cursor().shape(), Qt::PointingHandCursor);
}

TEST_F(ViewMouse, AChosenMenuEntryReachesThePage) {
    OpenRecordingWindow();
    const PopupEntry entries[] = {{450, 0, 0, 1}, {451, 0, 0, 1}};
    ASSERT_TRUE(OpenPopup(bar(), ui(), kTestPushButton, "Meny", entries, 2));
    Settle();
    const PopupEntry& second = bar().popup.entries[1];
    Click(QPoint(40, second.y + ui().grid.smallFontSize / 2));
    EXPECT_EQ(recorder.events, (std::vector<PageEvent>{{kEventPopupChoice, kTestPushButton, 451}}));
}

TEST_F(ViewMouse, TheCursorIsAHandOverButtonsAndAnArrowElsewhere) {
    OpenRecordingWindow();
    Arrive(ButtonCentre(4012));
    EXPECT_EQ(view()->cursor().shape(), Qt::PointingHandCursor);
    Arrive(QPoint(ui().grid.clientWidth / 2, ui().grid.clientHeight / 2));
    EXPECT_EQ(view()->cursor().shape(), Qt::ArrowCursor);
}

// Hovering a button redraws that button alone and copies only its
// rectangle to the window; the window is not composed again.
TEST_F(ViewMouse, AHoveredButtonShowsOnlyItsOwnRectangle) {
    OpenRecordingWindow();
    std::vector<Rect> presented;
    int repaints = 0;
    auto present = ui().hooks.present;
    auto repaint = ui().hooks.repaint;
    ui().hooks.present = [&](const Rect& r) {
        presented.push_back(r);
        present(r);
    };
    ui().hooks.repaint = [&] {
        ++repaints;
        repaint();
    };
    const int32_t index = FindButton(bar(), kTestPushButton);
    const Rect area = ButtonArea(bar(), ui(), index);
    const QPoint centre = ButtonCentre(kTestPushButton);
    const Colour before = PixelAt(ui().screen, centre.x() + 40, centre.y());

    Arrive(centre);
    Settle();
    ASSERT_FALSE(presented.empty());
    for (const Rect& r : presented) {
        EXPECT_GE(r.x, area.x);
        EXPECT_GE(r.y, area.y);
        EXPECT_LE(r.x + r.width, area.x + area.width);
        EXPECT_LE(r.y + r.height, area.y + area.height);
    }
    EXPECT_EQ(repaints, 0);
    EXPECT_NE(PixelAt(ui().screen, centre.x() + 40, centre.y()), before) << "the hovered face is lighter";
    // What the window shows is the redrawn button.
    const QImage shown = view()->grab().toImage();
    const Colour now = PixelAt(ui().screen, centre.x() + 40, centre.y());
    const QRgb pixel = shown.pixel(centre.x() + 40, centre.y());
    EXPECT_EQ((Colour{static_cast<uint8_t>(qRed(pixel)), static_cast<uint8_t>(qGreen(pixel)),
                      static_cast<uint8_t>(qBlue(pixel))}),
              now);
}

}  // namespace
}  // namespace kavalto

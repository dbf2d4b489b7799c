// The list panel driven through the main view: row choice and dragging,
// the scroll bar, the arrows' auto-repeat, the wheel and a resize.
#include <gtest/gtest.h>

#include "ui/scroll_control.h"
#include "view_fixture.h"

namespace kavalto {
namespace {

using test::kTestPanelId;

class ViewListPanel : public test::ViewTest {
protected:
    void OpenOn(int32_t page, int32_t rows) {
        OpenRecordingWindow(rows);
        view()->SetPage(page);
        Settle();
        recorder.events.clear();
    }
    int32_t ScrollBarMiddle() const { return panel().scrollBarX + 11; }
    QPoint DownArrow() const { return {ScrollBarMiddle(), panel().y - 10 + panel().height - 9}; }
    QPoint ThumbMiddle() const {
        return {ScrollBarMiddle(), panel().y + 10 + panel().thumbPos + panel().thumbLength / 2};
    }
    void Drag(QPoint p) { QTest::mouseMove(window(), InWindow(p)); }
};

TEST_F(ViewListPanel, PressOnARowChoosesItAndDraggingReportsEveryFurtherRowUntilTheRelease) {
    OpenOn(kPageParticipants, 100);
    // Moving over the rows with the button up reports nothing.
    for (int32_t line = 0; line < 4; ++line) Arrive(RowPoint(line));
    EXPECT_TRUE(recorder.events.empty());
    EXPECT_EQ(view()->cursor().shape(), Qt::PointingHandCursor);

    Arrive(RowPoint(1));
    Press(RowPoint(1));
    for (int32_t line = 2; line <= 4; ++line) Drag(RowPoint(line));
    Release(RowPoint(4));
    EXPECT_EQ(recorder.events, (std::vector<PageEvent>{{3, kTestPanelId, 1}, {4, kTestPanelId, 2},
                                                       {4, kTestPanelId, 3}, {4, kTestPanelId, 4}}));
    EXPECT_EQ(panel().selectedRow, 1);

    recorder.events.clear();
    Arrive(RowPoint(6));
    Arrive(RowPoint(2));
    EXPECT_TRUE(recorder.events.empty());
}

TEST_F(ViewListPanel, FewRowsShowNoScrollBarAndTheWheelDoesNothing) {
    OpenOn(kPageLists, 5);
    EXPECT_FALSE(panel().scrollable);
    const Surface& s = ui().screen;
    const int32_t x = panel().scrollBarX + 11;
    for (int32_t y = panel().y; y < panel().y + panel().height - 20; y += 7) {
        EXPECT_EQ(PixelAt(s, x, y), PixelAt(ui().background, x, y)) << y;
    }
    Wheel(RowPoint(1), -120);
    EXPECT_EQ(panel().firstRow, 0);
    EXPECT_EQ(recorder.filledRows.size() % 5, 0u) << "only the page's rows are asked for";
}

TEST_F(ViewListPanel, TheWheelScrollsWholeNotchesTowardsTheFirstRowWhenPositive) {
    OpenOn(kPageLists, 200);
    Wheel(RowPoint(1), -120);
    EXPECT_EQ(panel().firstRow, 1);
    Wheel(RowPoint(1), -360);
    EXPECT_EQ(panel().firstRow, 4);
    Wheel(RowPoint(1), 120);
    EXPECT_EQ(panel().firstRow, 3);
    // A fine wheel's parts of a notch add up to one.
    for (int i = 0; i < 3; ++i) Wheel(RowPoint(1), -40);
    EXPECT_EQ(panel().firstRow, 4);
    Wheel(RowPoint(1), 12000);
    EXPECT_EQ(panel().firstRow, 0);
}

TEST_F(ViewListPanel, TheThumbDraggedPastTheEndStopsAtTheLastScreenful) {
    OpenOn(kPageLists, 300);
    Arrive(ThumbMiddle());
    ASSERT_TRUE(panel().thumbHover);
    Press(ThumbMiddle());
    EXPECT_TRUE(view()->scrollControl().dragActive);
    Drag(QPoint(ScrollBarMiddle(), ui().grid.clientHeight + 200));
    EXPECT_EQ(panel().firstRow, panel().rows - panel().visibleRows);
    EXPECT_EQ(panel().thumbPos, panel().maxThumbPos);
    Release(QPoint(ScrollBarMiddle(), ui().grid.clientHeight + 200));
    EXPECT_FALSE(view()->scrollControl().dragActive);
    EXPECT_EQ(panel().firstRow, panel().rows - panel().visibleRows) << "the release keeps the last screenful";
    EXPECT_TRUE(recorder.events.empty());
}

TEST_F(ViewListPanel, AClickInTheTrackMovesTheThumbsTopThereAndDragsIt) {
    OpenOn(kPageLists, 300);
    const int32_t y = panel().trackTop + panel().trackLength / 2;
    const QPoint track(ScrollBarMiddle(), y);
    Arrive(track);
    Press(track);
    EXPECT_EQ(panel().thumbPos, y - panel().trackTop);
    const int32_t first = panel().firstRow;
    EXPECT_GT(first, 0);
    Drag(QPoint(ScrollBarMiddle(), y + 30));
    EXPECT_EQ(panel().thumbPos, y + 30 - panel().trackTop);
    EXPECT_GT(panel().firstRow, first);
    Release(QPoint(ScrollBarMiddle(), y + 30));
    EXPECT_FALSE(panel().dragging);
}

// The press scrolls once; on the participant list a held arrow repeats
// after more than 50 ticks of 10 ms, then after every 6.
TEST_F(ViewListPanel, AHeldArrowRepeatsOnTheParticipantListOnly) {
    for (const int32_t page : {kPageParticipants, kPageLists}) {
        SCOPED_TRACE(page);
        OpenOn(page, 500);
        const int32_t step = panel().pageStep;
        Arrive(DownArrow());
        ASSERT_TRUE(panel().downHover);
        Press(DownArrow());
        EXPECT_EQ(panel().thumbPos, step);
        EXPECT_TRUE(panel().downHeld);
        const bool repeats = page == kPageParticipants;
        for (int i = 0; i < 50; ++i) view()->RepeatTimerTick();
        EXPECT_EQ(panel().thumbPos, step);
        view()->RepeatTimerTick();
        EXPECT_EQ(panel().thumbPos, repeats ? 2 * step : step);
        for (int i = 0; i < 5; ++i) view()->RepeatTimerTick();
        EXPECT_EQ(panel().thumbPos, repeats ? 2 * step : step);
        view()->RepeatTimerTick();
        EXPECT_EQ(panel().thumbPos, repeats ? 3 * step : step);

        Release(DownArrow());
        EXPECT_EQ(view()->scrollControl().heldPanelId, -1);
        for (int i = 0; i < 100; ++i) view()->RepeatTimerTick();
        EXPECT_EQ(panel().thumbPos, repeats ? 3 * step : step);
        frame.reset();
    }
}

TEST_F(ViewListPanel, LeavingTheHeldArrowStopsTheRepeat) {
    OpenOn(kPageParticipants, 500);
    Arrive(DownArrow());
    Press(DownArrow());
    Drag(RowPoint(3));
    EXPECT_FALSE(panel().downHeld);
    EXPECT_EQ(view()->scrollControl().heldPanelId, -1);
    Release(RowPoint(3));
}

TEST_F(ViewListPanel, AResizeStartsTheListAtItsFirstRowAndRendersTheBackgroundAgain) {
    OpenOn(kPageLists, 300);
    Arrive(RowPoint(2));
    Press(RowPoint(2));
    Release(RowPoint(2));
    Wheel(RowPoint(1), -600);
    ASSERT_EQ(panel().firstRow, 5);
    ASSERT_EQ(panel().selectedRow, 2);

    const QSize before = view()->size();
    frame->resize(frame->width() - 100, frame->height() - 80);
    Settle();
    ASSERT_NE(view()->size(), before);
    EXPECT_EQ(ui().screen.width, view()->width());
    EXPECT_EQ(ui().grid.clientWidth, view()->width());
    EXPECT_EQ(panel().firstRow, 0);
    EXPECT_EQ(panel().selectedRow, -1);
    EXPECT_EQ(panel().scrollBarX, view()->width() - 37);
}

}  // namespace
}  // namespace kavalto

// The list panel on a drawing context of its own: measures, the rows it
// asks for, what it draws, and the scroll arithmetic.
#include <gtest/gtest.h>

#include <cstdio>

#include "pixel_helpers.h"
#include "ui/list_panel.h"
#include "ui/scroll_control.h"
#include "ui_fixture.h"

namespace kavalto {
namespace {

struct RowFill {
    int32_t row;
    bool bold, smaller, markHash, markDot, grey;  // as the page found them
};

class ListPanelTest : public ::testing::Test {
protected:
    ListPanelTest() {
        fixture.ui.hooks.send = [this](const PageEvent& e) { OnEvent(e); };
    }

    // A page's usual set-up: one text cell per row.
    void Show(int32_t rows) {
        panel.id = 5;
        panel.topRow = 8;
        panel.rows = rows;
        panel.cellCount = 1;
        panel.cells[0].x = 200;
        panel.cells[0].width = 300;
        panel.shown = true;
        ResetListPanel(panel, fixture.ui);
        DrawListPanel(panel, fixture.ui);
        fills.clear();
        fixture.presented.clear();
    }

    void OnEvent(const PageEvent& e) {
        if (e.type != kEventFillRow) {
            events.push_back(e);
            return;
        }
        fills.push_back({e.id, panel.bold, panel.smaller, panel.markHash, panel.markDot, panel.grey});
        std::snprintf(panel.cells[0].text, sizeof panel.cells[0].text, "Rad %d", e.id);
        // The page sets marks for one row only; the panel must clear them.
        if (markRowOne && e.id == 1) panel.bold = panel.smaller = panel.markHash = panel.markDot = panel.grey = true;
    }

    int32_t LineTop(int32_t line) const { return panel.y + 5 + line * panel.rowHeight; }
    int32_t CountColour(const Rect& r, Colour c) const {
        int32_t n = 0;
        for (int32_t y = r.y; y < r.y + r.height; ++y) {
            for (int32_t x = r.x; x < r.x + r.width; ++x) n += PixelAt(fixture.ui.screen, x, y) == c ? 1 : 0;
        }
        return n;
    }

    test::UiFixture fixture;
    ListPanel panel;
    ScrollControl scroll;
    std::vector<RowFill> fills;
    std::vector<PageEvent> events;
    bool markRowOne = false;
};

TEST_F(ListPanelTest, MeasuresFollowTheWindowAndTheRows) {
    Show(200);
    const GridMetrics& grid = fixture.ui.grid;
    EXPECT_EQ(panel.x, 155);
    EXPECT_EQ(panel.y, grid.rowY[8]);
    EXPECT_EQ(panel.width, grid.clientWidth - 187);
    EXPECT_EQ(panel.height, grid.bodyTop + grid.bodyHeight - panel.y - 20);
    EXPECT_EQ(panel.scrollBarX, grid.clientWidth - 37);
    EXPECT_EQ(panel.rowHeight, grid.normalFontSize + 2);
    EXPECT_EQ(panel.visibleRows, panel.height / panel.rowHeight);
    EXPECT_EQ(panel.trackLength, panel.height - 40);
    EXPECT_EQ(panel.thumbLength, panel.trackLength * panel.visibleRows / 200);
    EXPECT_EQ(panel.maxThumbPos, panel.trackLength - panel.thumbLength);
    EXPECT_EQ(panel.pageStep, panel.visibleRows - 2);
    EXPECT_FLOAT_EQ(panel.pixelsPerRow,
                    static_cast<float>(panel.maxThumbPos) / static_cast<float>(200 - panel.visibleRows));
    EXPECT_TRUE(panel.scrollable);
}

TEST_F(ListPanelTest, OnlyTheVisibleRowsAreAskedForWithTheRowMarksCleared) {
    Show(200);
    markRowOne = true;
    DrawListPanel(panel, fixture.ui);
    ASSERT_EQ(static_cast<int32_t>(fills.size()), panel.visibleRows);
    for (size_t i = 0; i < fills.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(fills[i].row, static_cast<int32_t>(i));
        EXPECT_FALSE(fills[i].bold || fills[i].smaller || fills[i].markHash || fills[i].markDot);
        EXPECT_EQ(fills[i].grey, i >= 2) << "grey stays as the page left it";
    }
    EXPECT_EQ(panel.lastRowBottom, LineTop(panel.visibleRows));

    fills.clear();
    panel.thumbPos = panel.maxThumbPos;
    DrawListPanel(panel, fixture.ui);
    ASSERT_FALSE(fills.empty());
    EXPECT_EQ(fills.front().row, 200 - panel.visibleRows);
    EXPECT_EQ(fills.back().row, 199);
}

TEST_F(ListPanelTest, NoRowsDrawNothingButTheBackground) {
    Show(0);
    DrawListPanel(panel, fixture.ui);
    EXPECT_TRUE(fills.empty());
    EXPECT_FALSE(panel.scrollable);
    const Rect area = ListPanelArea(panel);
    for (int32_t y = area.y; y < area.y + area.height; y += 3) {
        for (int32_t x = area.x; x < area.x + area.width; x += 5) {
            ASSERT_EQ(PixelAt(fixture.ui.screen, x, y), PixelAt(fixture.ui.background, x, y)) << x << "," << y;
        }
    }
}

TEST_F(ListPanelTest, FewRowsHaveNoScrollBarAndAFixedFirstRow) {
    Show(4);
    EXPECT_FALSE(panel.scrollable);
    const int32_t x = panel.scrollBarX + 11;
    for (int32_t y = panel.y - 10; y < panel.y + panel.height - 10; y += 4) {
        EXPECT_EQ(PixelAt(fixture.ui.screen, x, y), PixelAt(fixture.ui.background, x, y)) << y;
    }
    EXPECT_EQ(HitTestListPanel(panel, x, panel.y + 40), ListPanelHit::kNothing);
    panel.thumbPos = 50;
    WheelListPanel(panel, fixture.ui, -240);
    StepListPanel(panel, fixture.ui, panel.id, kScrollDown);
    EXPECT_EQ(panel.firstRow, 0);
    EXPECT_EQ(panel.thumbPos, 0);
}

TEST_F(ListPanelTest, TheScrollBarCoversItsColumnAndItsPartsAreHitWhereDrawn) {
    Show(200);
    panel.thumbPos = 100;
    DrawListPanel(panel, fixture.ui);
    const int32_t x = panel.scrollBarX + 11;
    // The arrows, the track and the thumb cover the bar's whole height.
    int32_t changed = 0;
    for (int32_t y = panel.y - 10; y < panel.y + panel.height - 10; ++y) {
        changed += PixelAt(fixture.ui.screen, x, y) == PixelAt(fixture.ui.background, x, y) ? 0 : 1;
    }
    EXPECT_GT(changed, panel.height * 95 / 100);
    const struct {
        int32_t y;
        ListPanelHit hit;
    } cases[] = {
        {panel.y - 5, ListPanelHit::kUpArrow},
        {panel.y + 12 + 100, ListPanelHit::kThumb},
        {panel.y + 10 + 100 + panel.thumbLength + 5, ListPanelHit::kTrack},
        {panel.y + panel.height - 15, ListPanelHit::kDownArrow},
        {panel.y + panel.height, ListPanelHit::kNothing},
    };
    for (const auto& c : cases) EXPECT_EQ(HitTestListPanel(panel, x, c.y), c.hit) << c.y;
    EXPECT_EQ(HitTestListPanel(panel, panel.scrollBarX + 1, panel.y - 5), ListPanelHit::kNothing);
    EXPECT_EQ(HitTestListPanel(panel, 300, LineTop(2) + 3), ListPanelHit::kRows);
    EXPECT_EQ(HitTestListPanel(panel, 300, panel.lastRowBottom + 1), ListPanelHit::kNothing);
}

TEST_F(ListPanelTest, SelectedRowFilledHoveredRowInTheHighTextColour) {
    Show(50);
    panel.selectedRow = 2;
    HoverListPanel(panel, fixture.ui, scroll, 400, LineTop(4) + 4);
    ASSERT_EQ(panel.hoverRow, 4);
    const ColourSet& colours = fixture.ui.skin.colours;
    const Rect selectedLine{panel.x + 400, LineTop(2) + 1, 100, panel.rowHeight - 2};
    EXPECT_EQ(CountColour(selectedLine, colours.selection), selectedLine.width * selectedLine.height);
    const Rect hoveredText{200, LineTop(4), 80, panel.rowHeight};
    EXPECT_GT(CountColour(hoveredText, colours.highText), 5);
    const Rect otherText{200, LineTop(3), 80, panel.rowHeight};
    EXPECT_EQ(CountColour(otherText, colours.highText), 0);
    EXPECT_GT(CountColour(otherText, colours.normalText), 5);
}

// A hover change redraws the panel alone and shows only its rectangle.
TEST_F(ListPanelTest, AHoverChangeShowsOnlyThePanel) {
    Show(50);
    HoverListPanel(panel, fixture.ui, scroll, 400, LineTop(3) + 4);
    const Rect area = ListPanelArea(panel);
    ASSERT_EQ(fixture.presented.size(), 1u);
    EXPECT_EQ(fixture.presented[0], area);
    EXPECT_EQ(fixture.repaints, 0);
    fixture.presented.clear();
    HoverListPanel(panel, fixture.ui, scroll, 400, LineTop(3) + 6);
    EXPECT_TRUE(fixture.presented.empty()) << "same row: nothing to redraw";
}

TEST_F(ListPanelTest, RightAlignedCellsEndAtTheirPositionPlusTheOffset) {
    Show(3);
    panel.cells[0].rightAligned = 1;
    panel.cells[0].x = 600;
    panel.cellOffset = 20;
    DrawListPanel(panel, fixture.ui);
    const Colour text = fixture.ui.skin.colours.normalText;
    const Rect left{560, LineTop(0), 60, panel.rowHeight};
    const Rect right{621, LineTop(0), 60, panel.rowHeight};
    EXPECT_GT(CountColour(left, text), 5);
    EXPECT_EQ(CountColour(right, text), 0);
}

TEST_F(ListPanelTest, ArrowStepsMoveTheThumbByThePageStepInPixels) {
    Show(300);
    StepListPanel(panel, fixture.ui, panel.id, kScrollDown);
    EXPECT_EQ(panel.thumbPos, panel.pageStep);
    StepListPanel(panel, fixture.ui, panel.id + 1, kScrollDown);
    StepListPanel(panel, fixture.ui, panel.id, 7);
    EXPECT_EQ(panel.thumbPos, panel.pageStep) << "another panel's or no direction";
    StepListPanel(panel, fixture.ui, panel.id, kScrollUp);
    StepListPanel(panel, fixture.ui, panel.id, kScrollUp);
    EXPECT_EQ(panel.thumbPos, 0);
    EXPECT_EQ(panel.firstRow, 0);
}

TEST_F(ListPanelTest, ScrollToShowsTheRowOnTopAndSelectsIt) {
    Show(300);
    ScrollListTo(panel, fixture.ui, 120);
    EXPECT_EQ(panel.firstRow, 120);
    EXPECT_EQ(panel.selectedRow, 120);
    ScrollListTo(panel, fixture.ui, 299);
    EXPECT_EQ(panel.firstRow, 300 - panel.visibleRows);
    panel.shown = false;
    ScrollListTo(panel, fixture.ui, 10);
    EXPECT_EQ(panel.firstRow, 300 - panel.visibleRows) << "a hidden panel does not scroll";
}

// However the track's pixels divide among the rows, every wheel notch
// moves the list: the row is taken back from a whole pixel position.
TEST_F(ListPanelTest, EveryWheelNotchMovesTheListWhateverTheTrackToRowRatio) {
    Show(0);
    const int32_t visible = panel.visibleRows;
    for (const int32_t hidden : {1, 4, 11, 27, 90, 303, 2470, 8970}) {
        SCOPED_TRACE(hidden);
        const int32_t rows = visible + hidden;
        Show(rows);
        const int32_t last = rows - panel.visibleRows;
        for (int32_t notch = 0; notch < 60 && panel.firstRow < last; ++notch) {
            const int32_t before = panel.firstRow;
            WheelListPanel(panel, fixture.ui, -120);
            ASSERT_GT(panel.firstRow, before);
        }
        WheelListPanel(panel, fixture.ui, -120 * rows);
        EXPECT_EQ(panel.firstRow, last);
        for (int32_t notch = 0; notch < 60 && panel.firstRow > 0; ++notch) {
            const int32_t before = panel.firstRow;
            WheelListPanel(panel, fixture.ui, 120);
            ASSERT_LT(panel.firstRow, before);
        }
    }
}

TEST_F(ListPanelTest, PressAndHoverReportRowsOnlyWhileTheButtonIsDown) {
    Show(50);
    HoverListPanel(panel, fixture.ui, scroll, 400, LineTop(1) + 4);
    HoverListPanel(panel, fixture.ui, scroll, 400, LineTop(2) + 4);
    EXPECT_TRUE(events.empty());
    EXPECT_TRUE(PressListPanel(panel, fixture.ui, scroll, 400, LineTop(2) + 4));
    HoverListPanel(panel, fixture.ui, scroll, 400, LineTop(3) + 4);
    ReleaseListPanel(panel, fixture.ui, scroll, 400, LineTop(3) + 4);
    HoverListPanel(panel, fixture.ui, scroll, 400, LineTop(4) + 4);
    EXPECT_EQ(events, (std::vector<PageEvent>{{3, 5, 2}, {4, 5, 3}}));
    EXPECT_EQ(panel.selectedRow, 2);
}

TEST_F(ListPanelTest, AnotherPanelsDragKeepsThisOneStill) {
    Show(50);
    StartDrag(scroll, panel.id + 1);
    EXPECT_FALSE(HoverListPanel(panel, fixture.ui, scroll, 400, LineTop(1) + 4));
    EXPECT_FALSE(PressListPanel(panel, fixture.ui, scroll, 400, LineTop(1) + 4));
    EXPECT_EQ(panel.hoverRow, -1);
}

TEST_F(ListPanelTest, PictureModeScrollsThePicturesLinesTwentyPerNotch) {
    Surface picture;
    Create(picture, 300, 3000);
    // Each line tells its number.
    for (int32_t y = 0; y < picture.height; ++y) {
        for (int32_t x = 0; x < 20; ++x) {
            SetPixel(picture, x, y, Colour{static_cast<uint8_t>(y % 251), static_cast<uint8_t>(y / 251), 7});
        }
    }
    panel.pictureMode = true;
    panel.picture = &picture;
    panel.rows = picture.height;
    panel.shown = true;
    ResetListPanel(panel, fixture.ui);
    DrawListPanel(panel, fixture.ui);
    EXPECT_EQ(panel.rowHeight, 1);
    EXPECT_EQ(panel.scrollBarX, fixture.ui.grid.clientWidth - 40);
    EXPECT_TRUE(panel.scrollable);
    auto lineAt = [&](int32_t y) {
        const Colour c = PixelAt(fixture.ui.screen, kPictureLeft + 10, y);
        return c.red + 251 * c.green;
    };
    EXPECT_EQ(lineAt(panel.y), 0);
    // More lines than track pixels: the thumb's pixel steps take a few lines
    // each, so the notch lands on the first line a position shows.
    ASSERT_LT(panel.pixelsPerRow, 1.0f);
    WheelListPanel(panel, fixture.ui, -240);
    EXPECT_GE(panel.firstRow, 40);
    EXPECT_LE(panel.firstRow, 40 + static_cast<int32_t>(1 / panel.pixelsPerRow));
    EXPECT_EQ(lineAt(panel.y), panel.firstRow);
    EXPECT_EQ(lineAt(panel.y + 100), panel.firstRow + 100);
}

}  // namespace
}  // namespace kavalto

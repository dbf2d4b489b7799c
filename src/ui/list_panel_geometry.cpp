#include <algorithm>
#include <cmath>
#include <cstdint>

#include "ui/list_panel.h"
#include "ui/ui_context.h"

namespace kavalto {
namespace {

// The scroll bar starts 10 pixels above the rows in the table's mode and
// level with the picture in picture mode; its parts are measured from there.
int32_t ScrollBarTop(const ListPanel& panel) { return panel.pictureMode ? panel.y : panel.y - 10; }

}  // namespace

void ComputeListPanelGeometry(ListPanel& panel, const UiContext& ui) {
    const GridMetrics& grid = ui.grid;
    if (panel.pictureMode) {
        panel.rowHeight = 1;
        panel.scrollBarX = grid.clientWidth - 40;
        panel.x = grid.clientWidth - 60;
        panel.width = 20;
        panel.y = grid.bodyTop + 5;
        panel.height = grid.bodyHeight - 20;
        return;
    }
    const int32_t row = std::clamp(panel.topRow, 0, kGridCells - 1);
    panel.rowHeight = grid.normalFontSize + 2;
    panel.x = grid.panelWidth + 5;
    panel.y = grid.rowY[static_cast<size_t>(row)];
    panel.width = grid.clientWidth - grid.panelWidth - 37;
    panel.height = grid.bodyTop + grid.bodyHeight - panel.y - 20;
    panel.scrollBarX = grid.clientWidth - 37;
}

void ResetListPanel(ListPanel& panel, const UiContext& ui) {
    panel.scrollBarWidth = 22;
    ComputeListPanelGeometry(panel, ui);
    panel.thumbPos = 0;
    panel.firstRow = 0;
    panel.selectedRow = -1;
    panel.trackTop = panel.y + 20;
    panel.trackLength = panel.height - 40;
    panel.visibleRows = panel.rowHeight > 0 ? panel.height / panel.rowHeight : 0;
    panel.thumbLength = panel.rows <= 0 ? panel.trackLength
                                        : static_cast<int32_t>(int64_t{panel.trackLength} * panel.visibleRows /
                                                               panel.rows);
    panel.maxThumbPos = panel.trackLength - panel.thumbLength;
    // A window so low that fewer than three rows fit would make the arrows
    // scroll the wrong way; one pixel is the smallest step.
    panel.pageStep = std::max(1, panel.visibleRows - 2);
    const int32_t hiddenRows = panel.rows - panel.visibleRows;
    panel.pixelsPerRow =
        hiddenRows > 0 ? static_cast<float>(panel.trackLength - panel.thumbLength) / static_cast<float>(hiddenRows) : 0;
    panel.scrollable = panel.visibleRows < panel.rows;
}

void NormaliseListPanel(ListPanel& panel) {
    if (panel.rows <= panel.visibleRows || !(panel.pixelsPerRow > 0)) {
        panel.thumbPos = 0;
        panel.firstRow = 0;
        return;
    }
    if (panel.thumbPos < 0) {
        panel.thumbPos = 0;
        panel.firstRow = 0;
    } else if (panel.thumbPos >= panel.maxThumbPos) {
        // At the end the last screenful shows, whatever the rounding of the
        // division would give.
        panel.thumbPos = panel.maxThumbPos;
        panel.firstRow = panel.rows - panel.visibleRows;
    } else {
        panel.firstRow = FirstRowAtThumb(panel, panel.thumbPos);
    }
    panel.firstRow = std::min(panel.firstRow, panel.rows - panel.visibleRows);
}

int32_t FirstRowAtThumb(const ListPanel& panel, int32_t thumbPos) {
    if (!(panel.pixelsPerRow > 0)) return 0;
    return static_cast<int32_t>(static_cast<float>(thumbPos) / panel.pixelsPerRow);
}

int32_t ThumbPosForRow(const ListPanel& panel, int32_t row, bool towardsTop) {
    if (!(panel.pixelsPerRow > 0) || row <= 0) return 0;
    row = std::min(row, panel.rows - panel.visibleRows);
    int32_t pos = static_cast<int32_t>(std::ceil(static_cast<double>(row) * panel.pixelsPerRow));
    // The float division of the draw has the last word: correct the product's
    // rounding by a step either way.
    while (pos > 0 && FirstRowAtThumb(panel, pos - 1) >= row) --pos;
    while (FirstRowAtThumb(panel, pos) < row) ++pos;
    if (towardsTop && FirstRowAtThumb(panel, pos) > row) --pos;
    return pos;
}

ListPanelHit HitTestListPanel(const ListPanel& panel, int32_t x, int32_t y) {
    if (!panel.pictureMode && x > panel.x && x < panel.x + panel.width && y > panel.y && y < panel.lastRowBottom) {
        return ListPanelHit::kRows;
    }
    if (!panel.scrollable) return ListPanelHit::kNothing;
    if (x < panel.scrollBarX + 2 || x > panel.scrollBarX + panel.scrollBarWidth) return ListPanelHit::kNothing;
    const int32_t top = ScrollBarTop(panel) + 2;
    const int32_t bottom = panel.height + top - 2;
    if (y > top && y < top + 19) return ListPanelHit::kUpArrow;
    const int32_t thumbTop = top + 19 + panel.thumbPos;
    if (y > thumbTop && y < thumbTop + panel.thumbLength) return ListPanelHit::kThumb;
    if (y > bottom - 19 && y < bottom) return ListPanelHit::kDownArrow;
    if (y > top && y < bottom) return ListPanelHit::kTrack;
    return ListPanelHit::kNothing;
}

Rect ListPanelArea(const ListPanel& panel) {
    const int32_t top = ScrollBarTop(panel);
    const int32_t right = panel.scrollBarX + panel.scrollBarWidth;
    if (panel.pictureMode) {
        // The picture lies left of the scroll bar and ends 25 above the
        // window's bottom, 3 below the bar.
        return Rect{kPictureLeft, top, right - kPictureLeft, panel.height + 3};
    }
    // The rows begin 5 pixels below y, so the last may end 5 below the
    // panel's height.
    return Rect{panel.x, top, right - panel.x, panel.height + 15};
}

}  // namespace kavalto

#include "ui/grid_metrics.h"

#include <algorithm>
#include <string>

#include "ui/text_drawing.h"

namespace kavalto {
namespace {

// One more than the first size at which 120 bold "H" reach the body width,
// or 12 when size 12 already reaches it.
int32_t FitSize(int32_t bodyWidth) {
    static const std::string letters(120, 'H');
    int32_t size = 12;
    int32_t width = TextWidth(true, size, letters);
    while (width < bodyWidth && size < 500) {
        width = TextWidth(true, size, letters);
        ++size;
    }
    return size;
}

}  // namespace

void ComputeGridMetrics(GridMetrics& grid, int32_t clientWidth, int32_t clientHeight) {
    grid.clientWidth = clientWidth;
    grid.clientHeight = clientHeight;
    grid.panelWidth = 150;
    grid.bodyTop = 48;
    grid.bodyWidth = clientWidth - 163;
    grid.bodyHeight = clientHeight - 61;
    grid.columnWidth = static_cast<float>(grid.bodyWidth) / kGridCells;
    grid.rowHeight = static_cast<float>(grid.bodyHeight) / kGridCells;
    for (int32_t i = 0; i < kGridCells; ++i) {
        grid.columnX[static_cast<size_t>(i)] =
            static_cast<int32_t>(150.0f + static_cast<float>(i) * grid.columnWidth) + 1;
        grid.rowY[static_cast<size_t>(i)] =
            static_cast<int32_t>(48.0f + 4.0f + static_cast<float>(i) * grid.rowHeight) + 1;
    }
    grid.fitSize = FitSize(grid.bodyWidth);
    const float size = std::min(1.25f * grid.rowHeight, static_cast<float>(grid.fitSize));
    grid.normalFontSize = std::max(11, static_cast<int32_t>(size));
    grid.smallFontSize = 12;
    grid.textFieldHeight = static_cast<int32_t>(1.5f * size);
    grid.timeFieldWidth = TextWidth(true, grid.normalFontSize, "8888.88");
    grid.number4Width = TextWidth(true, grid.normalFontSize, "1888");
    grid.number6Width = TextWidth(true, grid.normalFontSize, "188888");
}

}  // namespace kavalto

// The 52 x 52 grid and the font sizes that follow from the window's size.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "ui/grid_metrics.h"
#include "ui/text_drawing.h"

namespace kavalto {
namespace {

const std::string kLetters(120, 'H');

TEST(GridMetrics, BodyCellsAndSizesFollowTheClientSize) {
    const struct {
        int32_t width, height;
    } sizes[] = {{1920, 1080}, {1024, 768}, {800, 600}, {2560, 700}, {400, 300}};
    for (const auto& s : sizes) {
        SCOPED_TRACE(std::to_string(s.width) + " x " + std::to_string(s.height));
        GridMetrics grid;
        ComputeGridMetrics(grid, s.width, s.height);
        EXPECT_EQ(grid.panelWidth, 150);
        EXPECT_EQ(grid.bodyTop, 48);
        EXPECT_EQ(grid.bodyWidth, s.width - 163);
        EXPECT_EQ(grid.bodyHeight, s.height - 61);
        const float column = static_cast<float>(s.width - 163) / 52;
        const float row = static_cast<float>(s.height - 61) / 52;
        for (const int32_t i : {0, 1, 25, 51}) {
            EXPECT_EQ(grid.columnX[static_cast<size_t>(i)],
                      static_cast<int32_t>(150 + static_cast<float>(i) * column) + 1);
            EXPECT_EQ(grid.rowY[static_cast<size_t>(i)], static_cast<int32_t>(52 + static_cast<float>(i) * row) + 1);
        }
        // The fit size is one above the first size whose 120 bold "H" reach
        // the body's width (12 when size 12 already does).
        if (TextWidth(true, 12, kLetters) >= grid.bodyWidth) {
            EXPECT_EQ(grid.fitSize, 12);
        } else {
            EXPECT_GE(TextWidth(true, grid.fitSize - 1, kLetters), grid.bodyWidth);
            EXPECT_LT(TextWidth(true, grid.fitSize - 2, kLetters), grid.bodyWidth);
        }
        const float size = std::min(1.25f * row, static_cast<float>(grid.fitSize));
        EXPECT_EQ(grid.normalFontSize, std::max(11, static_cast<int32_t>(size)));
        EXPECT_EQ(grid.smallFontSize, 12);
        EXPECT_EQ(grid.textFieldHeight, static_cast<int32_t>(1.5f * size));
        EXPECT_EQ(grid.timeFieldWidth, TextWidth(true, grid.normalFontSize, "8888.88"));
        EXPECT_EQ(grid.number4Width, TextWidth(true, grid.normalFontSize, "1888"));
        EXPECT_EQ(grid.number6Width, TextWidth(true, grid.normalFontSize, "188888"));
    }
}

TEST(GridMetrics, BeforeTheFirstLayoutThePanelAndTopAreNarrower) {
    const GridMetrics grid;
    EXPECT_EQ(grid.panelWidth, 140);
    EXPECT_EQ(grid.bodyTop, 43);
}

}  // namespace
}  // namespace kavalto

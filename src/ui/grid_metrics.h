// The screen geometry every widget is placed on: the left panel, the page
// body and its 52 x 52 grid of cells, and the font sizes that follow from
// the window size.
#pragma once

#include <array>
#include <cstdint>

namespace kavalto {

inline constexpr int32_t kGridCells = 52;

struct GridMetrics {
    int32_t clientWidth = 0;
    int32_t clientHeight = 0;
    int32_t panelWidth = 140;    // 150 from the first layout on
    int32_t bodyTop = 43;        // 48 from the first layout on
    int32_t bodyWidth = 0;
    int32_t bodyHeight = 0;
    float columnWidth = 0;
    float rowHeight = 0;
    std::array<int32_t, kGridCells> columnX{};
    std::array<int32_t, kGridCells> rowY{};
    int32_t fitSize = 12;
    int32_t normalFontSize = 12;
    int32_t smallFontSize = 12;
    int32_t textFieldHeight = 0;
    int32_t timeFieldWidth = 0;
    int32_t number4Width = 0;
    int32_t number6Width = 0;
};

void ComputeGridMetrics(GridMetrics& grid, int32_t clientWidth, int32_t clientHeight);

}  // namespace kavalto

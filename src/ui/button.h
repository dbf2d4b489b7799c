// One entry of the button bar. The page templates are arrays of these
// records, fields in this order.
#pragma once

#include <cstdint>

namespace kavalto {

enum ButtonPlacement : int32_t {
    kPlaceFixed = 0,             // top bar, or the given position
    kPlaceStacked = 1,           // stacked in the left panel
    kPlaceStackedMenu = 2,       // stacked, marked as opening a popup menu
    kPlaceSameLine = 3,          // on the line of the previous stacked button
    kPlaceGrid = 4,              // in the page grid at (column, row)
    kPlaceAfterPrevious = 5,     // in the grid, right after the previous button
    kPlaceAfterItem = 6,         // in the grid, right after the layout item named by column
};

enum ButtonStyle : int32_t {
    kStyleTab = 0,               // 110 x 34 navigation tab
    kStyleSide = 1,              // 132 x 26
    kStyleSideTwoLines = 2,      // 132 x 33
    kStyleSquare = 3,            // 30 x 30 icon button
    kStyleCheck = 4,             // 22 x 22 check box, caption to the right
    kStyleOption = 5,            // 130 x 18 option button
    kStyleSmallIcon = 6,         // 21 x 21
    kStyleText = 7,              // caption only
    kStyleSeparator = 8,         // 129 x 5 groove
    kStyleSpacer = 9,            // the column value is a vertical gap
};

enum ButtonKind : int32_t {
    kKindInert = 0,
    kKindPush = 1,
    kKindToggle = 2,
    kKindRadio = 3,
};

struct Button {
    int32_t placement;
    int32_t sizeStyle;
    int32_t pictureId;
    int32_t group;               // radio group; above 100 in the grid also moves the button down
    int32_t kind;
    int32_t column;              // x, grid column, layout item id, or top-bar slot; -1 = right edge
    int32_t row;                 // y, or grid row; -1 = bottom of the window
    uint8_t enabled;
    uint8_t pressed;             // held push button, or checked toggle and radio button
    uint8_t hover;
    uint8_t visible;
    int32_t id;                  // also the TextId of the caption
};

inline bool InPageGrid(const Button& b) { return b.placement >= kPlaceGrid && b.placement <= kPlaceAfterItem; }
inline bool IsStacked(const Button& b) { return b.placement >= kPlaceStacked && b.placement <= kPlaceSameLine; }

}  // namespace kavalto

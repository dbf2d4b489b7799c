// The one scrolling table of the program. It holds no rows: while drawing it
// asks the current page (event 2) to fill the cells of each visible row. Its
// own scroll bar has arrows, a track and a thumb; in picture mode the rows
// are the pixel lines of a picture (the print preview).
#pragma once

#include <array>
#include <cstdint>

#include "ui/colour.h"
#include "ui/surface.h"

namespace kavalto {

struct ScrollControl;
struct UiContext;

inline constexpr int32_t kListCells = 11;
inline constexpr int32_t kScrollUp = 100;
inline constexpr int32_t kScrollDown = 101;
inline constexpr int32_t kEventFillRow = 2;
inline constexpr int32_t kEventRowChosen = 3;
inline constexpr int32_t kEventRowDragged = 4;
// Picture mode: the picture's left edge.
inline constexpr int32_t kPictureLeft = 155;

struct ListCell {
    char text[100] = {};         // code page 1252
    int32_t x = 0;
    int32_t width = 0;
    uint8_t rightAligned = 0;    // the text ends at x instead of starting there
};

struct ListPanel {
    int32_t id = 0;
    bool shown = false;
    bool scrollable = false;
    int32_t rowHeight = 0;
    int32_t topRow = 0;          // grid row at which the panel starts
    int32_t x = 0;
    int32_t y = 0;
    int32_t width = 0;
    int32_t height = 0;
    int32_t lastRowBottom = 0;
    int32_t scrollBarX = 0;
    int32_t scrollBarWidth = 22;
    // Per row; the first four are cleared before each row's event 2.
    bool bold = false;
    bool smaller = false;
    bool markHash = false;
    bool markDot = false;
    bool grey = false;
    int32_t cellOffset = 0;
    bool reportHover = false;    // on from a press on a row to the release: event 4 reports dragging
    int32_t cellCount = 0;
    int32_t rows = 0;
    int32_t visibleRows = 0;
    int32_t firstRow = 0;
    int32_t trackTop = 0;
    int32_t trackLength = 0;
    int32_t thumbPos = 0;
    int32_t thumbLength = 0;
    int32_t maxThumbPos = 0;
    int32_t pageStep = 0;
    float pixelsPerRow = 0;
    bool pictureMode = false;
    const Surface* picture = nullptr;  // picture mode: the page's picture, kept by the page
    std::array<ListCell, kListCells> cells{};
    int32_t allGreen = 0;
    int32_t hoverRow = -1;
    int32_t selectedRow = -1;
    bool thumbHover = false;
    bool upHover = false;
    bool downHover = false;
    bool upHeld = false;
    bool downHeld = false;
    bool dragging = false;
    int32_t dragAnchor = 0;
};

enum class ListPanelHit { kNothing, kRows, kThumb, kUpArrow, kDownArrow, kTrack };

// Position and size from topRow (or the picture mode) and the window.
void ComputeListPanelGeometry(ListPanel& panel, const UiContext& ui);
// After rows and the flags are set: geometry, scroll bar measures, first row
// on top, no row selected.
void ResetListPanel(ListPanel& panel, const UiContext& ui);
// firstRow from thumbPos, both kept inside the rows.
void NormaliseListPanel(ListPanel& panel);
// The first visible row a thumb position gives (before the ends are kept).
int32_t FirstRowAtThumb(const ListPanel& panel, int32_t thumbPos);
// The smallest thumb position that shows the row on top. When no position
// does (more rows than track pixels), the next row down, or with towardsTop
// the next row up, so that a scroll always moves.
int32_t ThumbPosForRow(const ListPanel& panel, int32_t row, bool towardsTop);
ListPanelHit HitTestListPanel(const ListPanel& panel, int32_t x, int32_t y);
// The rectangle a draw restores and shows: rows and scroll bar.
Rect ListPanelArea(const ListPanel& panel);

// Draws the visible rows (asking the page for each) and the scroll bar; shown
// at once unless a full paint is in progress. Nothing when not shown.
void DrawListPanel(ListPanel& panel, UiContext& ui);

// The row becomes the first visible and the selected one.
void ScrollListTo(ListPanel& panel, UiContext& ui, int32_t row);
// One arrow step (pageStep pixels of the thumb) in kScrollUp or kScrollDown.
void StepListPanel(ListPanel& panel, UiContext& ui, int32_t id, int32_t direction);
// The mouse moved; true when the panel claims the point.
bool HoverListPanel(ListPanel& panel, UiContext& ui, ScrollControl& scroll, int32_t x, int32_t y);
// Left button press; true when taken.
bool PressListPanel(ListPanel& panel, UiContext& ui, ScrollControl& scroll, int32_t x, int32_t y);
// Left button release: drags and held arrows end, hover follows the point.
void ReleaseListPanel(ListPanel& panel, UiContext& ui, ScrollControl& scroll, int32_t x, int32_t y);
// Whole notches of 120; a positive delta scrolls towards the first row.
void WheelListPanel(ListPanel& panel, UiContext& ui, int32_t delta);

}  // namespace kavalto

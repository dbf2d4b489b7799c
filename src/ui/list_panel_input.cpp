#include <algorithm>

#include "ui/list_panel.h"
#include "ui/scroll_control.h"
#include "ui/ui_context.h"

namespace kavalto {
namespace {

// The visible row whose line holds the point; -1 when none.
int32_t RowAt(const ListPanel& panel, int32_t x, int32_t y) {
    if (panel.pictureMode || x <= panel.x || x >= panel.x + panel.width) return -1;
    int32_t top = panel.y + 5;
    for (int32_t line = 0; line < panel.visibleRows; ++line, top += panel.rowHeight) {
        const int32_t row = panel.firstRow + line;
        if (row >= panel.rows) break;
        if (y > top && y < top + panel.rowHeight + 2) return row;
    }
    return -1;
}

// Leaving a held arrow lets it go and stops the auto-repeat.
void LetGoOfArrow(bool& held, ScrollControl& scroll) {
    if (!held) return;
    held = false;
    StopRepeat(scroll);
}

bool HoverScrollBar(ListPanel& panel, UiContext& ui, ScrollControl& scroll, int32_t x, int32_t y) {
    const ListPanelHit hit = HitTestListPanel(panel, x, y);
    const bool thumb = hit == ListPanelHit::kThumb;
    const bool up = hit == ListPanelHit::kUpArrow;
    const bool down = hit == ListPanelHit::kDownArrow;
    const bool changed = thumb != panel.thumbHover || up != panel.upHover || down != panel.downHover;
    if (!up) LetGoOfArrow(panel.upHeld, scroll);
    if (!down) LetGoOfArrow(panel.downHeld, scroll);
    panel.thumbHover = thumb;
    panel.upHover = up;
    panel.downHover = down;
    if (changed) DrawListPanel(panel, ui);
    return thumb || up || down || hit == ListPanelHit::kTrack;
}

}  // namespace

void ScrollListTo(ListPanel& panel, UiContext& ui, int32_t row) {
    if (!panel.shown) return;
    panel.thumbPos = ThumbPosForRow(panel, row, true);
    NormaliseListPanel(panel);
    panel.selectedRow = panel.firstRow;
    DrawListPanel(panel, ui);
}

void StepListPanel(ListPanel& panel, UiContext& ui, int32_t id, int32_t direction) {
    if (id != panel.id || (direction != kScrollUp && direction != kScrollDown)) return;
    panel.thumbPos += direction == kScrollUp ? -panel.pageStep : panel.pageStep;
    NormaliseListPanel(panel);
    DrawListPanel(panel, ui);
}

bool HoverListPanel(ListPanel& panel, UiContext& ui, ScrollControl& scroll, int32_t x, int32_t y) {
    if (!panel.shown || OtherPanelDragged(scroll, panel.id)) return false;
    if (panel.scrollable && panel.dragging) {
        panel.thumbPos += (y - panel.trackTop) - panel.dragAnchor;
        panel.dragAnchor = y - panel.trackTop;
        NormaliseListPanel(panel);
        DrawListPanel(panel, ui);
        return true;
    }
    if (panel.scrollable && HoverScrollBar(panel, ui, scroll, x, y)) return true;
    const int32_t row = RowAt(panel, x, y);
    if (row >= 0) {
        if (row != panel.hoverRow) {
            panel.hoverRow = row;
            if (panel.reportHover) Send(ui, PageEvent{kEventRowDragged, panel.id, row});
            DrawListPanel(panel, ui);
        }
        return true;
    }
    if (panel.hoverRow != -1) {
        panel.hoverRow = -1;
        DrawListPanel(panel, ui);
    }
    return false;
}

bool PressListPanel(ListPanel& panel, UiContext& ui, ScrollControl& scroll, int32_t x, int32_t y) {
    if (!panel.shown || OtherPanelDragged(scroll, panel.id)) return false;
    if (HitTestListPanel(panel, x, y) == ListPanelHit::kRows && panel.hoverRow >= 0) {
        panel.reportHover = true;
        panel.selectedRow = panel.hoverRow;
        Send(ui, PageEvent{kEventRowChosen, panel.id, panel.hoverRow});
        return true;
    }
    if (!panel.scrollable) return false;
    if (x < panel.scrollBarX + 2 || x > panel.scrollBarX + panel.scrollBarWidth) {
        panel.dragging = false;
        EndDrag(scroll);
        panel.upHeld = false;
        panel.downHeld = false;
        RequestRepaint(ui);
        return false;
    }
    if (panel.thumbHover) {
        panel.dragAnchor = y - panel.trackTop;
        panel.dragging = true;
        StartDrag(scroll, panel.id);
    } else if (panel.upHover || panel.downHover) {
        const bool up = panel.upHover;
        (up ? panel.upHeld : panel.downHeld) = true;
        ArmRepeat(scroll, panel.id, up ? kScrollUp : kScrollDown);
        panel.thumbPos += up ? -panel.pageStep : panel.pageStep;
        NormaliseListPanel(panel);
    } else if (HitTestListPanel(panel, x, y) == ListPanelHit::kTrack) {
        // The thumb's top jumps to the point and follows the mouse from there.
        panel.thumbPos = y - panel.trackTop;
        NormaliseListPanel(panel);
        panel.dragAnchor = y - panel.trackTop;
        panel.dragging = true;
        StartDrag(scroll, panel.id);
    }
    DrawListPanel(panel, ui);
    return true;
}

void ReleaseListPanel(ListPanel& panel, UiContext& ui, ScrollControl& scroll, int32_t x, int32_t y) {
    EndDrag(scroll);
    panel.dragging = false;
    panel.thumbHover = false;
    panel.upHover = false;
    panel.downHover = false;
    panel.upHeld = false;
    panel.downHeld = false;
    DrawListPanel(panel, ui);
    HoverListPanel(panel, ui, scroll, x, y);
    panel.reportHover = false;
}

void WheelListPanel(ListPanel& panel, UiContext& ui, int32_t delta) {
    if (!panel.shown || !panel.scrollable) return;
    const int32_t rowsPerNotch = panel.pictureMode ? 20 : 1;
    const int32_t first = panel.firstRow - (delta / 120) * rowsPerNotch;
    panel.firstRow = std::clamp(first, 0, std::max(0, panel.rows - panel.visibleRows));
    panel.thumbPos = ThumbPosForRow(panel, panel.firstRow, delta > 0);
    DrawListPanel(panel, ui);
}

}  // namespace kavalto

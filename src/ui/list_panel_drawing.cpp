#include <algorithm>
#include <cstring>
#include <string_view>

#include "ui/list_panel.h"
#include "ui/picture_drawing.h"
#include "ui/picture_ids.h"
#include "ui/skin_icons.h"
#include "ui/text_drawing.h"
#include "ui/ui_context.h"

namespace kavalto {
namespace {

constexpr Colour kGreen{0, 255, 0};
constexpr Colour kGrey{170, 170, 170};
constexpr Colour kRed{255, 0, 0};
constexpr int32_t kHoverRowShade = 120;
constexpr int32_t kArrowHeight = 18;
constexpr int32_t kThumbCap = 5;

const Picture& Piece(UiContext& ui, int32_t id) { return SkinIcon(ui.skin, id, UiNotifier(ui)); }

// A grey mask piece tinted with the shade end colour: the tint mixed 80 : 20
// with what lies under it, then lightened or darkened by the mask's value
// around 128. Rows firstRow .. lastRow - 1 of the piece only.
void DrawTinted(UiContext& ui, const Picture& piece, int32_t x, int32_t y, int32_t raise, int32_t firstRow,
                int32_t lastRow) {
    Surface& s = ui.screen;
    if (s.empty() || piece.empty()) return;
    const Colour tint = ui.skin.colours.shadeEnd;
    const uint8_t tintBytes[3] = {tint.blue, tint.green, tint.red};
    lastRow = std::min(lastRow, piece.height);
    for (int32_t row = std::max(firstRow, 0); row < lastRow; ++row) {
        const int32_t ty = y + row - firstRow;
        if (ty < 0 || ty >= s.height) continue;
        uint8_t* target = s.Row(ty);
        for (int32_t col = 0; col < piece.width; ++col) {
            const int32_t tx = x + col;
            if (tx < 0 || tx >= s.width) continue;
            const uint8_t* p = piece.At(col, row);
            if (p[2] == 255 && p[1] == 0 && p[0] == 0) continue;
            const int32_t factor = std::min(255, p[0] + raise);
            uint8_t* q = target + tx * 3;
            for (int k = 0; k < 3; ++k) {
                const int32_t mixed = (tintBytes[k] * 80 + q[k] * 20) / 100;
                q[k] = ShadeValue(static_cast<uint8_t>(mixed), factor);
            }
        }
    }
}

void DrawWholePiece(UiContext& ui, int32_t pieceId, int32_t x, int32_t y, int32_t raise) {
    const Picture& piece = Piece(ui, pieceId);
    DrawTinted(ui, piece, x, y, raise, 0, piece.height);
}

int32_t Raise(bool hovered, bool held) { return (hovered ? 30 : 0) + (held ? 20 : 0); }

void DrawThumb(ListPanel& panel, UiContext& ui, int32_t top) {
    const int32_t x = panel.scrollBarX;
    const int32_t length = panel.thumbLength;
    if (length <= 0) return;
    const int32_t raise = Raise(panel.thumbHover, panel.dragging);
    const int32_t cap = std::min(kThumbCap, length / 2);
    const Picture& head = Piece(ui, kPictureThumbTop);
    const Picture& middle = Piece(ui, kPictureThumbMiddle);
    const Picture& foot = Piece(ui, kPictureThumbBottom);
    DrawTinted(ui, head, x, top, raise, 0, cap);
    for (int32_t y = top + cap; y < top + length - cap; ++y) DrawTinted(ui, middle, x, y, raise, 0, 1);
    const int32_t footRows = std::min(foot.height, cap);
    DrawTinted(ui, foot, x, top + length - footRows, raise, foot.height - footRows, foot.height);
    if (length >= 12) {
        const int32_t grip = top + length / 2;
        for (int32_t gx = x + 7; gx < x + 15; ++gx) {
            Shade(ui.screen, gx, grip - 1, 200);
            Shade(ui.screen, gx, grip, 50);
        }
    }
}

void DrawScrollBar(ListPanel& panel, UiContext& ui) {
    const int32_t x = panel.scrollBarX;
    const int32_t top = panel.pictureMode ? panel.y : panel.y - 10;
    const int32_t downTop = top + panel.height - kArrowHeight;
    DrawWholePiece(ui, kPictureScrollUp, x, top, Raise(panel.upHover, panel.upHeld));
    DrawWholePiece(ui, kPictureScrollDown, x, downTop, Raise(panel.downHover, panel.downHeld));
    const Picture& track = Piece(ui, kPictureScrollTrack);
    for (int32_t y = top + kArrowHeight; y < downTop; ++y) DrawTinted(ui, track, x, y, 0, 0, 1);
    DrawThumb(panel, ui, top + 20 + panel.thumbPos);
    const Picture& up = Piece(ui, kPictureGlyphUp);
    const Picture& down = Piece(ui, kPictureGlyphDown);
    DrawPicture(ui.screen, up, x + (panel.scrollBarWidth - up.width) / 2, top + (kArrowHeight - up.height) / 2, 0, 0,
                true);
    DrawPicture(ui.screen, down, x + (panel.scrollBarWidth - down.width) / 2,
                downTop + (kArrowHeight - down.height) / 2, 0, 0, true);
}

std::string_view CellText(const ListCell& cell) { return {cell.text, strnlen(cell.text, sizeof cell.text)}; }

Colour RowColour(const ListPanel& panel, const UiContext& ui, int32_t row) {
    const ColourSet& colours = ui.skin.colours;
    if (row == panel.hoverRow) return colours.highText;
    if (panel.allGreen != 0) return kGreen;
    if (panel.grey) return kGrey;
    return colours.normalText;
}

void DrawRow(ListPanel& panel, UiContext& ui, int32_t row, int32_t top) {
    Surface& s = ui.screen;
    const ColourSet& colours = ui.skin.colours;
    const int32_t lineWidth = panel.width - 5;
    if (row == panel.selectedRow) FillRect(s, colours.selection, panel.x, top, lineWidth, panel.rowHeight);
    if (row == panel.hoverRow) ShadeRect(s, panel.x, top, lineWidth, panel.rowHeight, kHoverRowShade);
    const Colour colour = RowColour(panel, ui, row);
    const int32_t size = ui.grid.normalFontSize - (panel.smaller ? 2 : 0);
    const int32_t cells = std::clamp(panel.cellCount, 0, kListCells);
    for (int32_t c = 0; c < cells; ++c) {
        const ListCell& cell = panel.cells[static_cast<size_t>(c)];
        const std::string_view text = CellText(cell);
        if (text.empty()) continue;
        const int32_t x = cell.x + panel.cellOffset;
        if (cell.rightAligned) {
            DrawText(s, colour, panel.bold, size, x - TextWidth(panel.bold, size, text), top, text);
        } else {
            DrawTextBox(s, colour, panel.bold, size, x, top, cell.width, text);
        }
    }
    if (panel.markHash) DrawText(s, colours.obsText, panel.bold, size, kPictureLeft, top, "#");
    if (panel.markDot) FillRect(s, kRed, 165, top + 8, 5, 5);
}

void DrawPictureRows(ListPanel& panel, UiContext& ui) {
    const Rect area = ListPanelArea(panel);
    RestoreBackground(ui, area);
    if (panel.scrollable) DrawScrollBar(panel, ui);
    if (panel.picture != nullptr) {
        const int32_t width = std::min(panel.picture->width, panel.scrollBarX - 2 - kPictureLeft);
        CopyRect(ui.screen, kPictureLeft, panel.y, width, ui.grid.clientHeight - panel.y - 25, *panel.picture, 0,
                 panel.firstRow);
    }
    Present(ui, area);
}

}  // namespace

void DrawListPanel(ListPanel& panel, UiContext& ui) {
    if (!panel.shown) return;
    ComputeListPanelGeometry(panel, ui);
    panel.scrollable = panel.visibleRows < panel.rows;
    NormaliseListPanel(panel);
    if (panel.pictureMode) {
        DrawPictureRows(panel, ui);
        return;
    }
    const Rect area = ListPanelArea(panel);
    RestoreBackground(ui, area);
    if (panel.scrollable) DrawScrollBar(panel, ui);
    int32_t top = panel.y + 5;
    for (int32_t line = 0; line < panel.visibleRows; ++line, top += panel.rowHeight) {
        const int32_t row = panel.firstRow + line;
        if (row >= panel.rows) break;
        panel.bold = false;
        panel.smaller = false;
        panel.markHash = false;
        panel.markDot = false;
        Send(ui, PageEvent{kEventFillRow, row, 0});
        DrawRow(panel, ui, row, top);
    }
    panel.lastRowBottom = top;
    Present(ui, area);
}

}  // namespace kavalto

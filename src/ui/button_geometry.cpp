#include "ui/button_geometry.h"

#include "app/text_tables.h"
#include "meet/meet_state.h"
#include "ui/text_drawing.h"
#include "ui/ui_context.h"

namespace kavalto {
namespace {

struct Size {
    int32_t width;
    int32_t height;
};

constexpr Size kSizes[] = {{110, 34}, {132, 26}, {132, 33}, {30, 30}, {22, 22},
                           {130, 18}, {21, 21},  {0, 0},    {129, 5}, {0, 0}};

constexpr Rect kUnplaced{-1, -1, 0, 0};

bool InGridRange(int32_t i) { return i >= 0 && i < kGridCells; }

int32_t TopBarX(int32_t slot) {
    return 158 + slot * 115 + (slot >= 4 ? 10 : 0) + (slot >= 5 ? 10 : 0) + (slot >= 6 ? 10 : 0);
}

}  // namespace

std::string ButtonCaption(const Button& button, UiContext& ui) {
    if (ui.meet == nullptr) return {};
    return LookupButtonText(*ui.meet, button.id);
}

int32_t CaptionSize(const Button& button, const UiContext& ui) {
    return 1 + (InPageGrid(button) ? ui.grid.normalFontSize : ui.grid.smallFontSize);
}

Rect ButtonRect(const ButtonBar& bar, UiContext& ui, int32_t index) {
    if (index < 0 || index >= bar.count) return kUnplaced;
    const Button& b = bar.buttons[static_cast<size_t>(index)];
    if (b.sizeStyle < kStyleTab || b.sizeStyle > kStyleSpacer) return kUnplaced;
    const GridMetrics& g = ui.grid;
    const int32_t extra = (g.bodyTop - 43) / 3;
    Rect r{0, 0, kSizes[b.sizeStyle].width, kSizes[b.sizeStyle].height};
    if (b.sizeStyle == kStyleText) {
        r.width = TextWidth(true, g.smallFontSize + 3, ButtonCaption(b, ui));
        r.height = g.smallFontSize + 3;
    }

    if (InPageGrid(b)) {
        if (!InGridRange(b.row)) return kUnplaced;
        r.y = g.rowY[static_cast<size_t>(b.row)];
        if (b.group > 100) r.y += b.group * 2 - 200;
        const float normal = static_cast<float>(g.normalFontSize);
        if (b.sizeStyle == kStyleCheck) {
            r.width = static_cast<int32_t>(1.5f * normal + 1);
            r.height = static_cast<int32_t>(1.5f * normal + 3);
        } else if (b.sizeStyle == kStyleSquare) {
            r.width = static_cast<int32_t>(1.5f * normal + 5);
            r.height = static_cast<int32_t>(1.5f * normal + 2);
            r.y += 1;
        } else {
            r.height += extra;
        }
        if (b.placement == kPlaceGrid) {
            if (!InGridRange(b.column)) return kUnplaced;
            r.x = g.columnX[static_cast<size_t>(b.column)];
        } else if (b.placement == kPlaceAfterPrevious) {
            if (index == 0) return kUnplaced;
            const Rect previous = ButtonRect(bar, ui, index - 1);
            r.x = previous.x + previous.width + 10;
        } else {
            const int32_t right = ui.hooks.layoutItemRight ? ui.hooks.layoutItemRight(b.column) : -1;
            if (right < 0) return kUnplaced;
            r.x = right + 4;
        }
        return r;
    }

    if (b.sizeStyle == kStyleTab) {
        r.x = TopBarX(b.column);
        r.y = g.bodyTop - r.height - 3;
        r.height += extra;
        return r;
    }
    if (b.sizeStyle == kStyleSide || b.sizeStyle == kStyleSideTwoLines || b.sizeStyle == kStyleSeparator) {
        r.width = g.panelWidth - 10;
        r.height += extra;
    }
    r.x = b.column == -1 ? g.clientWidth - 38 : b.column;
    r.y = b.row == -1 ? g.clientHeight - 48 : b.row;
    return r;
}

Rect HitRect(const ButtonBar& bar, UiContext& ui, int32_t index) {
    Rect r = ButtonRect(bar, ui, index);
    const Button& b = bar.buttons[static_cast<size_t>(index)];
    if (b.sizeStyle == kStyleCheck && r.width > 0) {
        r.width += TextWidth(true, CaptionSize(b, ui), ButtonCaption(b, ui)) + 20;
    }
    return r;
}

Rect ButtonArea(const ButtonBar& bar, UiContext& ui, int32_t index) {
    const Rect r = ButtonRect(bar, ui, index);
    if (r.width < 1 || r.height < 1) return Rect{r.x, r.y, 0, 0};
    const Button& b = bar.buttons[static_cast<size_t>(index)];
    switch (b.sizeStyle) {
    case kStyleText:
        return Rect{r.x, r.y, r.width + 10, r.height + 4};
    case kStyleSeparator:
    case kStyleSmallIcon:
        return Rect{r.x, r.y - 2, r.width, r.height};
    case kStyleSpacer:
        return Rect{r.x, r.y, 0, 0};
    case kStyleCheck:
        return Rect{r.x, r.y - 6,
                    r.width + 10 + TextWidth(true, CaptionSize(b, ui), ButtonCaption(b, ui)) + 10, r.height + 6};
    case kStyleOption:
        return Rect{r.x, r.y - 6, r.width, r.height + 16};
    default:
        return Rect{r.x, r.y - 6, r.width, r.height + 6};
    }
}

void StackSideButtons(ButtonBar& bar, UiContext& ui) {
    if (!bar.relayout) return;
    bar.relayout = false;
    const int32_t start = ui.skin.logo.height + (ui.page == 5 ? 80 : 50);
    const int32_t limit = ui.grid.clientHeight - 15;
    // The spacing may become zero or negative on a small window; it stops at
    // a floor so that a panel that cannot fit still ends.
    for (int32_t spacing = 8;; --spacing) {
        int32_t y = start;
        int32_t previousY = start;
        int32_t sized = 0;
        for (int32_t i = 0; i < bar.count; ++i) {
            Button& b = bar.buttons[static_cast<size_t>(i)];
            if (!b.visible || !IsStacked(b)) continue;
            if (b.placement == kPlaceSameLine) y = previousY;
            b.row = y;
            previousY = y;
            if (b.sizeStyle == kStyleSpacer) {
                y += b.column;
                continue;
            }
            y += ButtonRect(bar, ui, i).height + spacing;
            ++sized;
            if (i + 1 < bar.count && bar.buttons[static_cast<size_t>(i + 1)].sizeStyle == kStyleSeparator) y += 3;
        }
        if (y <= limit || sized == 0 || spacing <= -40) break;
    }
}

}  // namespace kavalto

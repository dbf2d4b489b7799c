// Where each layout item lies, computed from the grid whenever it is drawn
// or hit, so that a resize re-places every widget.
#include <algorithm>

#include "ui/ui_context.h"
#include "ui/widget_parts.h"

namespace kavalto {
namespace {

bool InGrid(int32_t i) { return i >= 0 && i < kGridCells; }

// An item that cannot be placed gets the empty rectangle: no grid position
// lies at (0, 0).

}  // namespace

Rect ItemRect(const WidgetSet& set, UiContext& ui, int32_t index) {
    if (index < 0 || index >= set.itemCount) return {};
    const LayoutItem& item = set.items[static_cast<size_t>(index)];
    const GridMetrics& g = ui.grid;
    const int32_t height = static_cast<int32_t>(static_cast<float>(item.height) * g.rowHeight);
    if (item.type == kItemSmallNumberField) {
        // Beside its text button: the button's x and caption width.
        const Rect button = ui.hooks.buttonRect ? ui.hooks.buttonRect(item.id) : Rect{};
        if (button.width <= 0 || button.height <= 0) return {};
        return Rect{button.x + button.width + 20, button.y - 2, kSmallNumberWidth, height};
    }
    if (!InGrid(item.column) || !InGrid(item.row)) return {};
    Rect r{g.columnX[static_cast<size_t>(item.column)], g.rowY[static_cast<size_t>(item.row)],
           static_cast<int32_t>(static_cast<float>(item.width) * g.columnWidth), height};
    if (item.type == kItemTimeField) {
        r.width = g.timeFieldWidth;
    } else if (item.type == kItemNumberField && item.width == 2) {
        r.width = g.number4Width;
    } else if (item.type == kItemNumberField && item.width == 4) {
        r.width = g.number6Width;
    }
    return r;
}

int32_t LayoutItemRight(WidgetSet& set, UiContext& ui, int32_t id) {
    for (int32_t i = 0; i < set.itemCount; ++i) {
        if (set.items[static_cast<size_t>(i)].id != id) continue;
        const Rect r = ItemRect(set, ui, i);
        return r == Rect{} ? -1 : r.x + r.width;
    }
    return -1;
}

Rect FieldRect(const WidgetSet& set, UiContext& ui, const TextField& field) {
    Rect r = ItemRect(set, ui, field.item);
    if (r == Rect{}) return {};
    if (!field.multiLine) r.height = ui.grid.textFieldHeight;
    return r;
}

float OptionHeight(const UiContext& ui) { return 1.5f * static_cast<float>(ui.grid.normalFontSize - 2); }

Rect OptionListRect(const WidgetSet& set, UiContext& ui, const DropDown& dropDown) {
    const Rect box = ItemRect(set, ui, dropDown.item);
    const int32_t height = static_cast<int32_t>(static_cast<float>(dropDown.count) * OptionHeight(ui)) + 10;
    return Rect{box.x + static_cast<int32_t>(ui.grid.columnWidth), box.y + box.height, box.width, height};
}

int32_t OptionY(const WidgetSet& set, UiContext& ui, const DropDown& dropDown, int32_t option) {
    const Rect list = OptionListRect(set, ui, dropDown);
    return list.y + 5 + static_cast<int32_t>(static_cast<float>(option) * OptionHeight(ui));
}

void PlaceListBox(const WidgetSet& set, UiContext& ui, ListBox& list) {
    const Rect r = ItemRect(set, ui, list.item);
    const int32_t normal = ui.grid.normalFontSize;
    list.x = r.x;
    list.y = r.y;
    list.width = r.width;
    list.rowHeight = normal + normal / 4 - 1;
    // An empty list still shows (and answers on) one row's height.
    list.totalHeight = std::max(list.count, 1) * list.rowHeight;
}

}  // namespace kavalto

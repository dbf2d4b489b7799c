// List boxes: up to 30 rows in a darkened frame, a title above and two
// footer lines below; a press chooses a row (15), a double click reports
// it (13 or 14).
#include <algorithm>

#include "meet/text_field.h"
#include "ui/text_drawing.h"
#include "ui/ui_context.h"
#include "ui/widget_parts.h"

namespace kavalto {
namespace {

Rect ListRect(const ListBox& list) { return Rect{list.x, list.y, list.width, list.totalHeight}; }

int32_t TitleY(const ListBox& list) { return list.y - list.rowHeight - 6; }
int32_t Footer1Y(const ListBox& list) { return list.y + list.totalHeight + 4; }
int32_t Footer2Y(const ListBox& list, const UiContext& ui) { return Footer1Y(list) + ui.grid.normalFontSize + 2; }

// The row whose band (4 pixels above its text to 4 below it) holds y; the
// band below the last row is row `count`, which cannot be chosen.
int32_t RowAt(const ListBox& list, const UiContext& ui, int32_t y) {
    for (int32_t k = 0; k <= list.count; ++k) {
        const int32_t top = RowY(list, k);
        if (y >= top - 4 && y < top + ui.grid.normalFontSize + 4) return k;
    }
    return -1;
}

bool Active(const WidgetSet& set, const ListBox& list) {
    return list.visible && set.items[static_cast<size_t>(list.item)].visible;
}

bool ChoosableRow(const ListBox& list) { return list.enabled && list.hovered >= 0 && list.hovered < list.count; }

}  // namespace

Rect ListBoxArea(const WidgetSet& set, UiContext& ui, ListBox& list) {
    PlaceListBox(set, ui, list);
    const int32_t normal = ui.grid.normalFontSize;
    Rect area = ListRect(list);
    const auto text = [&](std::string_view t, int32_t y, int32_t size) {
        if (!t.empty()) area = Union(area, Rect{list.x, y, TextWidth(false, size, t), TextHeight(false, size)});
    };
    text(FieldText(list.title), TitleY(list), normal);
    text(FieldText(list.footer1), Footer1Y(list), normal);
    text(FieldText(list.footer2), Footer2Y(list, ui), normal - 1);
    return area;
}

void DrawListBox(const WidgetSet& set, UiContext& ui, ListBox& list) {
    PlaceListBox(set, ui, list);
    const ColourSet& c = ui.skin.colours;
    Surface& s = ui.screen;
    const int32_t normal = ui.grid.normalFontSize;
    DrawText(s, c.highText, false, normal, list.x, TitleY(list), FieldText(list.title));
    const Rect r = ListRect(list);
    ShadeRect(s, r.x, r.y, r.width, r.height, kDarkenFactor);
    const int32_t right = r.x + r.width - 1;
    const int32_t bottom = r.y + r.height - 1;
    HorizontalLine(s, c.normalText, r.x, right, r.y);
    HorizontalLine(s, c.normalText, r.x, right, bottom);
    VerticalLine(s, c.normalText, r.x, r.y, bottom);
    VerticalLine(s, c.normalText, right, r.y, bottom);
    const Colour textColour = list.enabled ? c.normalText : c.disabledText;
    for (int32_t k = 0; k < list.count; ++k) {
        const int32_t y = RowY(list, k);
        if (list.enabled && k == list.hovered) ShadeRect(s, r.x + 1, y, r.width - 2, list.rowHeight, kRowHoverFactor);
        DrawTextBox(s, textColour, false, normal, r.x + 5, y + 2, r.width, FieldText(list.rows[static_cast<size_t>(k)].text));
    }
    DrawText(s, c.highText, false, normal, list.x, Footer1Y(list), FieldText(list.footer1));
    DrawText(s, c.highText, false, normal - 1, list.x, Footer2Y(list, ui), FieldText(list.footer2));
}

bool HoverListBoxes(WidgetSet& set, UiContext& ui, int32_t x, int32_t y, bool claimed) {
    bool claims = false;
    for (int32_t i = 0; i < set.listBoxCount; ++i) {
        ListBox& list = set.listBoxes[static_cast<size_t>(i)];
        PlaceListBox(set, ui, list);
        const bool inside = list.enabled && Active(set, list) && !claimed && !claims && Inside(ListRect(list), x, y);
        const int32_t row = inside ? RowAt(list, ui, y) : -1;
        if (row != list.hovered) {
            list.hovered = row;
            DrawItem(set, ui, list.item);
        }
        claims = claims || inside;
    }
    return claims;
}

bool PressListBoxes(WidgetSet& set, UiContext& ui, int32_t x, int32_t y) {
    for (int32_t i = 0; i < set.listBoxCount; ++i) {
        ListBox& list = set.listBoxes[static_cast<size_t>(i)];
        PlaceListBox(set, ui, list);
        if (!Active(set, list) || !Inside(ListRect(list), x, y)) continue;
        if (!ChoosableRow(list)) return true;
        const uint32_t loads = set.loads;
        EndAllEdits(set, ui);
        if (set.loads != loads) return true;
        list.chosen = list.hovered;
        Send(ui, PageEvent{kEventListPress, list.id, 0});
        if (set.loads == loads) DrawItem(set, ui, list.item);
        return true;
    }
    return false;
}

bool DoubleClickListBoxes(WidgetSet& set, UiContext& ui, int32_t x, int32_t y) {
    for (int32_t i = 0; i < set.listBoxCount; ++i) {
        ListBox& list = set.listBoxes[static_cast<size_t>(i)];
        PlaceListBox(set, ui, list);
        if (!Active(set, list) || !Inside(ListRect(list), x, y)) continue;
        const uint32_t loads = set.loads;
        EndAllEdits(set, ui);
        if (set.loads != loads) return true;
        if (list.enabled) list.hovered = RowAt(list, ui, y);
        if (!ChoosableRow(list)) return true;
        DrawItem(set, ui, list.item);
        list.chosen = list.hovered;
        Send(ui, PageEvent{list.alternate ? kEventListDoubleClickAlternate : kEventListDoubleClick, list.id, 0});
        return true;
    }
    return false;
}

void ClearRows(WidgetSet& set, int32_t id) {
    ListBox* list = FindListBox(set, id);
    if (list == nullptr) return;
    list->count = 0;
    list->hovered = -1;
    list->chosen = -1;
}

void AddRow(WidgetSet& set, int32_t id, std::string_view cp1252, int32_t value) {
    ListBox* list = FindListBox(set, id);
    if (list == nullptr || list->count >= kMaxListRows) return;
    ListRow& row = list->rows[static_cast<size_t>(list->count++)];
    row.value = value;
    CopyText(row.text, cp1252);
}

void SetListTexts(WidgetSet& set, int32_t id, std::string_view title, std::string_view footer1,
                  std::string_view footer2) {
    ListBox* list = FindListBox(set, id);
    if (list == nullptr) return;
    CopyText(list->title, title);
    CopyText(list->footer1, footer1);
    CopyText(list->footer2, footer2);
}

int32_t ChosenRow(WidgetSet& set, int32_t id) {
    const ListBox* list = FindListBox(set, id);
    return list == nullptr ? -1 : list->chosen;
}

int32_t RowValue(WidgetSet& set, int32_t id, int32_t row) {
    const ListBox* list = FindListBox(set, id);
    if (list == nullptr || row < 0 || row >= list->count) return 0;
    return list->rows[static_cast<size_t>(row)].value;
}

void SetAlternate(WidgetSet& set, int32_t id, bool on) {
    if (ListBox* list = FindListBox(set, id)) list->alternate = on ? 1 : 0;
}

}  // namespace kavalto

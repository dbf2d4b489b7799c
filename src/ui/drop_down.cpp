// Drop-downs: a box showing the selected option, opened by a press into a
// list of up to 30 options below it; a press on an enabled option picks it.
#include "meet/text_field.h"
#include "ui/button_drawing.h"
#include "ui/picture_drawing.h"
#include "ui/text_drawing.h"
#include "ui/ui_context.h"
#include "ui/widget_parts.h"

namespace kavalto {
namespace {

bool AnyOpen(const WidgetSet& set) {
    for (int32_t i = 0; i < set.dropDownCount; ++i) {
        if (set.dropDowns[static_cast<size_t>(i)].open) return true;
    }
    return false;
}

// The option whose band holds the point, inside the open list; -1 when none.
int32_t OptionAt(const WidgetSet& set, UiContext& ui, const DropDown& dropDown, int32_t x, int32_t y) {
    const Rect list = OptionListRect(set, ui, dropDown);
    if (x < list.x || x >= list.x + list.width) return -1;
    const int32_t height = static_cast<int32_t>(OptionHeight(ui));
    for (int32_t k = 0; k < dropDown.count; ++k) {
        const int32_t top = OptionY(set, ui, dropDown, k);
        if (y >= top && y < top + height) return k;
    }
    return -1;
}

void DrawOptionList(const WidgetSet& set, UiContext& ui, DropDown& dropDown) {
    const Rect list = OptionListRect(set, ui, dropDown);
    const ColourSet& c = ui.skin.colours;
    Surface& s = ui.screen;
    ShadeRect(s, list.x, list.y, list.width, list.height, kDarkenFactor);
    const int32_t right = list.x + list.width - 1;
    const int32_t bottom = list.y + list.height - 1;
    HorizontalLine(s, c.normalText, list.x, right, list.y);
    HorizontalLine(s, c.normalText, list.x, right, bottom);
    VerticalLine(s, c.normalText, list.x, list.y, bottom);
    VerticalLine(s, c.normalText, right, list.y, bottom);
    const int32_t height = static_cast<int32_t>(OptionHeight(ui));
    const int32_t size = ui.grid.normalFontSize;
    for (int32_t k = 0; k < dropDown.count; ++k) {
        const int32_t y = OptionY(set, ui, dropDown, k);
        dropDown.optionY[static_cast<size_t>(k)] = y;
        if (k == dropDown.selected) FillRect(s, c.selection, list.x + 1, y, list.width - 2, height);
        if (k == dropDown.hovered) ShadeRect(s, list.x + 1, y, list.width - 2, height, kOptionHoverFactor);
        const DropDownOption& option = dropDown.options[static_cast<size_t>(k)];
        DrawTextBox(s, option.enabled ? c.normalText : c.disabledText, true, size, list.x + 5, y, list.width,
                    FieldText(option.text));
    }
}

void Redraw(WidgetSet& set, UiContext& ui, const DropDown& dropDown) { DrawItem(set, ui, dropDown.item); }

}  // namespace

Rect DropDownArea(const WidgetSet& set, UiContext& ui, const DropDown& dropDown) {
    const Rect box = ItemRect(set, ui, dropDown.item);
    Rect area = Union(box, FieldLabelRect(ui, dropDown.id, box.x, box.y));
    if (dropDown.open) area = Union(area, OptionListRect(set, ui, dropDown));
    return area;
}

void DrawDropDown(const WidgetSet& set, UiContext& ui, DropDown& dropDown) {
    const Rect box = ItemRect(set, ui, dropDown.item);
    const ColourSet& c = ui.skin.colours;
    const bool itemEnabled = set.items[static_cast<size_t>(dropDown.item)].enabled != 0;
    DrawFieldLabel(ui, dropDown.id, box.x, box.y, itemEnabled ? c.highText : c.disabledText);
    DrawButtonFace(ui, box, false, dropDown.mouseOver != 0, true);
    if (!dropDown.enabled) ShadeRect(ui.screen, box.x, box.y, box.width, box.height, kDarkenFactor);
    if (dropDown.selected >= 0 && dropDown.selected < dropDown.count) {
        DrawTextBox(ui.screen, dropDown.enabled ? c.normalText : c.disabledText, true, ui.grid.normalFontSize,
                    box.x + 5, box.y + 2, box.width, FieldText(dropDown.options[static_cast<size_t>(dropDown.selected)].text));
    }
    DrawPicture(ui.screen, ui.skin.menuMarker, box.x + box.width - 17, box.y + 5, 0, 0, dropDown.enabled != 0);
    if (dropDown.open) DrawOptionList(set, ui, dropDown);
}

bool HoverDropDowns(WidgetSet& set, UiContext& ui, int32_t x, int32_t y, bool claimed) {
    bool claims = false;
    for (int32_t i = 0; i < set.dropDownCount; ++i) {
        DropDown& dropDown = set.dropDowns[static_cast<size_t>(i)];
        const bool active = dropDown.enabled && dropDown.visible && set.items[static_cast<size_t>(dropDown.item)].visible;
        if (dropDown.open) {
            const int32_t option = active && !claimed && !claims ? OptionAt(set, ui, dropDown, x, y) : -1;
            if (option != dropDown.hovered) {
                dropDown.hovered = option;
                Redraw(set, ui, dropDown);
            }
            claims = claims || option >= 0;
        } else {
            const bool over = active && !claimed && !claims && Inside(ItemRect(set, ui, dropDown.item), x, y);
            if (over != (dropDown.mouseOver != 0)) {
                dropDown.mouseOver = over ? 1 : 0;
                Redraw(set, ui, dropDown);
            }
            claims = claims || over;
        }
    }
    return claims;
}

bool PressDropDowns(WidgetSet& set, UiContext& ui, int32_t x, int32_t y) {
    // An open list takes the press wherever it falls; it closes, picking
    // only an enabled option under the point.
    for (int32_t i = 0; i < set.dropDownCount; ++i) {
        DropDown& dropDown = set.dropDowns[static_cast<size_t>(i)];
        if (!dropDown.open) continue;
        const int32_t option = OptionAt(set, ui, dropDown, x, y);
        const bool picked = option >= 0 && dropDown.options[static_cast<size_t>(option)].enabled;
        if (picked) dropDown.selected = option;
        dropDown.open = 0;
        dropDown.hovered = -1;
        set.dropDownOpen = AnyOpen(set);
        if (picked) Send(ui, PageEvent{kEventOptionPicked, dropDown.id, option});
        RequestRepaint(ui);
        return true;
    }
    for (int32_t i = 0; i < set.dropDownCount; ++i) {
        DropDown& dropDown = set.dropDowns[static_cast<size_t>(i)];
        if (!dropDown.enabled || !dropDown.visible || !set.items[static_cast<size_t>(dropDown.item)].visible) continue;
        if (!Inside(ItemRect(set, ui, dropDown.item), x, y)) continue;
        if (dropDown.count == 0) return false;
        dropDown.open = 1;
        dropDown.hovered = -1;
        set.dropDownOpen = true;
        const uint32_t loads = set.loads;
        EndAllEdits(set, ui);
        if (set.loads == loads) Redraw(set, ui, dropDown);
        return true;
    }
    return false;
}

void ClearOptions(WidgetSet& set, int32_t id) {
    DropDown* dropDown = FindDropDown(set, id);
    if (dropDown == nullptr) return;
    dropDown->count = 0;
    dropDown->selected = 0;
    dropDown->hovered = -1;
}

void AddOption(WidgetSet& set, int32_t id, std::string_view cp1252, int32_t value) {
    DropDown* dropDown = FindDropDown(set, id);
    if (dropDown == nullptr || dropDown->count >= kMaxOptions) return;
    DropDownOption& option = dropDown->options[static_cast<size_t>(dropDown->count++)];
    option.enabled = 1;
    option.value = value;
    CopyText(option.text, cp1252);
}

void SelectValue(WidgetSet& set, UiContext& ui, int32_t id, int32_t value) {
    DropDown* dropDown = FindDropDown(set, id);
    if (dropDown == nullptr) return;
    dropDown->selected = 0;
    for (int32_t k = 0; k < dropDown->count; ++k) {
        if (dropDown->options[static_cast<size_t>(k)].value == value) {
            dropDown->selected = k;
            break;
        }
    }
    Redraw(set, ui, *dropDown);
}

int32_t SelectedValue(WidgetSet& set, int32_t id) {
    const DropDown* dropDown = FindDropDown(set, id);
    if (dropDown == nullptr || dropDown->selected < 0 || dropDown->selected >= dropDown->count) return 0;
    return dropDown->options[static_cast<size_t>(dropDown->selected)].value;
}

void SetOptionEnabled(WidgetSet& set, int32_t id, int32_t option, bool on) {
    DropDown* dropDown = FindDropDown(set, id);
    if (dropDown == nullptr || option < 0 || option >= dropDown->count) return;
    dropDown->options[static_cast<size_t>(option)].enabled = on ? 1 : 0;
}

}  // namespace kavalto

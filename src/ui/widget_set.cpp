#include "ui/widget_set.h"

#include <algorithm>

#include "ui/ui_context.h"
#include "ui/widget_parts.h"

namespace kavalto {
namespace {

template <typename Record, size_t N>
int32_t IndexById(const std::array<Record, N>& records, int32_t count, int32_t id) {
    for (int32_t i = 0; i < count; ++i) {
        if (records[static_cast<size_t>(i)].id == id) return i;
    }
    return -1;
}

template <typename Record, size_t N>
int32_t IndexByItem(const std::array<Record, N>& records, int32_t count, int32_t item) {
    for (int32_t i = 0; i < count; ++i) {
        if (records[static_cast<size_t>(i)].item == item) return i;
    }
    return -1;
}

template <typename Record, size_t N>
Record* ById(std::array<Record, N>& records, int32_t count, int32_t id) {
    if (count <= 0) return nullptr;
    const int32_t i = IndexById(records, count, id);
    return &records[static_cast<size_t>(std::max(i, 0))];
}

void MakeRecord(WidgetSet& set, int32_t index) {
    const LayoutItem& item = set.items[static_cast<size_t>(index)];
    if (item.type == kItemValueBox && set.valueBoxCount < kMaxValueBoxes) {
        ValueBox& box = set.valueBoxes[static_cast<size_t>(set.valueBoxCount++)];
        box.id = item.id;
        box.item = index;
    } else if (IsTextFieldItem(item.type) && set.textFieldCount < kMaxTextFields) {
        TextField& field = set.textFields[static_cast<size_t>(set.textFieldCount++)];
        field.id = item.id;
        field.item = index;
        field.type = item.type;
        field.numeric = item.type == kItemNumberField || item.type == kItemSmallNumberField;
        field.timeInput = item.type == kItemTimeField;
        field.live = item.type == kItemLiveField;
        field.multiLine = item.type == kItemMultiLineField;
    } else if (item.type == kItemDropDown && set.dropDownCount < kMaxDropDowns) {
        DropDown& dropDown = set.dropDowns[static_cast<size_t>(set.dropDownCount++)];
        dropDown.id = item.id;
        dropDown.item = index;
    } else if (item.type == kItemListBox && set.listBoxCount < kMaxListBoxes) {
        ListBox& list = set.listBoxes[static_cast<size_t>(set.listBoxCount++)];
        list.id = item.id;
        list.item = index;
    }
}

bool AnyDropDownOpen(const WidgetSet& set) {
    for (int32_t i = 0; i < set.dropDownCount; ++i) {
        if (set.dropDowns[static_cast<size_t>(i)].open) return true;
    }
    return false;
}

// A drop-down that is disabled or hidden while open closes; the buttons
// would otherwise stay deaf to the mouse.
void CloseDropDown(WidgetSet& set, UiContext& ui, DropDown& dropDown) {
    if (!dropDown.open) return;
    dropDown.open = 0;
    dropDown.hovered = -1;
    set.dropDownOpen = AnyDropDownOpen(set);
    RequestRepaint(ui);
}

// The record of the item's own kind changes with the item.
void ApplyToRecord(WidgetSet& set, UiContext& ui, int32_t index, bool enable, bool on) {
    const uint32_t loads = set.loads;
    if (const int32_t f = TextFieldOfItem(set, index); f >= 0) {
        TextField& field = set.textFields[static_cast<size_t>(f)];
        if (!on && field.editing) {
            CommitField(set, ui, f);
            if (set.loads != loads) return;
        }
        (enable ? field.enabled : field.visible) = on ? 1 : 0;
        if (!on) field.hover = 0;
    } else if (const int32_t d = DropDownOfItem(set, index); d >= 0) {
        DropDown& dropDown = set.dropDowns[static_cast<size_t>(d)];
        (enable ? dropDown.enabled : dropDown.visible) = on ? 1 : 0;
        if (!on) {
            dropDown.mouseOver = 0;
            CloseDropDown(set, ui, dropDown);
        }
    } else if (const int32_t l = ListBoxOfItem(set, index); l >= 0) {
        ListBox& list = set.listBoxes[static_cast<size_t>(l)];
        (enable ? list.enabled : list.visible) = on ? 1 : 0;
        if (!on) list.hovered = -1;
    }
}

}  // namespace

int32_t TextFieldOfItem(const WidgetSet& set, int32_t item) {
    return IndexByItem(set.textFields, set.textFieldCount, item);
}
int32_t DropDownOfItem(const WidgetSet& set, int32_t item) {
    return IndexByItem(set.dropDowns, set.dropDownCount, item);
}
int32_t ListBoxOfItem(const WidgetSet& set, int32_t item) {
    return IndexByItem(set.listBoxes, set.listBoxCount, item);
}
int32_t ValueBoxOfItem(const WidgetSet& set, int32_t item) {
    return IndexByItem(set.valueBoxes, set.valueBoxCount, item);
}

TextField* FindTextField(WidgetSet& set, int32_t id) { return ById(set.textFields, set.textFieldCount, id); }
DropDown* FindDropDown(WidgetSet& set, int32_t id) { return ById(set.dropDowns, set.dropDownCount, id); }
ListBox* FindListBox(WidgetSet& set, int32_t id) { return ById(set.listBoxes, set.listBoxCount, id); }
ValueBox* FindValueBox(WidgetSet& set, int32_t id) { return ById(set.valueBoxes, set.valueBoxCount, id); }

void LoadLayout(WidgetSet& set, UiContext& ui, const LayoutItem* items, int32_t count) {
    (void)ui;
    for (int32_t i = 0; i < set.textFieldCount; ++i) DropEditBox(set, set.textFields[static_cast<size_t>(i)]);
    ++set.loads;
    set.itemCount = 0;
    set.valueBoxCount = 0;
    set.textFieldCount = 0;
    set.dropDownCount = 0;
    set.listBoxCount = 0;
    set.valueBoxes = {};
    set.textFields = {};
    set.dropDowns = {};
    set.listBoxes = {};
    set.dropDownOpen = false;
    set.editingId = -1;
    if (items == nullptr) return;
    set.itemCount = std::clamp(count, 0, kMaxLayoutItems);
    std::copy(items, items + set.itemCount, set.items.begin());
    for (int32_t i = 0; i < set.itemCount; ++i) MakeRecord(set, i);
}

Rect PaintItem(WidgetSet& set, UiContext& ui, int32_t index) {
    if (index < 0 || index >= set.itemCount || ui.screen.empty()) return {};
    const LayoutItem& item = set.items[static_cast<size_t>(index)];
    if (!item.visible) return {};
    const Rect r = ItemRect(set, ui, index);
    if (r == Rect{}) return {};
    Rect area;
    if (IsLabelItem(item.type) || item.type == kItemSeparator) {
        area = LabelArea(ui, item, r);
        RestoreBackground(ui, area);
        DrawLabelItem(ui, item, r);
    } else if (const int32_t f = TextFieldOfItem(set, index); f >= 0) {
        const TextField& field = set.textFields[static_cast<size_t>(f)];
        if (!field.visible) return {};
        area = TextFieldArea(set, ui, field);
        RestoreBackground(ui, area);
        DrawTextField(set, ui, field);
    } else if (const int32_t v = ValueBoxOfItem(set, index); v >= 0) {
        const ValueBox& box = set.valueBoxes[static_cast<size_t>(v)];
        area = ValueBoxArea(set, ui, box);
        RestoreBackground(ui, area);
        DrawValueBoxItem(set, ui, box);
    } else if (const int32_t d = DropDownOfItem(set, index); d >= 0) {
        DropDown& dropDown = set.dropDowns[static_cast<size_t>(d)];
        if (!dropDown.visible) return {};
        area = DropDownArea(set, ui, dropDown);
        RestoreBackground(ui, area);
        DrawDropDown(set, ui, dropDown);
    } else if (const int32_t l = ListBoxOfItem(set, index); l >= 0) {
        ListBox& list = set.listBoxes[static_cast<size_t>(l)];
        if (!list.visible) return {};
        area = ListBoxArea(set, ui, list);
        RestoreBackground(ui, area);
        DrawListBox(set, ui, list);
    }
    return area;
}

void DrawItem(WidgetSet& set, UiContext& ui, int32_t index) {
    Rect area = PaintItem(set, ui, index);
    if (area.width <= 0 || area.height <= 0) return;
    // An open drop-down's list lies on top of whatever it covers.
    if (!ui.painting && set.dropDownOpen && DropDownOfItem(set, index) < 0) {
        for (int32_t d = 0; d < set.dropDownCount; ++d) {
            const DropDown& dropDown = set.dropDowns[static_cast<size_t>(d)];
            if (dropDown.open && Overlap(area, DropDownArea(set, ui, dropDown))) {
                area = Union(area, PaintItem(set, ui, dropDown.item));
            }
        }
    }
    Present(ui, area);
}

void DrawWidgets(WidgetSet& set, UiContext& ui) {
    for (int32_t i = 0; i < set.itemCount; ++i) {
        const int32_t type = set.items[static_cast<size_t>(i)].type;
        if (type != kItemDropDown && type != kItemListBox) DrawItem(set, ui, i);
    }
    for (int32_t l = 0; l < set.listBoxCount; ++l) DrawItem(set, ui, set.listBoxes[static_cast<size_t>(l)].item);
    for (int32_t d = 0; d < set.dropDownCount; ++d) DrawItem(set, ui, set.dropDowns[static_cast<size_t>(d)].item);
}

void SetEnabled(WidgetSet& set, UiContext& ui, int32_t id, bool on) {
    const uint32_t loads = set.loads;
    for (int32_t i = 0; i < set.itemCount && set.loads == loads; ++i) {
        LayoutItem& item = set.items[static_cast<size_t>(i)];
        // A value box keeps the table's byte: it only picks its text colour.
        if (item.id != id || item.type == kItemValueBox) continue;
        item.enabled = on ? 1 : 0;
        ApplyToRecord(set, ui, i, true, on);
        if (set.loads == loads && (item.type == kItemDropDown || item.type == kItemListBox)) DrawItem(set, ui, i);
    }
}

void SetVisible(WidgetSet& set, UiContext& ui, int32_t id, bool on) {
    const uint32_t loads = set.loads;
    for (int32_t i = 0; i < set.itemCount && set.loads == loads; ++i) {
        LayoutItem& item = set.items[static_cast<size_t>(i)];
        if (item.id != id) continue;
        item.visible = on ? 1 : 0;
        ApplyToRecord(set, ui, i, false, on);
        if (on && set.loads == loads) DrawItem(set, ui, i);
    }
}

void EnableAll(WidgetSet& set, UiContext& ui, bool on) {
    const uint32_t loads = set.loads;
    for (int32_t i = 0; i < set.itemCount && set.loads == loads; ++i) {
        LayoutItem& item = set.items[static_cast<size_t>(i)];
        if (IsLabelItem(item.type)) continue;
        item.enabled = on ? 1 : 0;
        ApplyToRecord(set, ui, i, true, on);
    }
}

WidgetCursor HoverWidgets(WidgetSet& set, UiContext& ui, int32_t x, int32_t y, bool popupOpen) {
    // Every kind updates its marks; the first to claim the point wins and
    // the ones after it let go of theirs.
    const bool field = HoverTextFields(set, ui, x, y, popupOpen);
    const bool dropDown = HoverDropDowns(set, ui, x, y, popupOpen || field);
    const bool list = HoverListBoxes(set, ui, x, y, popupOpen || field || dropDown);
    set.cursor = field ? WidgetCursor::IBeam : (dropDown || list) ? WidgetCursor::Hand : WidgetCursor::Arrow;
    return set.cursor == WidgetCursor::Arrow ? WidgetCursor::NotClaimed : set.cursor;
}

bool PressWidgets(WidgetSet& set, UiContext& ui, int32_t x, int32_t y, bool popupOpen) {
    if (popupOpen) return false;
    // A press without a mouse move before it (a window just activated)
    // acts on what lies under it.
    HoverWidgets(set, ui, x, y, false);
    const uint32_t loads = set.loads;
    PressTextFields(set, ui);
    if (set.loads != loads) return true;
    if (PressDropDowns(set, ui, x, y)) return true;
    return PressListBoxes(set, ui, x, y);
}

bool DoubleClickWidgets(WidgetSet& set, UiContext& ui, int32_t x, int32_t y) {
    return DoubleClickListBoxes(set, ui, x, y);
}

bool DropDownOpen(const WidgetSet& set) { return set.dropDownOpen; }

int32_t EditingField(const WidgetSet& set) { return set.editingId; }

void RelayoutWidgets(WidgetSet& set, UiContext& ui) {
    const uint32_t loads = set.loads;
    EndAllEdits(set, ui);
    if (set.loads != loads) return;
    for (int32_t l = 0; l < set.listBoxCount; ++l) PlaceListBox(set, ui, set.listBoxes[static_cast<size_t>(l)]);
}

}  // namespace kavalto

// Text fields as the program draws them when they are not being edited, and
// the page's access to their texts and values.
#include <algorithm>
#include <cstdio>
#include <string>

#include "app/text_tables.h"
#include "meet/text_field.h"
#include "rules/hundredths.h"
#include "ui/button_drawing.h"
#include "ui/my_edit_box.h"
#include "ui/text_drawing.h"
#include "ui/ui_context.h"
#include "ui/widget_parts.h"

namespace kavalto {
namespace {

Rect FaceRect(const Rect& r) { return Rect{r.x - 1, r.y - 1, r.width + 2, r.height + 1}; }

std::string SuffixText(UiContext& ui, const LayoutItem& item) {
    if (item.suffixLabel == 0 || ui.meet == nullptr || !IsLabelTextId(item.suffixLabel)) return {};
    return LookupLabelText(*ui.meet, item.suffixLabel);
}

// A multi-line field shows its lines one under another, as far as they fit.
void DrawFieldText(UiContext& ui, const TextField& field, const Rect& r, Colour colour) {
    const int32_t size = ui.grid.normalFontSize;
    const std::string_view text = FieldText(field.text);
    if (!field.multiLine) {
        DrawTextBox(ui.screen, colour, true, size, r.x + 5, r.y + 2, r.width, text);
        return;
    }
    const int32_t lineHeight = TextHeight(true, size);
    int32_t y = r.y + 2;
    size_t start = 0;
    while (start <= text.size() && y + lineHeight <= r.y + r.height) {
        size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        DrawTextBox(ui.screen, colour, true, size, r.x + 5, y, r.width, line);
        y += lineHeight;
        start = end + 1;
    }
}

// Reads the open edit box into the field, so that what is typed counts.
void TakeEditBoxText(TextField& field) {
    if (field.editing && field.editBox) CopyText(field.text, EditBoxText(field.editBox, field.multiLine != 0));
}

// The integer the text starts with: blanks skipped, one sign, digits; held
// within 32 bits.
int32_t ReadInteger(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    int64_t value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = std::min<int64_t>(value * 10 + (text[i] - '0'), int64_t{INT32_MAX} + 1);
    }
    if (negative) value = -value;
    return static_cast<int32_t>(std::clamp<int64_t>(value, INT32_MIN, INT32_MAX));
}

}  // namespace

Rect TextFieldArea(const WidgetSet& set, UiContext& ui, const TextField& field) {
    const Rect r = FieldRect(set, ui, field);
    if (r == Rect{}) return {};
    Rect area = Union(FaceRect(r), FieldLabelRect(ui, field.id, r.x, r.y));
    const std::string suffix = SuffixText(ui, set.items[static_cast<size_t>(field.item)]);
    if (!suffix.empty()) {
        const int32_t size = ui.grid.normalFontSize;
        area = Union(area, Rect{r.x + r.width + 12, r.y + 3, TextWidth(true, size, suffix), TextHeight(true, size)});
    }
    return area;
}

void DrawTextField(const WidgetSet& set, UiContext& ui, const TextField& field) {
    const Rect r = FieldRect(set, ui, field);
    if (r == Rect{}) return;
    const LayoutItem& item = set.items[static_cast<size_t>(field.item)];
    const ColourSet& c = ui.skin.colours;
    // The label follows the table's enabled byte until the page sets it.
    const Colour labelColour = item.enabled ? c.highText : c.disabledText;
    DrawFieldLabel(ui, field.id, r.x, r.y, labelColour);
    const Rect face = FaceRect(r);
    if (field.editing) {
        DrawButtonFace(ui, face, true, false, true);
    } else {
        DrawButtonFace(ui, face, false, field.hover != 0, true);
        if (!field.enabled) ShadeRect(ui.screen, face.x, face.y, face.width, face.height, kDarkenFactor);
        DrawFieldText(ui, field, r, field.enabled ? c.normalText : c.disabledText);
    }
    const std::string suffix = SuffixText(ui, item);
    if (!suffix.empty()) DrawText(ui.screen, labelColour, true, ui.grid.normalFontSize, r.x + r.width + 12, r.y + 3, suffix);
}

bool HoverTextFields(WidgetSet& set, UiContext& ui, int32_t x, int32_t y, bool claimed) {
    bool claims = false;
    for (int32_t i = 0; i < set.textFieldCount; ++i) {
        TextField& field = set.textFields[static_cast<size_t>(i)];
        const bool on = !claimed && !claims && !set.dropDownOpen && field.enabled && field.visible &&
                        set.items[static_cast<size_t>(field.item)].visible && Inside(FieldRect(set, ui, field), x, y);
        if (on != (field.hover != 0)) {
            field.hover = on ? 1 : 0;
            if (!field.editing) DrawItem(set, ui, field.item);
        }
        claims = claims || on;
    }
    return claims;
}

void PressTextFields(WidgetSet& set, UiContext& ui) {
    const uint32_t loads = set.loads;
    // The field left is committed before the one pressed begins, so the page
    // hears 18 for the one and then 12 for the other.
    for (int32_t i = 0; i < set.textFieldCount; ++i) {
        const TextField& field = set.textFields[static_cast<size_t>(i)];
        if (field.editing && !field.hover) {
            CommitField(set, ui, i);
            if (set.loads != loads) return;
        }
    }
    for (int32_t i = 0; i < set.textFieldCount; ++i) {
        const TextField& field = set.textFields[static_cast<size_t>(i)];
        if (field.hover && !field.editing) {
            BeginFieldEdit(set, ui, i, true);
            return;
        }
    }
}

void SetText(WidgetSet& set, UiContext& ui, int32_t id, std::string_view cp1252) {
    TextField* field = FindTextField(set, id);
    if (field == nullptr) return;
    CopyText(field->text, cp1252);
    if (field->editing && field->editBox) {
        SetEditBoxText(field->editBox, FieldText(field->text));
    } else {
        DrawItem(set, ui, field->item);
    }
}

void SetText(WidgetSet& set, UiContext& ui, int32_t id, int32_t value) {
    const TextField* field = FindTextField(set, id);
    if (field == nullptr) return;
    if (field->timeInput) {
        SetText(set, ui, id, FormatHundredths(value));
        return;
    }
    char text[16];
    std::snprintf(text, sizeof text, "%d", value);
    SetText(set, ui, id, std::string_view(text));
}

void ClearText(WidgetSet& set, UiContext& ui, int32_t id) { SetText(set, ui, id, std::string_view()); }

std::string GetText(WidgetSet& set, int32_t id) {
    TextField* field = FindTextField(set, id);
    if (field == nullptr) return {};
    TakeEditBoxText(*field);
    return std::string(FieldText(field->text));
}

int32_t GetValue(WidgetSet& set, int32_t id) {
    TextField* field = FindTextField(set, id);
    if (field == nullptr) return 0;
    TakeEditBoxText(*field);
    const std::string_view text = FieldText(field->text);
    return field->timeInput ? ParseHundredths(text) : ReadInteger(text);
}

}  // namespace kavalto

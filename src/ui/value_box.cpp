// Read-only value boxes: a darkened box with the page's text and the
// table B label of its id on the left.
#include "meet/text_field.h"
#include "ui/text_drawing.h"
#include "ui/ui_context.h"
#include "ui/widget_parts.h"

namespace kavalto {

Rect ValueBoxArea(const WidgetSet& set, UiContext& ui, const ValueBox& box) {
    const Rect r = ItemRect(set, ui, box.item);
    return Union(r, FieldLabelRect(ui, box.id, r.x, r.y));
}

void DrawValueBoxItem(const WidgetSet& set, UiContext& ui, const ValueBox& box) {
    const Rect r = ItemRect(set, ui, box.item);
    const ColourSet& c = ui.skin.colours;
    DrawFieldLabel(ui, box.id, r.x, r.y, c.highText);
    ShadeRect(ui.screen, r.x, r.y, r.width, r.height, kDarkenFactor);
    const bool enabled = set.items[static_cast<size_t>(box.item)].enabled != 0;
    DrawTextBox(ui.screen, enabled ? c.highText : c.normalText, false, ui.grid.normalFontSize, r.x + 5, r.y + 1,
                r.width, FieldText(box.text));
}

void SetValueBoxText(WidgetSet& set, int32_t id, std::string_view cp1252) {
    if (ValueBox* box = FindValueBox(set, id)) CopyText(box->text, cp1252);
}

void DrawValueBox(WidgetSet& set, UiContext& ui, int32_t id) {
    if (const ValueBox* box = FindValueBox(set, id)) DrawItem(set, ui, box->item);
}

}  // namespace kavalto

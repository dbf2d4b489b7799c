// Titles, labels and separators of the layout, and the table B label a
// field, drop-down or value box shows on its left.
#include <string>

#include "app/text_tables.h"
#include "ui/text_drawing.h"
#include "ui/ui_context.h"
#include "ui/widget_parts.h"

namespace kavalto {
namespace {

constexpr Colour kWarningOrange{255, 128, 0};
constexpr int32_t kGrooveFactors[4] = {220, 150, 70, 20};

struct LabelStyle {
    int32_t size;
    int32_t dy;                  // from the item's y
    Colour colour;
};

LabelStyle StyleOf(const UiContext& ui, const LayoutItem& item) {
    const int32_t normal = ui.grid.normalFontSize;
    const int32_t large = static_cast<int32_t>(1.25f * static_cast<float>(normal));
    const ColourSet& c = ui.skin.colours;
    LabelStyle style{normal, -2, c.highText};
    switch (item.type) {
    case kItemTitle:
        style = {2 * normal, -2, c.title};
        break;
    case kItemLabel:
        style = {large, -2, item.highlighted ? c.highText : c.normalText};
        break;
    case kItemLabelSmall:
        style = {normal, 1, c.highText};
        break;
    case kItemNotice:
        style = {large, -2, c.obsText};
        break;
    case kItemWarning:
        style = {normal, 1, kWarningOrange};
        break;
    default:
        break;
    }
    if (!item.enabled) style.colour = c.disabledText;
    return style;
}

std::string LabelText(UiContext& ui, int32_t id) {
    if (ui.meet == nullptr) return {};
    return LookupLabelText(*ui.meet, id);
}

}  // namespace

std::string FieldLabelText(UiContext& ui, int32_t id) {
    if (!IsLabelTextId(id)) return {};
    return LabelText(ui, id);
}

Rect FieldLabelRect(UiContext& ui, int32_t id, int32_t x, int32_t y) {
    const std::string text = FieldLabelText(ui, id);
    if (text.empty()) return {};
    const int32_t size = ui.grid.normalFontSize;
    const int32_t width = TextWidth(true, size, text);
    return Rect{x - width - 10, y + 3, width, TextHeight(true, size)};
}

void DrawFieldLabel(UiContext& ui, int32_t id, int32_t x, int32_t y, Colour colour) {
    const std::string text = FieldLabelText(ui, id);
    if (text.empty()) return;
    const int32_t size = ui.grid.normalFontSize;
    DrawText(ui.screen, colour, true, size, x - TextWidth(true, size, text) - 10, y + 3, text);
}

Rect LabelArea(UiContext& ui, const LayoutItem& item, const Rect& r) {
    if (item.type == kItemSeparator) return SeparatorArea(r);
    const LabelStyle style = StyleOf(ui, item);
    const int32_t width = TextWidth(true, style.size, LabelText(ui, item.id));
    return Rect{r.x - 10, r.y + style.dy, width + 20, TextHeight(true, style.size) + 1};
}

void DrawLabelItem(UiContext& ui, const LayoutItem& item, const Rect& r) {
    if (item.type == kItemSeparator) {
        DrawSeparator(ui, r);
        return;
    }
    const LabelStyle style = StyleOf(ui, item);
    DrawText(ui.screen, style.colour, true, style.size, r.x, r.y + style.dy, LabelText(ui, item.id));
}

Rect SeparatorArea(const Rect& r) { return Rect{r.x, r.y + 2, r.width, 4}; }

void DrawSeparator(UiContext& ui, const Rect& r) {
    for (int32_t i = 0; i < 4; ++i) ShadeRect(ui.screen, r.x, r.y + 2 + i, r.width, 1, kGrooveFactors[i]);
}

}  // namespace kavalto

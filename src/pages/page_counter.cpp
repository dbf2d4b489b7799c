#include "pages/page_counter.h"

#include <algorithm>
#include <cstdio>

#include "app/text_tables.h"
#include "ui/page.h"
#include "ui/text_drawing.h"
#include "ui/ui_context.h"

namespace kavalto {
namespace {

constexpr TextId kOfText = 503;  // "av"

}  // namespace

std::string RecordCounterText(PageContext& page, int32_t current, int32_t count) {
    char number[24];
    std::snprintf(number, sizeof number, "(%d ", count > 0 ? current + 1 : 0);
    std::string text = number;
    if (page.ui.meet != nullptr) text.append(LookupListText(*page.ui.meet, kOfText));
    std::snprintf(number, sizeof number, " %d)", std::max(count, 0));
    return text.append(number);
}

void DrawRecordCounter(PageContext& page, int32_t current, int32_t count, int32_t column) {
    UiContext& ui = page.ui;
    const std::string text = RecordCounterText(page, current, count);
    DrawText(ui.screen, ui.skin.colours.obsText, true, ui.grid.normalFontSize,
             ui.grid.columnX[static_cast<size_t>(column)], ui.grid.rowY[1], text);
}

}  // namespace kavalto

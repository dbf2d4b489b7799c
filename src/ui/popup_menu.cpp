#include "ui/popup_menu.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "app/text_tables.h"
#include "meet/meet_state.h"
#include "ui/button_drawing.h"
#include "ui/button_geometry.h"
#include "ui/text_drawing.h"
#include "ui/ui_context.h"

namespace kavalto {
namespace {

constexpr Colour kBlack{0, 0, 0};
constexpr Colour kWhite{255, 255, 255};

int32_t LineHeight(const UiContext& ui) { return ui.grid.smallFontSize + 5; }

Rect LineRect(const PopupMenu& menu, const UiContext& ui, int32_t entry) {
    return Rect{2, menu.entries[static_cast<size_t>(entry)].y, menu.width - 4, LineHeight(ui)};
}

void DrawLine(ButtonBar& bar, UiContext& ui, int32_t entry) {
    PopupMenu& menu = bar.popup;
    if (entry < 0 || entry >= menu.count || ui.screen.empty()) return;
    const PopupEntry& e = menu.entries[static_cast<size_t>(entry)];
    const ColourSet& colours = ui.skin.colours;
    const Rect line = LineRect(menu, ui, entry);
    FillRect(ui.screen, colours.work, line.x, line.y, line.width, line.height);
    Colour colour = colours.disabledText;
    if (e.enabled) colour = entry == menu.hovered ? colours.obsText : colours.normalText;
    const std::string text = ui.meet != nullptr ? LookupListText(*ui.meet, e.code) : std::string();
    DrawTextClipped(ui.screen, colour, true, ui.grid.smallFontSize + 2, 10, e.y, menu.width - 3, text);
    Present(ui, line);
}

void Close(ButtonBar& bar) {
    bar.popup.open = false;
    bar.popup.hovered = -1;
}

}  // namespace

bool OpenPopup(ButtonBar& bar, UiContext& ui, int32_t popupId, std::string_view title, const PopupEntry* entries,
               int32_t n) {
    const int32_t anchor = FindButton(bar, popupId);
    if (anchor < 0) return false;
    PopupMenu& menu = bar.popup;
    const int32_t small = ui.grid.smallFontSize;
    menu.popupId = popupId;
    const size_t titleLength = std::min(title.size(), sizeof menu.title - 1);
    std::memcpy(menu.title, title.data(), titleLength);
    menu.title[titleLength] = '\0';
    n = entries == nullptr ? 0 : std::clamp(n, 0, kMaxPopupEntries - 1);
    std::copy_n(entries, n, menu.entries.begin());
    menu.entries[static_cast<size_t>(n)] = PopupEntry{kCancelText, 0, 0, 1};
    menu.count = n + 1;
    menu.left = 0;
    menu.width = kPopupWidth;
    menu.top = std::max(ButtonRect(bar, ui, anchor).y - 10, ui.grid.bodyTop + 6);
    int32_t y = menu.top + small + 15;
    for (int32_t i = 0; i < menu.count; ++i, y += small + 6) menu.entries[static_cast<size_t>(i)].y = y;
    menu.height = menu.entries[static_cast<size_t>(menu.count - 1)].y + small - menu.top + 20;
    if (menu.top + menu.height > ui.grid.clientHeight) {
        menu.top = ui.grid.clientHeight - menu.height - 10;
        y = menu.top + small + 10;
        for (int32_t i = 0; i < menu.count; ++i, y += small + 5) menu.entries[static_cast<size_t>(i)].y = y;
    }
    menu.hovered = -1;
    if (bar.hovered != kNoButton && bar.hovered < bar.count) {
        bar.buttons[static_cast<size_t>(bar.hovered)].hover = 0;
    }
    bar.hovered = kNoButton;
    menu.open = true;
    RequestRepaint(ui);
    return true;
}

bool TrackPopup(ButtonBar& bar, UiContext& ui, int32_t x, int32_t y, bool click) {
    PopupMenu& menu = bar.popup;
    if (!menu.open) return false;
    int32_t found = -1;
    for (int32_t i = 0; i < menu.count; ++i) {
        const int32_t top = menu.entries[static_cast<size_t>(i)].y;
        if (x > 0 && x < menu.width && y > top && y < top + LineHeight(ui)) {
            found = i;
            break;
        }
    }
    if (found != menu.hovered) {
        const int32_t old = menu.hovered;
        menu.hovered = found;
        DrawLine(bar, ui, old);
        DrawLine(bar, ui, found);
    }
    if (!click) return found >= 0;
    const bool taken = found >= 0 && menu.entries[static_cast<size_t>(found)].enabled;
    const int32_t popupId = menu.popupId;
    const int32_t code = taken ? menu.entries[static_cast<size_t>(found)].code : 0;
    const bool cancel = found == menu.count - 1;
    // Closed before the event: the page may open the next menu in its answer.
    Close(bar);
    if (taken && !cancel) Send(ui, PageEvent{kEventPopupChoice, popupId, code});
    RequestRepaint(ui);
    return taken;
}

void DrawPopup(ButtonBar& bar, UiContext& ui) {
    PopupMenu& menu = bar.popup;
    if (!menu.open || ui.screen.empty()) return;
    Surface& s = ui.screen;
    const ColourSet& colours = ui.skin.colours;
    const Rect box{menu.left, menu.top, menu.width, menu.height};
    FillRect(s, colours.work, box.x, box.y, box.width, box.height);
    const int32_t right = box.x + box.width - 1;
    const int32_t bottom = box.y + box.height - 1;
    HorizontalLine(s, kBlack, box.x, right, box.y);
    HorizontalLine(s, kBlack, box.x, right, bottom);
    VerticalLine(s, kBlack, box.x, box.y, bottom);
    VerticalLine(s, kBlack, right, box.y, bottom);
    HorizontalLine(s, kWhite, box.x + 1, right - 1, box.y + 1);
    HorizontalLine(s, kWhite, box.x + 1, right - 1, bottom - 1);
    VerticalLine(s, kWhite, box.x + 1, box.y + 1, bottom - 1);
    VerticalLine(s, kWhite, right - 1, box.y + 1, bottom - 1);
    DrawTextClipped(s, colours.highText, true, ui.grid.smallFontSize + 2, 5, menu.top + 5, right - 1, menu.title);
    for (int32_t i = 0; i < menu.count; ++i) DrawLine(bar, ui, i);
    Present(ui, box);
}

}  // namespace kavalto

// The popup menu of the button bar: a box over the left panel, anchored to
// the button that opened it, with "Avbryt" as its last entry.
#pragma once

#include <cstdint>
#include <string_view>

#include "ui/button_bar.h"

namespace kavalto {

struct UiContext;

// Opens the menu beside the button whose id is popupId (no such button: no
// menu, false). Up to 29 entries are taken; "Avbryt" is added after them.
bool OpenPopup(ButtonBar& bar, UiContext& ui, int32_t popupId, std::string_view title, const PopupEntry* entries,
               int32_t n);
// The entry under the point becomes the hovered one. On a click the menu
// closes; an enabled entry other than "Avbryt" sends event 7 (popupId, code).
// True when the point is over an entry (a click: an enabled one was taken).
bool TrackPopup(ButtonBar& bar, UiContext& ui, int32_t x, int32_t y, bool click);
void DrawPopup(ButtonBar& bar, UiContext& ui);

}  // namespace kavalto

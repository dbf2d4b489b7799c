// The one set of buttons of the window: the navigation tabs, the current
// page's side buttons and the buttons inside the page, with the popup menu
// some of them open. Every operation names a button by id; an id the bar
// does not hold does nothing.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "ui/button.h"

namespace kavalto {

struct UiContext;

inline constexpr int32_t kMaxButtons = 82;
inline constexpr int32_t kNoButton = 255;
inline constexpr int32_t kMaxPopupEntries = 30;
inline constexpr int32_t kPopupWidth = 150;
inline constexpr int32_t kCancelText = 443;  // "Avbryt", the last entry of every menu

struct PopupEntry {
    int32_t code;                // a TextId or a class code, sent with event 7
    int32_t y;
    uint8_t state;
    uint8_t enabled;
};

struct PopupMenu {
    int32_t popupId = 0;
    char title[51] = {};         // code page 1252
    std::array<PopupEntry, kMaxPopupEntries> entries{};
    int32_t count = 0;
    int32_t hovered = -1;
    int32_t left = 0;
    int32_t top = 0;
    int32_t width = kPopupWidth;
    int32_t height = 0;
    bool open = false;
};

struct ButtonBar {
    std::array<Button, kMaxButtons> buttons{};
    int32_t count = 0;
    int32_t hovered = kNoButton;
    int32_t checkCaptionWidth = 0;   // caption width of the last check box measured
    PopupMenu popup;
    bool relayout = false;           // stack the side buttons again before the next drawing
    std::array<uint8_t, kMaxButtons> savedChecks{};
};

// Index of the button with the id, -1 when none.
int32_t FindButton(const ButtonBar& bar, int32_t id);

// Keeps the leading buttons with placement 0 (the navigation), puts the n
// template buttons after them, clears the hovered mark, asks for a relayout.
void LoadPageButtons(ButtonBar& bar, const Button* buttons, int32_t n);
void Remove(ButtonBar& bar, int32_t id);
// Shown: drawn at once. Hidden: the background under it restored and shown.
void SetVisible(ButtonBar& bar, UiContext& ui, int32_t id, bool on);
// Pressed; a radio button first releases the others of its group.
void Select(ButtonBar& bar, UiContext& ui, int32_t id);
void Release(ButtonBar& bar, UiContext& ui, int32_t id);
bool IsPressed(const ButtonBar& bar, int32_t id);
// For the buttons inside the page: clear hover and held push buttons, then
// keep every pressed state aside and clear it, or put the kept states back.
void SaveChecks(ButtonBar& bar, UiContext& ui);
void RestoreChecks(ButtonBar& bar, UiContext& ui);

// Index of the first visible button whose rectangle strictly holds the
// point (a check box's includes its caption); kNoButton when none.
int32_t HitTest(const ButtonBar& bar, UiContext& ui, int32_t x, int32_t y);
// The mouse moved: hover marks follow it (an open popup menu tracks it
// instead). True when the point is over a button or a menu entry.
bool TrackHover(ButtonBar& bar, UiContext& ui, int32_t x, int32_t y);
// Left button press. True when the bar or its open menu took it.
bool Press(ButtonBar& bar, UiContext& ui, int32_t x, int32_t y);
// Left button release: a push button still under the mouse fires event 6.
void ReleaseAt(ButtonBar& bar, UiContext& ui, int32_t x, int32_t y);

}  // namespace kavalto

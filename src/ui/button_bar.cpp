#include "ui/button_bar.h"

#include <algorithm>

#include "ui/button_drawing.h"
#include "ui/button_geometry.h"
#include "ui/popup_menu.h"
#include "ui/ui_context.h"

namespace kavalto {
namespace {

// Releases every other pressed radio button of the group, each redrawn.
void ReleaseGroup(ButtonBar& bar, UiContext& ui, int32_t group, int32_t except) {
    for (int32_t i = 0; i < bar.count; ++i) {
        Button& other = bar.buttons[static_cast<size_t>(i)];
        if (i == except || other.kind != kKindRadio || other.group != group || !other.pressed) continue;
        other.pressed = 0;
        DrawButton(bar, ui, i);
    }
}

bool ValidIndex(const ButtonBar& bar, int32_t index) { return index >= 0 && index < bar.count; }

// Inside the page: hover cleared, a held push button let go.
void ResetGridButton(ButtonBar& bar, int32_t i) {
    Button& b = bar.buttons[static_cast<size_t>(i)];
    b.hover = 0;
    if (b.kind == kKindPush) b.pressed = 0;
    if (bar.hovered == i) bar.hovered = kNoButton;
}

}  // namespace

int32_t FindButton(const ButtonBar& bar, int32_t id) {
    for (int32_t i = 0; i < bar.count; ++i) {
        if (bar.buttons[static_cast<size_t>(i)].id == id) return i;
    }
    return -1;
}

void LoadPageButtons(ButtonBar& bar, const Button* buttons, int32_t n) {
    int32_t kept = 0;
    while (kept < bar.count && bar.buttons[static_cast<size_t>(kept)].placement == kPlaceFixed) {
        bar.buttons[static_cast<size_t>(kept)].hover = 0;
        ++kept;
    }
    n = std::clamp(n, 0, kMaxButtons - kept);
    if (buttons == nullptr) n = 0;
    std::copy_n(buttons, n, bar.buttons.begin() + kept);
    bar.count = kept + n;
    bar.hovered = kNoButton;
    bar.relayout = true;
}

void Remove(ButtonBar& bar, int32_t id) {
    const int32_t index = FindButton(bar, id);
    if (index < 0) return;
    std::move(bar.buttons.begin() + index + 1, bar.buttons.begin() + bar.count, bar.buttons.begin() + index);
    std::move(bar.savedChecks.begin() + index + 1, bar.savedChecks.begin() + bar.count,
              bar.savedChecks.begin() + index);
    --bar.count;
    if (bar.hovered == index) {
        bar.hovered = kNoButton;
    } else if (bar.hovered != kNoButton && bar.hovered > index) {
        --bar.hovered;
    }
    bar.relayout = true;
}

void SetVisible(ButtonBar& bar, UiContext& ui, int32_t id, bool on) {
    const int32_t index = FindButton(bar, id);
    if (index < 0) return;
    Button& b = bar.buttons[static_cast<size_t>(index)];
    if (on) {
        b.visible = 1;
        DrawButton(bar, ui, index);
        return;
    }
    const Rect area = ButtonArea(bar, ui, index);
    b.visible = 0;
    if (bar.hovered == index) {
        b.hover = 0;
        bar.hovered = kNoButton;
    }
    RestoreBackground(ui, area);
    Present(ui, area);
}

void Select(ButtonBar& bar, UiContext& ui, int32_t id) {
    const int32_t index = FindButton(bar, id);
    if (index < 0) return;
    Button& b = bar.buttons[static_cast<size_t>(index)];
    if (b.kind == kKindRadio) ReleaseGroup(bar, ui, b.group, index);
    b.pressed = 1;
    DrawButton(bar, ui, index);
}

void Release(ButtonBar& bar, UiContext& ui, int32_t id) {
    const int32_t index = FindButton(bar, id);
    if (index < 0) return;
    bar.buttons[static_cast<size_t>(index)].pressed = 0;
    DrawButton(bar, ui, index);
}

bool IsPressed(const ButtonBar& bar, int32_t id) {
    const int32_t index = FindButton(bar, id);
    return index >= 0 && bar.buttons[static_cast<size_t>(index)].pressed != 0;
}

void SaveChecks(ButtonBar& bar, UiContext& ui) {
    for (int32_t i = 0; i < bar.count; ++i) {
        Button& b = bar.buttons[static_cast<size_t>(i)];
        if (!InPageGrid(b)) continue;
        ResetGridButton(bar, i);
        bar.savedChecks[static_cast<size_t>(i)] = b.pressed;
        b.pressed = 0;
        DrawButton(bar, ui, i);
    }
}

void RestoreChecks(ButtonBar& bar, UiContext& ui) {
    for (int32_t i = 0; i < bar.count; ++i) {
        Button& b = bar.buttons[static_cast<size_t>(i)];
        if (!InPageGrid(b)) continue;
        ResetGridButton(bar, i);
        b.pressed = bar.savedChecks[static_cast<size_t>(i)];
        DrawButton(bar, ui, i);
    }
}

int32_t HitTest(const ButtonBar& bar, UiContext& ui, int32_t x, int32_t y) {
    for (int32_t i = 0; i < bar.count; ++i) {
        const Button& b = bar.buttons[static_cast<size_t>(i)];
        if (!b.visible || b.row < -3) continue;
        const Rect r = HitRect(bar, ui, i);
        if (r.width < 1 || r.height < 1) continue;
        if (x > r.x && x < r.x + r.width && y > r.y && y < r.y + r.height) return i;
    }
    return kNoButton;
}

bool TrackHover(ButtonBar& bar, UiContext& ui, int32_t x, int32_t y) {
    if (bar.popup.open) return TrackPopup(bar, ui, x, y, false);
    const int32_t hit = HitTest(bar, ui, x, y);
    if (hit == bar.hovered) return hit != kNoButton;
    if (ValidIndex(bar, bar.hovered)) {
        Button& old = bar.buttons[static_cast<size_t>(bar.hovered)];
        old.hover = 0;
        if (old.kind == kKindPush) old.pressed = 0;
        const int32_t previous = bar.hovered;
        bar.hovered = kNoButton;
        DrawButton(bar, ui, previous);
    }
    bar.hovered = kNoButton;
    if (hit == kNoButton) return false;
    bar.hovered = hit;
    bar.buttons[static_cast<size_t>(hit)].hover = 1;
    DrawButton(bar, ui, hit);
    return true;
}

bool Press(ButtonBar& bar, UiContext& ui, int32_t x, int32_t y) {
    if (bar.popup.open) return TrackPopup(bar, ui, x, y, true);
    const int32_t index = bar.hovered;
    if (!ValidIndex(bar, index)) return false;
    Button& b = bar.buttons[static_cast<size_t>(index)];
    if (!b.enabled) return true;
    if (b.kind == kKindRadio) ReleaseGroup(bar, ui, b.group, index);
    b.pressed = b.kind == kKindToggle ? !b.pressed : 1;
    DrawButton(bar, ui, index);
    if (b.kind == kKindToggle || b.kind == kKindRadio) Send(ui, PageEvent{kEventButton, b.id, 0});
    return true;
}

void ReleaseAt(ButtonBar& bar, UiContext& ui, int32_t x, int32_t y) {
    const int32_t index = bar.hovered;
    if (!ValidIndex(bar, index)) return;
    Button& b = bar.buttons[static_cast<size_t>(index)];
    if (b.kind == kKindPush && b.pressed) {
        b.pressed = 0;
        DrawButton(bar, ui, index);
    }
    if (b.enabled && (b.kind == kKindPush || b.kind == kKindInert) && HitTest(bar, ui, x, y) == index) {
        Send(ui, PageEvent{kEventButton, b.id, 0});
    }
}

}  // namespace kavalto

// What the widgets draw on and report to: the view's two full-window
// surfaces, the grid, the skin, the meet (for the texts), and the view's
// hooks. The view owns one; tests make their own with small surfaces.
#pragma once

#include <cstdint>
#include <functional>

#include "ui/colour.h"
#include "ui/grid_metrics.h"
#include "ui/page_event.h"
#include "ui/skin.h"
#include "ui/surface.h"

namespace kavalto {

struct MeetState;
class Notifier;

struct UiHooks {
    // Copy a finished rectangle of the screen surface to the window.
    std::function<void(const Rect&)> present;
    // Ask for a full paint of the window.
    std::function<void()> repaint;
    // Hand an event to the view's dispatcher.
    std::function<void(const PageEvent&)> send;
    // Right edge of the page's layout item with this id; -1 when there is none.
    std::function<int32_t(int32_t itemId)> layoutItemRight;
    // Rectangle of the button bar's button with this id (a small number
    // field stands beside its text button); empty when there is none.
    std::function<Rect(int32_t buttonId)> buttonRect;
};

struct UiContext {
    Surface screen;              // the picture being composed, copied to the window
    Surface background;          // the rendered background, restored under widgets
    bool backgroundStale = true;
    GridMetrics grid;
    Skin skin;
    MeetState* meet = nullptr;
    int32_t page = 1;
    bool painting = false;       // a full paint is in progress: widgets do not present themselves
    UiHooks hooks;
};

// Copies the rectangle (its part inside the screen surface) to the window at
// once, unless a full paint is in progress (the paint copies everything at
// its end).
void Present(UiContext& ui, const Rect& rect);
void RequestRepaint(UiContext& ui);
void Send(UiContext& ui, const PageEvent& event);
// The background's pixels back into the screen surface.
void RestoreBackground(UiContext& ui, const Rect& rect);
Notifier& UiNotifier(UiContext& ui);

}  // namespace kavalto

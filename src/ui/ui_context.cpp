#include "ui/ui_context.h"

#include <algorithm>

#include "meet/meet_state.h"
#include "meet/notifier.h"

namespace kavalto {

void Present(UiContext& ui, const Rect& rect) {
    if (ui.painting || !ui.hooks.present) return;
    const int32_t left = std::max(rect.x, 0);
    const int32_t top = std::max(rect.y, 0);
    const int32_t right = std::min(rect.x + rect.width, ui.screen.width);
    const int32_t bottom = std::min(rect.y + rect.height, ui.screen.height);
    if (left >= right || top >= bottom) return;
    ui.hooks.present(Rect{left, top, right - left, bottom - top});
}

void RequestRepaint(UiContext& ui) {
    if (ui.hooks.repaint) ui.hooks.repaint();
}

void Send(UiContext& ui, const PageEvent& event) {
    if (ui.hooks.send) ui.hooks.send(event);
}

void RestoreBackground(UiContext& ui, const Rect& rect) {
    CopyRect(ui.screen, rect.x, rect.y, rect.width, rect.height, ui.background, rect.x, rect.y);
}

Notifier& UiNotifier(UiContext& ui) {
    if (ui.meet != nullptr && ui.meet->notifier != nullptr) return *ui.meet->notifier;
    return SilentNotifier();
}

}  // namespace kavalto

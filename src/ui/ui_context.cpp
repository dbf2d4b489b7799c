#include "ui/ui_context.h"

#include "meet/meet_state.h"
#include "meet/notifier.h"

namespace kavalto {

void Present(UiContext& ui, const Rect& rect) {
    if (ui.painting || !ui.hooks.present || rect.width <= 0 || rect.height <= 0) return;
    ui.hooks.present(rect);
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

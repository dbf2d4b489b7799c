#include "ui/window_composition.h"

#include <string>

#include "meet/notifier.h"
#include "ui/background.h"
#include "ui/button_bar.h"
#include "ui/button_drawing.h"
#include "ui/picture_drawing.h"
#include "ui/popup_menu.h"
#include "ui/text_drawing.h"
#include "ui/ui_context.h"

namespace kavalto {

bool PrepareSurfaces(UiContext& ui, ButtonBar& bar, int32_t width, int32_t height) {
    if (ui.screen.empty() || ui.screen.width != width || ui.screen.height != height) {
        if (!Create(ui.screen, width, height) || !Create(ui.background, width, height)) {
            Free(ui.screen);
            Free(ui.background);
            ReportOutOfMemory(UiNotifier(ui));
            return false;
        }
        ui.backgroundStale = true;
    }
    if (ui.backgroundStale) {
        ComputeGridMetrics(ui.grid, ui.screen.width, ui.screen.height);
        bar.relayout = true;
        RenderBackground(ui.background, ui.skin, UiNotifier(ui));
        ui.backgroundStale = false;
    }
    return true;
}

void DrawPanelHeader(UiContext& ui, std::string_view versionText) {
    CopyAll(ui.screen, ui.background);
    const std::string title = "Kavalto " + std::string(versionText);
    const int32_t width = TextWidth(true, 14, title);
    DrawText(ui.screen, ui.skin.colours.highText, true, 14, (150 - width) / 2, 10, title);
    const Picture& logo = ui.skin.logo;
    DrawPicture(ui.screen, logo, (150 - logo.width) / 2, 35, 0, 0, true);
}

void ComposeWindow(UiContext& ui, ButtonBar& bar, int32_t width, int32_t height, std::string_view versionText) {
    const bool wasPainting = ui.painting;
    ui.painting = true;
    if (PrepareSurfaces(ui, bar, width, height)) {
        DrawPanelHeader(ui, versionText);
        DrawButtons(bar, ui);
        DrawPopup(bar, ui);
    }
    ui.painting = wasPainting;
}

}  // namespace kavalto

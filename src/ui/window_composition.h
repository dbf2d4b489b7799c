// The composition of the whole window into the screen surface: the
// background (rendered again only when the size changed), the title and
// logo of the left panel, the button bar and an open popup menu. The view's
// paint puts the page's own steps between the panel and the buttons.
#pragma once

#include <cstdint>
#include <string_view>

namespace kavalto {

struct ButtonBar;
struct UiContext;

// Both surfaces at the client size; when the size changed (or the
// background is marked stale) the grid is computed again, the side buttons
// are stacked again and the background is rendered. False when the
// surfaces' memory cannot be had ("Out of memory" once).
bool PrepareSurfaces(UiContext& ui, ButtonBar& bar, int32_t width, int32_t height);

// The background copied into the screen, "Kavalto <version>" and the logo.
void DrawPanelHeader(UiContext& ui, std::string_view versionText);

// Everything above, then every button and the popup menu, with `painting`
// set throughout so that no widget shows itself on its own.
void ComposeWindow(UiContext& ui, ButtonBar& bar, int32_t width, int32_t height, std::string_view versionText);

}  // namespace kavalto

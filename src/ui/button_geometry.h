// Where a button lies, computed every time it is drawn or hit, and the
// stacking of the side buttons in the left panel.
#pragma once

#include <cstdint>
#include <string>

#include "ui/button_bar.h"
#include "ui/colour.h"

namespace kavalto {

struct UiContext;

// x, y, width, height by the size table, the placement and the grid; a
// button that cannot be placed gets width and height 0.
Rect ButtonRect(const ButtonBar& bar, UiContext& ui, int32_t index);
// The rectangle the mouse hits: a check box's includes its caption.
Rect HitRect(const ButtonBar& bar, UiContext& ui, int32_t index);
// Everything drawing the button touches (restored first, shown after).
Rect ButtonArea(const ButtonBar& bar, UiContext& ui, int32_t index);

// The caption (code page 1252) and the size it is drawn at.
std::string ButtonCaption(const Button& button, UiContext& ui);
int32_t CaptionSize(const Button& button, const UiContext& ui);

// Stacks the visible buttons with placement 1 to 3 from below the logo,
// tightening the spacing until the last ends above the window's bottom.
// Only when the relayout flag is set; the flag is then cleared.
void StackSideButtons(ButtonBar& bar, UiContext& ui);

}  // namespace kavalto

// Drawing of the button bar into the screen surface.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

#include "ui/colour.h"

namespace kavalto {

struct ButtonBar;
struct UiContext;

// A two-line caption splits at the blank nearest its middle character (a
// tie goes backward); without a blank the second line is empty.
std::pair<std::string, std::string> SplitCaption(std::string_view caption);

// One visible button: background restored, face, icon, caption; its
// rectangle is shown at once unless a full paint is in progress.
void DrawButton(ButtonBar& bar, UiContext& ui, int32_t index);
// Every button in order (the paint's step after the layout items).
void DrawButtons(ButtonBar& bar, UiContext& ui);

// The face of a plain button (gradient strip and frame) over the rectangle,
// on whatever lies under it; text fields and drop-downs wear it too.
void DrawButtonFace(UiContext& ui, const Rect& face, bool pressed, bool hover, bool enabled);

}  // namespace kavalto

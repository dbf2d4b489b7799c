// The background of the window: shading from the window's edge to the page
// body, the body in the work colour, the background picture blended over
// both, and a bevelled frame around the body.
#pragma once

#include <cstdint>

#include "ui/colour.h"
#include "ui/skin.h"
#include "ui/surface.h"

namespace kavalto {

class Notifier;

inline constexpr int32_t kBodyLeft = 150;
inline constexpr int32_t kBodyTop = 48;

// The page body of a client area: x 150, y 48, width W - 163, height H - 61.
Rect BodyRect(int32_t clientWidth, int32_t clientHeight);

// Renders into `background` at its own size. The scaled picture is kept in
// the skin and made again only for another size; when its memory cannot be
// had, "Out of memory" is shown once and the background has no picture.
void RenderBackground(Surface& background, Skin& skin, Notifier& notifier);

}  // namespace kavalto

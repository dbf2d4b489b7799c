// Drawing the program's pictures into a surface.
#pragma once

#include <cstdint>

#include "ui/picture.h"
#include "ui/surface.h"

namespace kavalto {

inline constexpr Colour kDisabledPictureGrey{164, 164, 164};

// The picture at (x + pressedOffset, y + pressedOffset): pure red pixels are
// skipped; pure green pixels become, after the rest is drawn, the average of
// the surface pixels left, right, above and below them; every other pixel is
// copied, `lighten` higher per channel (capped), or grey when not enabled.
void DrawPicture(Surface& surface, const Picture& picture, int32_t x, int32_t y, int32_t pressedOffset,
                 int32_t lighten, bool enabled);

// Every picture pixel whose red byte is not 255 shades the surface pixel
// under it with the picture's blue byte as the factor.
void ShadeMask(Surface& surface, const Picture& picture, int32_t x, int32_t y);

}  // namespace kavalto

namespace kavalto {

// A surface of the picture's size holding its pixels; false, with the
// surface empty, when the memory cannot be had.
bool PictureToSurface(const Picture& picture, Surface& surface);

}  // namespace kavalto

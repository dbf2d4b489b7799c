// Text in the interface font, measured and drawn into a surface. Texts are
// code page 1252, as the records and the text tables hold them; y is the top
// of the text line.
#pragma once

#include <cstdint>
#include <string_view>

#include "ui/colour.h"
#include "ui/surface.h"

namespace kavalto {

int32_t TextWidth(bool bold, int32_t size, std::string_view text);
// Height of a line of the font (ascent + descent).
int32_t TextHeight(bool bold, int32_t size);

// One line, transparent background, not clipped (beyond the surface).
void DrawText(Surface& surface, Colour colour, bool bold, int32_t size, int32_t x, int32_t y,
              std::string_view text);
// As DrawText, clipped on the right at x + width - 10.
void DrawTextBox(Surface& surface, Colour colour, bool bold, int32_t size, int32_t x, int32_t y, int32_t width,
                 std::string_view text);
// As DrawText, nothing drawn at or right of clipRight.
void DrawTextClipped(Surface& surface, Colour colour, bool bold, int32_t size, int32_t x, int32_t y,
                     int32_t clipRight, std::string_view text);

}  // namespace kavalto

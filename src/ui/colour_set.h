// The skin's colours, fixed at start-up.
#pragma once

#include <cstdint>

#include "ui/colour.h"

namespace kavalto {

struct ColourSet {
    Colour work;                 // page body, popup menu
    Colour shadeStart;           // at the window's edge
    Colour shadeEnd;             // at the body's border; tints the scroll bar
    int32_t shadeTransparency = 0;  // 0..100: how much shading shows through the picture
    Colour normalText;
    Colour highText;
    Colour obsText;
    Colour disabledText;
    Colour buttonText;
    Colour selection;
    Colour checkHighlight;
    Colour title;
};

void InitColours(ColourSet& colours);

}  // namespace kavalto

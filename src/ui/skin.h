// The look of the program: the colour set, the pictures kept for the whole
// run and the background picture scaled to the current client size.
#pragma once

#include <cstdint>
#include <map>

#include "ui/colour_set.h"
#include "ui/picture.h"
#include "ui/surface.h"

namespace kavalto {

class Notifier;

struct Skin {
    ColourSet colours;
    Picture logo;
    Picture buttonGradient;
    Picture corners[4];          // top left, top right, bottom left, bottom right
    Picture checkOff;
    Picture checkOn;
    Picture optionMarks[4];      // off, on, off hovered, on hovered
    Picture menuMarker;
    Surface scaledBackground;    // kept until the client size changes
    std::map<int32_t, Picture> icons;  // by picture number, see skin_icons.h
};

// The default colours and the kept pictures.
void InitSkin(Skin& skin, Notifier& notifier);

}  // namespace kavalto

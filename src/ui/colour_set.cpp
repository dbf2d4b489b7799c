#include "ui/colour_set.h"

namespace kavalto {

void InitColours(ColourSet& colours) {
    colours.work = {96, 106, 136};
    colours.shadeStart = {46, 50, 90};
    colours.shadeEnd = {194, 201, 220};
    colours.shadeTransparency = 50;
    colours.normalText = {255, 255, 255};
    colours.highText = {255, 255, 0};
    colours.obsText = {0, 255, 0};
    colours.disabledText = {192, 192, 192};
    colours.buttonText = {255, 255, 255};
    colours.selection = {46, 50, 90};
    colours.checkHighlight = {63, 88, 156};
    colours.title = {255, 255, 255};
}

}  // namespace kavalto

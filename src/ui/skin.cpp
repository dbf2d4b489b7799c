#include "ui/skin.h"

#include "ui/picture_ids.h"

namespace kavalto {

void InitSkin(Skin& skin, Notifier& notifier) {
    InitColours(skin.colours);
    skin.logo = LoadPicture(kPictureLogo, notifier);
    skin.buttonGradient = LoadPicture(kPictureButtonGradient, notifier);
    skin.corners[0] = LoadPicture(kPictureCornerTopLeft, notifier);
    skin.corners[1] = LoadPicture(kPictureCornerTopRight, notifier);
    skin.corners[2] = LoadPicture(kPictureCornerBottomLeft, notifier);
    skin.corners[3] = LoadPicture(kPictureCornerBottomRight, notifier);
    skin.checkOff = LoadPicture(kPictureCheckOff, notifier);
    skin.checkOn = LoadPicture(kPictureCheckOn, notifier);
    skin.optionMarks[0] = LoadPicture(kPictureOptionOff, notifier);
    skin.optionMarks[1] = LoadPicture(kPictureOptionOn, notifier);
    skin.optionMarks[2] = LoadPicture(kPictureOptionOffHover, notifier);
    skin.optionMarks[3] = LoadPicture(kPictureOptionOnHover, notifier);
    skin.menuMarker = LoadPicture(kPictureMenuMarker, notifier);
}

}  // namespace kavalto

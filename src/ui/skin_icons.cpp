#include "ui/skin_icons.h"

#include "ui/skin.h"

namespace kavalto {

const Picture& SkinIcon(Skin& skin, int32_t pictureId, Notifier& notifier) {
    static const Picture none;
    if (pictureId == 0) return none;
    auto found = skin.icons.find(pictureId);
    if (found != skin.icons.end()) return found->second;
    return skin.icons.emplace(pictureId, LoadPicture(pictureId, notifier)).first->second;
}

}  // namespace kavalto

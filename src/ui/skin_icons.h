// Icons of the buttons, decoded once and kept: a paint draws dozens of them.
#pragma once

#include <cstdint>

#include "ui/picture.h"

namespace kavalto {

struct Skin;
class Notifier;

// An empty picture for 0 or an unknown number.
const Picture& SkinIcon(Skin& skin, int32_t pictureId, Notifier& notifier);

}  // namespace kavalto

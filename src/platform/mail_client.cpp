#include "platform/platform.h"
#include "platform/qt_text.h"

namespace kavalto {

bool OpenMailClient(Platform& platform, const std::string& address) {
    constexpr qsizetype kLongestAddress = 199;
    return platform.OpenAddress(ToUtf8(FirstCharacters("mailto:" + ToQString(address), kLongestAddress)));
}

}  // namespace kavalto

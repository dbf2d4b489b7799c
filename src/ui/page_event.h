// What the widgets report to the current page: (type, id, parameter).
#pragma once

#include <cstdint>

namespace kavalto {

struct PageEvent {
    int32_t type = 0;
    int32_t id = 0;
    int32_t param = 0;

    friend bool operator==(const PageEvent&, const PageEvent&) = default;
};

inline constexpr int32_t kEventButton = 6;
inline constexpr int32_t kEventPopupChoice = 7;

}  // namespace kavalto

// The popup menu "Hvilken Klasse?" of the classes in the current run.
#pragma once

#include <cstdint>

namespace kavalto {

struct ButtonBar;
struct UiContext;

inline constexpr int32_t kClassMenuTitle = 446;
inline constexpr int32_t kClassCodeBase = 412;  // a class's entry code is 412 + slot

// The classes taking part in the current run, in slot order, filtered as
// asked; in the second run only the final's discipline and the teams. No
// class left: no menu (false).
bool OpenClassMenu(ButtonBar& bar, UiContext& ui, int32_t popupId, bool pairsOnly, bool individualOnly,
                   bool teamOnly);

}  // namespace kavalto

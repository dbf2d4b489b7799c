// The navigation buttons the view loads into the button bar when it is
// made: six tabs of radio group 99 on the top bar and the user guide button
// at the bottom of the left panel. Pages keep them (placement 0) and put
// their own buttons after them.
#pragma once

#include <cstdint>

#include "ui/button.h"

namespace kavalto {

struct ButtonBar;

inline constexpr int32_t kNavigationButtonCount = 7;
inline constexpr int32_t kNavigationGroup = 99;
inline constexpr int32_t kUserGuideButtonId = 4008;

// The template, in bar order: 4011, 4012, 4013, 4015, 4006, 4007, 4008.
const Button* NavigationButtons();

// The bar holds exactly the navigation buttons, none hovered.
void LoadNavigationButtons(ButtonBar& bar);

// The page a navigation button switches to (4011 -> 1 ... 4007 -> 6); 0 for
// any other id.
int32_t NavigationPage(int32_t buttonId);
// The navigation tab of a page (1 -> 4011 ... 6 -> 4007); 0 for the pages
// reached otherwise.
int32_t NavigationTab(int32_t page);

}  // namespace kavalto

#include "ui/navigation_buttons.h"

#include <algorithm>

#include "ui/button_bar.h"
#include "ui/picture_ids.h"

namespace kavalto {
namespace {

constexpr Button Tab(int32_t slot, int32_t picture, int32_t id) {
    return Button{kPlaceFixed, kStyleTab, picture, kNavigationGroup, kKindRadio, slot, 0, 1, 0, 0, 1, id};
}

constexpr Button kNavigation[kNavigationButtonCount] = {
    Tab(0, kPictureRegister, 4011),
    Tab(1, kPictureRegister, 4012),
    Tab(2, kPictureRegister, 4013),
    Tab(3, kPictureRegister, 4015),
    Tab(4, kPictureMeetDay, 4006),
    Tab(5, kPictureAfterMeet, 4007),
    // At x 2 on the bottom of the left panel (row -1: client height - 48).
    Button{kPlaceFixed, kStyleSideTwoLines, kPictureUserGuide, 1, kKindPush, 2, -1, 1, 0, 0, 1, kUserGuideButtonId},
};

struct PageOfButton {
    int32_t id;
    int32_t page;
};

constexpr PageOfButton kPages[] = {{4011, 1}, {4012, 2}, {4013, 3}, {4015, 4}, {4006, 5}, {4007, 6}};

}  // namespace

const Button* NavigationButtons() { return kNavigation; }

void LoadNavigationButtons(ButtonBar& bar) {
    std::copy_n(kNavigation, kNavigationButtonCount, bar.buttons.begin());
    bar.count = kNavigationButtonCount;
    bar.hovered = kNoButton;
    bar.relayout = true;
}

int32_t NavigationPage(int32_t buttonId) {
    for (const PageOfButton& p : kPages) {
        if (p.id == buttonId) return p.page;
    }
    return 0;
}

int32_t NavigationTab(int32_t page) {
    for (const PageOfButton& p : kPages) {
        if (p.page == page) return p.id;
    }
    return 0;
}

}  // namespace kavalto

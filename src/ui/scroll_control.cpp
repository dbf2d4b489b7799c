#include "ui/scroll_control.h"

namespace kavalto {

void StartDrag(ScrollControl& scroll, int32_t panelId) {
    scroll.dragActive = true;
    scroll.dragPanelId = panelId;
}

void EndDrag(ScrollControl& scroll) {
    scroll.dragActive = false;
    scroll.dragPanelId = -1;
}

bool OtherPanelDragged(const ScrollControl& scroll, int32_t panelId) {
    return scroll.dragActive && scroll.dragPanelId != panelId;
}

void ArmRepeat(ScrollControl& scroll, int32_t panelId, int32_t direction) {
    scroll.heldPanelId = panelId;
    scroll.heldDirection = direction;
    scroll.repeatTicks = 0;
    scroll.repeatFirstDelay = true;
}

void StopRepeat(ScrollControl& scroll) { scroll.heldPanelId = -1; }

bool RepeatTick(ScrollControl& scroll) {
    if (scroll.heldPanelId == -1) return false;
    ++scroll.repeatTicks;
    const int32_t wait = scroll.repeatFirstDelay ? kRepeatFirstTicks : kRepeatNextTicks;
    if (scroll.repeatTicks <= wait) return false;
    scroll.repeatTicks = 0;
    scroll.repeatFirstDelay = false;
    return true;
}

}  // namespace kavalto

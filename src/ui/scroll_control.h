// Scrolling by mouse beyond one panel: the thumb drag in progress (while it
// lasts no other widget reacts) and the scroll arrow held down, which the
// view's 10 ms timer repeats.
#pragma once

#include <cstdint>

namespace kavalto {

// Ticks of 10 ms: the first repeat after more than half a second (the press
// itself already scrolled once), every further one after more than 50 ms.
inline constexpr int32_t kRepeatFirstTicks = 50;
inline constexpr int32_t kRepeatNextTicks = 5;

struct ScrollControl {
    bool dragActive = false;
    int32_t dragPanelId = -1;
    int32_t heldPanelId = -1;     // -1: no arrow held
    int32_t heldDirection = 0;    // kScrollUp or kScrollDown
    int32_t repeatTicks = 0;
    bool repeatFirstDelay = false;
};

void StartDrag(ScrollControl& scroll, int32_t panelId);
void EndDrag(ScrollControl& scroll);
// True while another panel than this one has its thumb dragged.
bool OtherPanelDragged(const ScrollControl& scroll, int32_t panelId);

void ArmRepeat(ScrollControl& scroll, int32_t panelId, int32_t direction);
void StopRepeat(ScrollControl& scroll);
// One tick of the 10 ms timer: true when a repeat step is due (the count
// then starts again).
bool RepeatTick(ScrollControl& scroll);

}  // namespace kavalto

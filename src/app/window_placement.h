// Where the main window opens and the size it keeps.
#pragma once

#include "app/preferences.h"
#include "platform/platform.h"

class QWidget;

namespace kavalto {

inline constexpr int kMinFrameWidth = 960;
inline constexpr int kMinFrameHeight = 700;

// A window larger than the screen opens at 0, 0 with the screen's size; one
// whose corner lies on no monitor (a monitor taken away since) opens at 0, 0.
void FitPlacementToScreen(WindowPlacement& window, const MonitorInfo& monitors);

// The smallest size the user may drag the frame to: 960 x 700, or the
// screen when that is smaller.
void ApplyMinimumSize(QWidget& frame, int screenWidth, int screenHeight);

// The frame's normal (not maximized) rectangle and whether it is maximized.
void RecordPlacement(WindowPlacement& window, const QWidget& frame);

}  // namespace kavalto

#include "app/window_placement.h"

#include <QWidget>
#include <algorithm>

namespace kavalto {
namespace {

bool OnSomeMonitor(int x, int y, const MonitorInfo& monitors) {
    return std::any_of(monitors.screens.begin(), monitors.screens.end(), [&](const ScreenRect& s) {
        return x >= s.left && x < s.left + s.width && y >= s.top && y < s.top + s.height;
    });
}

}  // namespace

void FitPlacementToScreen(WindowPlacement& window, const MonitorInfo& monitors) {
    const ScreenRect screen = monitors.primary();
    if (screen.width <= 0 || screen.height <= 0) return;  // the desktop could not tell
    if (screen.width < window.width || screen.height < window.height) {
        window.left = 0;
        window.top = 0;
        window.width = screen.width;
        window.height = screen.height;
    }
    if (!monitors.screens.empty() && !OnSomeMonitor(window.left, window.top, monitors)) {
        window.left = 0;
        window.top = 0;
    }
}

void ApplyMinimumSize(QWidget& frame, int screenWidth, int screenHeight) {
    const bool known = screenWidth > 0 && screenHeight > 0;
    frame.setMinimumSize(known ? std::min(kMinFrameWidth, screenWidth) : kMinFrameWidth,
                         known ? std::min(kMinFrameHeight, screenHeight) : kMinFrameHeight);
}

void RecordPlacement(WindowPlacement& window, const QWidget& frame) {
    const QRect normal = frame.normalGeometry().isValid() ? frame.normalGeometry() : frame.geometry();
    window.left = normal.left();
    window.top = normal.top();
    window.width = normal.width();
    window.height = normal.height();
    window.maximized = frame.isMaximized() ? 1 : 0;
}

}  // namespace kavalto

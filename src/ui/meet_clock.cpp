#include "ui/meet_clock.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "rules/hundredths.h"
#include "ui/text_drawing.h"
#include "ui/ui_context.h"

namespace kavalto {
namespace {

constexpr int32_t kClockFontSize = 20;
constexpr int32_t kClockBoxHeight = 28;
constexpr int32_t kSecondsPerDay = 24 * 3600;

int32_t SecondsOfDay(const WallTime& t) { return t.hour * 3600 + t.minute * 60 + t.second; }

}  // namespace

bool StartClock(MeetClock& clock, const WallTime& now) {
    if (clock.running) return false;
    clock.start = now;
    clock.seconds = 0;
    clock.running = true;
    return true;
}

bool StopClock(MeetClock& clock, const WallTime& now) {
    if (!clock.running) return false;
    clock.elapsed = ClockElapsed(clock.start, now);
    clock.running = false;
    return true;
}

bool TickClock(MeetClock& clock) {
    if (!clock.running) return false;
    ++clock.seconds;
    return true;
}

int32_t ClockElapsed(const WallTime& start, const WallTime& now) {
    int32_t millis = now.millis - start.millis;
    int32_t borrow = 0;
    if (millis < 0) {
        millis += 1000;
        borrow = 1;
    }
    int32_t seconds = SecondsOfDay(now) - SecondsOfDay(start) - borrow;
    if (seconds < 0) seconds += kSecondsPerDay;
    return seconds * 100 + millis / 10;
}

std::string ClockText(MeetClock& clock) {
    std::string text;
    if (clock.running) {
        const int32_t minutes = clock.seconds / 60;
        const int32_t seconds = clock.seconds % 60;
        char buffer[32];
        std::snprintf(buffer, sizeof buffer, seconds >= 10 ? "%d.%d" : "%d.0%d", minutes, seconds);
        text = buffer;
    } else {
        text = FormatHundredths(clock.elapsed);
    }
    const size_t length = std::min(text.size(), sizeof clock.text - 1);
    std::memcpy(clock.text, text.data(), length);
    clock.text[length] = '\0';
    return text;
}

void DrawClock(MeetClock& clock, UiContext& ui) {
    const std::string text = ClockText(clock);
    const int32_t width = TextWidth(true, kClockFontSize, text);
    const int32_t x = (150 - width) / 2;
    const int32_t y = ui.skin.logo.height + 50;
    const Rect box{x, y, width + 4, kClockBoxHeight};
    RestoreBackground(ui, box);
    const Colour colour = clock.running ? ui.skin.colours.highText : ui.skin.colours.obsText;
    DrawText(ui.screen, colour, true, kClockFontSize, x, y, text);
    Present(ui, box);
}

}  // namespace kavalto

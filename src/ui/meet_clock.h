// The meet clock of the left panel on the during-the-meet page (the
// briefing clock of the big screen shows the same): while it runs, whole
// seconds counted by the view's one-second timer; when stopped, the time
// between start and stop on the wall clock, in hundredths.
#pragma once

#include <cstdint>
#include <string>

namespace kavalto {

struct UiContext;

struct WallTime {
    int32_t hour = 0;
    int32_t minute = 0;
    int32_t second = 0;
    int32_t millis = 0;
};

struct MeetClock {
    bool running = false;
    int32_t seconds = 0;          // timer ticks since the start
    WallTime start;
    int32_t elapsed = 0;          // hundredths, set by the stop
    char text[20] = {};
};

// False when it already ran.
bool StartClock(MeetClock& clock, const WallTime& now);
// False when it was not running.
bool StopClock(MeetClock& clock, const WallTime& now);
// One second of the timer; false when the clock is stopped.
bool TickClock(MeetClock& clock);

// Hundredths from start to now. A stop after midnight counts on into the
// next day instead of going negative.
int32_t ClockElapsed(const WallTime& start, const WallTime& now);
// Running: minutes and seconds ("0.07", "1.23"); stopped: the elapsed time
// as the meet shows times ("83.45"). Also kept in clock.text.
std::string ClockText(MeetClock& clock);

// The clock's box under the logo: restored, the text drawn (running: high
// text colour; stopped: obs text colour) and shown at once.
void DrawClock(MeetClock& clock, UiContext& ui);

}  // namespace kavalto

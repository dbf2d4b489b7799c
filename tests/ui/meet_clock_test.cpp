// The meet clock: elapsed time, its text, and its box under the logo.
#include <gtest/gtest.h>

#include "pixel_helpers.h"
#include "ui/meet_clock.h"
#include "ui_fixture.h"

namespace kavalto {
namespace {

TEST(MeetClock, ElapsedTimeInHundredthsBorrowsASecondForTheMilliseconds) {
    const struct {
        WallTime start, stop;
        int32_t hundredths;
    } cases[] = {
        {{10, 0, 0, 0}, {10, 0, 0, 0}, 0},
        {{10, 0, 0, 120}, {10, 0, 34, 625}, 3450},
        {{10, 0, 59, 900}, {10, 1, 0, 100}, 20},   // the milliseconds borrow a second
        {{9, 59, 30, 0}, {11, 0, 0, 5}, 363000},   // hours count
        {{23, 59, 50, 0}, {0, 0, 10, 0}, 2000},    // past midnight, not negative
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ClockElapsed(c.start, c.stop), c.hundredths) << c.hundredths;
    }
}

TEST(MeetClock, RunningShowsMinutesAndSecondsStoppedTheElapsedTime) {
    MeetClock clock;
    ASSERT_TRUE(StartClock(clock, {12, 0, 0, 0}));
    const struct {
        int32_t seconds;
        const char* text;
    } running[] = {{0, "0.00"}, {7, "0.07"}, {10, "0.10"}, {65, "1.05"}, {600, "10.00"}, {3725, "62.05"}};
    for (const auto& r : running) {
        clock.seconds = r.seconds;
        EXPECT_EQ(ClockText(clock), r.text);
        EXPECT_STREQ(clock.text, r.text);
    }
    ASSERT_TRUE(StopClock(clock, {12, 1, 23, 450}));
    EXPECT_EQ(clock.elapsed, 8345);
    EXPECT_EQ(ClockText(clock), "83.45");
}

TEST(MeetClock, StartAndStopOnlyChangeAClockInTheOtherState) {
    MeetClock clock;
    EXPECT_FALSE(StopClock(clock, {1, 0, 0, 0}));
    EXPECT_FALSE(TickClock(clock));
    EXPECT_EQ(clock.seconds, 0);
    ASSERT_TRUE(StartClock(clock, {8, 0, 0, 0}));
    EXPECT_TRUE(TickClock(clock));
    EXPECT_TRUE(TickClock(clock));
    // A second start does not begin again.
    EXPECT_FALSE(StartClock(clock, {9, 0, 0, 0}));
    EXPECT_EQ(clock.seconds, 2);
    EXPECT_EQ(clock.start.hour, 8);
}

TEST(MeetClock, DrawnUnderTheLogoInTheHighTextColourWhileRunningAndObsWhenStopped) {
    test::UiFixture fixture;
    MeetClock clock;
    StartClock(clock, {8, 0, 0, 0});
    clock.seconds = 75;
    DrawClock(clock, fixture.ui);
    ASSERT_EQ(fixture.presented.size(), 1u);
    const Rect box = fixture.presented[0];
    EXPECT_EQ(box.y, fixture.ui.skin.logo.height + 50);
    EXPECT_EQ(box.height, 28);
    EXPECT_LT(box.x + box.width, 150);
    auto count = [&](Colour c) {
        int32_t n = 0;
        for (int32_t y = box.y; y < box.y + box.height; ++y) {
            for (int32_t x = box.x; x < box.x + box.width; ++x) n += PixelAt(fixture.ui.screen, x, y) == c ? 1 : 0;
        }
        return n;
    };
    const ColourSet& colours = fixture.ui.skin.colours;
    EXPECT_GT(count(colours.highText), 20);
    EXPECT_EQ(count(colours.obsText), 0);

    StopClock(clock, {8, 1, 15, 0});
    DrawClock(clock, fixture.ui);
    EXPECT_GT(count(colours.obsText), 20);
    EXPECT_EQ(count(colours.highText), 0) << "the box is restored before the text";
}

}  // namespace
}  // namespace kavalto

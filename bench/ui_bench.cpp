// The window's drawing at 1920 x 1080: the background rendered again (after
// a resize, and with the scaled picture kept), a full composition with the
// navigation and a page's side buttons, and the copy handed to the window.
#include <benchmark/benchmark.h>


#include "meet/meet_state.h"
#include "ui/background.h"
#include "ui/button_bar.h"
#include "ui/navigation_buttons.h"
#include "ui/picture_ids.h"
#include "ui/surface_image.h"
#include "ui/ui_context.h"
#include "ui/window_composition.h"
#include "support/qt_benchmarks.h"

namespace kavalto {
namespace {

constexpr int32_t kWidth = 1920;
constexpr int32_t kHeight = 1080;

struct Window {
    MeetState meet;
    UiContext ui;
    ButtonBar bar;

    Window() {
        SetInitialMeet(meet);
        ui.meet = &meet;
        InitSkin(ui.skin, SilentNotifier());
        LoadNavigationButtons(bar);
        // The side buttons of the during-the-meet page.
        const Button page[] = {
            {1, 1, kPictureClock, 1, 2, 2, 0, 1, 0, 0, 1, 4095},
            {1, 8, 0, 1, 0, 2, 0, 1, 0, 0, 1, 0},
            {1, 2, kPictureBigScreen, 1, 1, 2, 0, 1, 0, 0, 1, 4155},
            {1, 2, kPictureBigScreen, 1, 1, 2, 0, 1, 0, 0, 1, 4156},
            {1, 2, kPictureBigScreen, 1, 1, 2, 0, 1, 0, 0, 1, 4157},
            {1, 8, 0, 1, 0, 2, 0, 1, 0, 0, 1, 0},
            {2, 1, kPicturePrint, 1, 1, 2, 0, 1, 0, 0, 1, 4061},
            {2, 1, kPicturePrint, 1, 1, 2, 0, 1, 0, 0, 1, 4060},
            {2, 2, kPicturePrint, 1, 1, 2, 0, 1, 0, 0, 1, 4154},
            {2, 1, kPicturePrint, 1, 1, 2, 0, 1, 0, 0, 1, 4064},
            {4, 4, kPictureCheckOn, 1, 2, 30, 14, 1, 0, 0, 1, 4048},
            {4, 4, kPictureCheckOn, 1, 2, 35, 14, 1, 0, 0, 1, 4049},
            {4, 3, kPictureSearch, 1, 1, 1, 18, 1, 0, 0, 1, 4069},
            {5, 3, kPictureNextOpen, 1, 1, 8, 18, 1, 0, 0, 1, 4043},
            {5, 3, kPictureFirst, 1, 1, 10, 18, 1, 0, 0, 1, 4047},
            {5, 3, kPicturePrevious, 1, 1, 12, 18, 1, 0, 0, 1, 4045},
            {5, 3, kPictureNext, 1, 1, 14, 18, 1, 0, 0, 1, 4044},
            {5, 3, kPictureLast, 1, 1, 16, 18, 1, 0, 0, 1, 4046},
        };
        LoadPageButtons(bar, page, static_cast<int32_t>(std::size(page)));
        ui.page = 5;
        Select(bar, ui, 4006);
    }
};

void RenderBackgroundAfterResize(benchmark::State& state) {
    Window w;
    Create(w.ui.background, kWidth, kHeight);
    for (auto _ : state) {
        Free(w.ui.skin.scaledBackground);  // a new size: the picture is scaled again
        RenderBackground(w.ui.background, w.ui.skin, SilentNotifier());
        benchmark::DoNotOptimize(w.ui.background.pixels.data());
    }
}
BENCHMARK(RenderBackgroundAfterResize)->Unit(benchmark::kMillisecond);

void RenderBackgroundPictureKept(benchmark::State& state) {
    Window w;
    Create(w.ui.background, kWidth, kHeight);
    RenderBackground(w.ui.background, w.ui.skin, SilentNotifier());
    for (auto _ : state) {
        RenderBackground(w.ui.background, w.ui.skin, SilentNotifier());
        benchmark::DoNotOptimize(w.ui.background.pixels.data());
    }
}
BENCHMARK(RenderBackgroundPictureKept)->Unit(benchmark::kMillisecond);

// An ordinary paint: background copied, panel header, every button.
void ComposeWholeWindow(benchmark::State& state) {
    Window w;
    ComposeWindow(w.ui, w.bar, kWidth, kHeight, "4.7.4");
    for (auto _ : state) {
        ComposeWindow(w.ui, w.bar, kWidth, kHeight, "4.7.4");
        benchmark::DoNotOptimize(w.ui.screen.pixels.data());
    }
}
BENCHMARK(ComposeWholeWindow)->Unit(benchmark::kMillisecond);

// The first paint at a new size: grid, background and stacking as well.
void ComposeWindowAfterResize(benchmark::State& state) {
    Window w;
    for (auto _ : state) {
        w.ui.backgroundStale = true;
        Free(w.ui.skin.scaledBackground);
        ComposeWindow(w.ui, w.bar, kWidth, kHeight, "4.7.4");
        benchmark::DoNotOptimize(w.ui.screen.pixels.data());
    }
}
BENCHMARK(ComposeWindowAfterResize)->Unit(benchmark::kMillisecond);

void CopyWholeWindowForTheScreen(benchmark::State& state) {
    Window w;
    ComposeWindow(w.ui, w.bar, kWidth, kHeight, "4.7.4");
    for (auto _ : state) {
        QImage image = SurfaceImage(w.ui.screen);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(CopyWholeWindowForTheScreen)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kavalto

int main(int argc, char** argv) { return kavalto::bench::RunBenchmarksInQtApplication(argc, argv); }

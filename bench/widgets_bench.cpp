// The layout widgets of the during-the-meet page at 1920 x 1080: their part
// of a full paint, one field redrawn alone as the mouse enters and leaves it,
// a mouse move that changes nothing, and the class drop-down opened with
// every class in it.
#include <benchmark/benchmark.h>

#include <iterator>

#include "meet/meet_state.h"
#include "ui/button_bar.h"
#include "ui/ui_context.h"
#include "ui/widget_parts.h"
#include "ui/widget_set.h"
#include "ui/window_composition.h"
#include "support/qt_benchmarks.h"

namespace kavalto {
namespace {

constexpr int32_t kWidth = 1920;
constexpr int32_t kHeight = 1080;

const LayoutItem kDuringTheMeet[] = {
    {340, 1, 1, 0, 0, 0, 1, 1, 1, 0},   {296, 3, 1, 4, 10, 0, 1, 1, 1, 0},  {5001, 13, 4, 4, 10, 2, 1, 0, 1, 0},
    {344, 9, 31, 4, 4, 2, 1, 1, 1, 0},  {343, 10, 40, 4, 4, 2, 1, 1, 1, 0}, {367, 6, 48, 4, 3, 2, 0, 1, 1, 0},
    {0, 15, 1, 7, 50, 0, 1, 1, 1, 0},   {346, 3, 1, 8, 0, 0, 1, 1, 1, 0},   {144, 6, 4, 8, 20, 2, 0, 1, 1, 0},
    {323, 3, 1, 10, 0, 0, 1, 1, 1, 0},  {145, 6, 4, 10, 20, 2, 0, 1, 1, 0}, {321, 3, 26, 8, 0, 0, 1, 1, 1, 0},
    {146, 6, 29, 8, 20, 2, 0, 1, 1, 0}, {349, 3, 26, 10, 0, 0, 1, 1, 1, 0}, {143, 6, 29, 10, 20, 2, 0, 1, 1, 0},
    {333, 9, 4, 14, 4, 2, 1, 0, 1, 0},  {350, 10, 10, 14, 4, 2, 1, 0, 1, 0}, {351, 9, 17, 14, 2, 2, 1, 0, 1, 0},
    {352, 9, 24, 14, 2, 2, 1, 0, 1, 0}, {334, 3, 42, 10, 0, 0, 1, 1, 1, 0}, {0, 15, 1, 21, 50, 0, 1, 1, 1, 0},
};

struct Page {
    MeetState meet;
    UiContext ui;
    ButtonBar bar;
    WidgetSet set;

    Page() {
        SetInitialMeet(meet);
        ui.meet = &meet;
        InitSkin(ui.skin, SilentNotifier());
        ComposeWindow(ui, bar, kWidth, kHeight, "4.7.4");
        ui.hooks.present = [](const Rect&) {};
        LoadLayout(set, ui, kDuringTheMeet, static_cast<int32_t>(std::size(kDuringTheMeet)));
        for (int32_t slot = 0; slot < 27; ++slot) AddOption(set, 5001, "Agility 1 Medium", slot);
        SetValueBoxText(set, 144, "Tessa av Nordlys");
        SetValueBoxText(set, 145, "Kari Nordmann");
        SetValueBoxText(set, 146, "Bergen Hundeklubb");
        SetText(set, ui, 344, int32_t{180});
        SetText(set, ui, 343, int32_t{4800});
        SetText(set, ui, 333, int32_t{117});
        SetText(set, ui, 350, int32_t{3905});
        SetText(set, ui, 351, int32_t{1});
        SetText(set, ui, 352, int32_t{0});
    }
    Rect Field(int32_t id) { return FieldRect(set, ui, *FindTextField(set, id)); }
};

void DrawEveryWidgetOfThePage(benchmark::State& state) {
    Page p;
    for (auto _ : state) {
        p.ui.painting = true;
        DrawWidgets(p.set, p.ui);
        p.ui.painting = false;
        benchmark::DoNotOptimize(p.ui.screen.pixels.data());
    }
}
BENCHMARK(DrawEveryWidgetOfThePage)->Unit(benchmark::kMicrosecond);

// Two redraws of the field alone per iteration: hover on, hover off.
void HoverInAndOutOfAField(benchmark::State& state) {
    Page p;
    const Rect r = p.Field(350);
    for (auto _ : state) {
        HoverWidgets(p.set, p.ui, r.x + 3, r.y + 3, false);
        HoverWidgets(p.set, p.ui, 5, 5, false);
        benchmark::DoNotOptimize(p.ui.screen.pixels.data());
    }
}
BENCHMARK(HoverInAndOutOfAField)->Unit(benchmark::kMicrosecond);

void MouseMoveThatChangesNothing(benchmark::State& state) {
    Page p;
    const Rect r = p.Field(350);
    HoverWidgets(p.set, p.ui, r.x + 3, r.y + 3, false);
    for (auto _ : state) benchmark::DoNotOptimize(HoverWidgets(p.set, p.ui, r.x + 4, r.y + 3, false));
}
BENCHMARK(MouseMoveThatChangesNothing)->Unit(benchmark::kMicrosecond);

void DrawTheOpenClassList(benchmark::State& state) {
    Page p;
    const Rect box = ItemRect(p.set, p.ui, 2);
    PressWidgets(p.set, p.ui, box.x + 4, box.y + 4, false);
    for (auto _ : state) {
        DrawItem(p.set, p.ui, 2);
        benchmark::DoNotOptimize(p.ui.screen.pixels.data());
    }
}
BENCHMARK(DrawTheOpenClassList)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kavalto

int main(int argc, char** argv) { return kavalto::bench::RunBenchmarksInQtApplication(argc, argv); }

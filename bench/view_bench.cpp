// The main view at 1920 x 1080 on a page like the during-the-meet page: the
// side buttons and a list panel of 300 result rows from grid row 8 down. A full repaint (the
// page's rows asked for and drawn, every button, the copy to the window)
// and the redraw of one button under the mouse (drawn alone, its rectangle
// copied).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMouseEvent>
#include <cstdio>
#include <filesystem>

#include "app/app_state.h"
#include "meet/meet_state.h"
#include "ui/button_bar.h"
#include "ui/button_geometry.h"
#include "ui/kavalto_view.h"
#include "ui/list_panel.h"
#include "ui/page.h"
#include "ui/picture_ids.h"
#include "support/qt_benchmarks.h"

namespace kavalto {
namespace {

constexpr int32_t kWidth = 1920;
constexpr int32_t kHeight = 1080;
constexpr int32_t kRows = 300;

const Button kSideButtons[] = {
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
    {5, 3, kPictureNextOpen, 1, 1, 8, 18, 1, 0, 0, 1, 4043},
    {5, 3, kPictureFirst, 1, 1, 10, 18, 1, 0, 0, 1, 4047},
    {5, 3, kPicturePrevious, 1, 1, 12, 18, 1, 0, 0, 1, 4045},
    {5, 3, kPictureNext, 1, 1, 14, 18, 1, 0, 0, 1, 4044},
    {5, 3, kPictureLast, 1, 1, 16, 18, 1, 0, 0, 1, 4046},
};

// Eight columns: place, start number, name, handler, time, faults, total, mark.
constexpr int32_t kColumns[8] = {190, 240, 300, 560, 900, 1000, 1100, 1250};

void Activate(PageContext& page, bool on) {
    if (!on) return;
    LoadPage(page, kPageDuringMeet, kSideButtons, static_cast<int32_t>(std::size(kSideButtons)));
    ListPanel& panel = page.panel;
    panel.id = 1;
    panel.topRow = 8;
    panel.rows = kRows;
    panel.cellCount = 8;
    for (int32_t c = 0; c < 8; ++c) {
        panel.cells[static_cast<size_t>(c)].x = kColumns[c];
        panel.cells[static_cast<size_t>(c)].width = 240;
        panel.cells[static_cast<size_t>(c)].rightAligned = c == 4 ? 1 : 0;
    }
    panel.shown = true;
    ResetListPanel(panel, page.ui);
}

void Handle(PageContext& page, const PageEvent& event) {
    if (event.type != 2) return;
    auto& cells = page.panel.cells;
    const int32_t row = event.id;
    std::snprintf(cells[0].text, sizeof cells[0].text, "%d", row + 1);
    std::snprintf(cells[1].text, sizeof cells[1].text, "%d", 100 + row);
    std::snprintf(cells[2].text, sizeof cells[2].text, "Kvikk Fr\xf8ken \xc5rv\xe5ken %d", row);
    std::snprintf(cells[3].text, sizeof cells[3].text, "\xd8rjan \xd8" "deg\xe5rd-Hansen");
    std::snprintf(cells[4].text, sizeof cells[4].text, "%d.%02d", 30 + row % 20, row % 100);
    std::snprintf(cells[5].text, sizeof cells[5].text, "%d", row % 3);
    std::snprintf(cells[6].text, sizeof cells[6].text, "%d.%02d", row % 15, row % 100);
    std::snprintf(cells[7].text, sizeof cells[7].text, "%s", row % 4 == 0 ? "Napp" : "");
    page.panel.markHash = row % 7 == 0;
}

void Paint(PageContext& page) { DrawListPanel(page.panel, page.ui); }

struct ShownView {
    std::filesystem::path folder = std::filesystem::temp_directory_path() / "kavalto_view_bench";
    AppState app;
    CKavaltoView view{app};

    ShownView() {
        std::filesystem::create_directories(folder);
        SetInitialMeet(app.meet);
        app.dataFolder = folder.string();
        app.windowReady = true;
        view.SetPageFunctions(kPageDuringMeet, {.activate = Activate, .handle = Handle, .paint = Paint});
        view.resize(kWidth, kHeight);
        view.show();
        for (int i = 0; i < 500 && view.firstPaintPending(); ++i) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        }
        view.SetPage(kPageDuringMeet);
        QCoreApplication::processEvents();
    }
    ~ShownView() { std::filesystem::remove_all(folder); }

    void Move(QPoint p) {
        QMouseEvent event(QEvent::MouseMove, p, view.mapToGlobal(p), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&view, &event);
        // The redrawn rectangle goes to the window now.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
    }
};

void FullRepaintOfAListPage(benchmark::State& state) {
    ShownView shown;
    for (auto _ : state) {
        RequestRepaint(shown.view.ui());
        shown.view.repaint();
    }
    state.counters["rows"] = shown.view.listPanel().visibleRows;
}
BENCHMARK(FullRepaintOfAListPage)->Unit(benchmark::kMillisecond);

// One hover change per step: onto the button, then off it.
void HoverRedrawOfOneButton(benchmark::State& state) {
    ShownView shown;
    ButtonBar& bar = shown.view.buttonBar();
    const Rect r = ButtonRect(bar, shown.view.ui(), FindButton(bar, 4061));
    const QPoint on(r.x + r.width / 2, r.y + r.height / 2);
    const QPoint off(r.x + r.width / 2, r.y + r.height + 3);
    bool over = false;
    for (auto _ : state) {
        over = !over;
        shown.Move(over ? on : off);
    }
}
BENCHMARK(HoverRedrawOfOneButton)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kavalto

int main(int argc, char** argv) { return kavalto::bench::RunBenchmarksInQtApplication(argc, argv); }

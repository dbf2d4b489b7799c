// The real main window with a recording page in place of every page: each
// records its activations and the events it receives, shows a push button
// and a toggle button in the left panel and, where asked, fills the list
// panel. Input goes through the window as the desktop delivers it.
#pragma once

#include <QTest>
#include <QWheelEvent>
#include <string>
#include <vector>

#include "app/shell_fixture.h"
#include "ui/button_bar.h"
#include "ui/button_geometry.h"
#include "ui/list_panel.h"
#include "ui/page.h"

namespace kavalto::test {

inline constexpr int32_t kTestPushButton = 4061;
inline constexpr int32_t kTestToggleButton = 4095;
inline constexpr int32_t kTestPanelId = 70;

struct PageRecorder {
    std::vector<std::string> log;         // "on 3", "off 3"
    std::vector<PageEvent> events;        // every event but the row fills
    std::vector<int32_t> filledRows;      // event 2, in order
    int32_t panelRows = 0;                // shown on every page when above 0
};

inline PageRecorder* g_recorder = nullptr;

inline void RecordingActivate(PageContext& page, bool on) {
    g_recorder->log.push_back(std::string(on ? "on " : "off ") + std::to_string(page.ui.page));
    if (!on) return;
    static const Button buttons[] = {
        {kPlaceStacked, kStyleSide, 0, 1, kKindPush, 2, 0, 1, 0, 0, 1, kTestPushButton},
        {kPlaceStacked, kStyleSide, 0, 1, kKindToggle, 2, 0, 1, 0, 0, 1, kTestToggleButton},
    };
    LoadPage(page, page.ui.page, buttons, 2);
    ListPanel& panel = page.panel;
    panel.shown = g_recorder->panelRows > 0;
    if (!panel.shown) return;
    panel.id = kTestPanelId;
    panel.topRow = 10;
    panel.rows = g_recorder->panelRows;
    panel.cellCount = 1;
    panel.cells[0].x = 200;
    panel.cells[0].width = 300;
    panel.reportHover = false;
    ResetListPanel(panel, page.ui);
}

inline void RecordingHandle(PageContext& page, const PageEvent& event) {
    if (event.type == kEventFillRow) {
        g_recorder->filledRows.push_back(event.id);
        const std::string text = "Rad " + std::to_string(event.id);
        std::snprintf(page.panel.cells[0].text, sizeof page.panel.cells[0].text, "%s", text.c_str());
        return;
    }
    g_recorder->events.push_back(event);
}

inline void RecordingPaint(PageContext& page) { DrawListPanel(page.panel, page.ui); }

inline constexpr PageFunctions kRecordingPage{
    .activate = RecordingActivate, .handle = RecordingHandle, .paint = RecordingPaint};

class ViewTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        g_recorder = &recorder;
    }
    void TearDown() override {
        ShellTest::TearDown();
        g_recorder = nullptr;
    }

    // The window shown with the recording page everywhere; page 1 active.
    void OpenRecordingWindow(int32_t panelRows = 0) {
        recorder.panelRows = panelRows;
        Start();
        frame = std::make_unique<CMainFrame>(*app);
        for (int32_t page = 1; page <= kPageCount; ++page) view()->SetPageFunctions(page, kRecordingPage);
        ShowMainWindow(*app, *frame);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(frame.get()));
        for (int i = 0; i < 200 && view()->firstPaintPending(); ++i) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        }
        ASSERT_FALSE(view()->firstPaintPending()) << "the view was never painted";
        Settle();
    }

    CKavaltoView* view() const { return frame->view(); }
    UiContext& ui() const { return view()->ui(); }
    ButtonBar& bar() const { return view()->buttonBar(); }
    ListPanel& panel() const { return view()->listPanel(); }

    // Pending paints and window changes done (a window system event still
    // queued would otherwise arrive with the next mouse event).
    static void Settle() {
        for (int i = 0; i < 3; ++i) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }

    QWindow* window() const { return frame->windowHandle(); }
    QPoint InWindow(QPoint viewPoint) const { return view()->mapTo(frame.get(), viewPoint); }
    void Move(QPoint p) { QTest::mouseMove(window(), InWindow(p)); }
    void Arrive(QPoint p) {
        Move(p + QPoint(1, 1));
        Move(p);
    }
    void Press(QPoint p) { QTest::mousePress(window(), Qt::LeftButton, {}, InWindow(p)); }
    void Release(QPoint p) { QTest::mouseRelease(window(), Qt::LeftButton, {}, InWindow(p)); }
    // The pointer arrives at the point (Qt drops a move to where it already
    // is), then clicks.
    void Click(QPoint p) {
        Arrive(p);
        QTest::mouseClick(window(), Qt::LeftButton, {}, InWindow(p));
    }
    void DoubleClick(QPoint p) {
        Arrive(p);
        QTest::mouseDClick(window(), Qt::LeftButton, {}, InWindow(p));
    }
    void Wheel(QPoint p, int delta) {
        QWheelEvent event(p, view()->mapToGlobal(p), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(view(), &event);
    }
    void Type(Qt::Key key, const QString& text = {}) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
        QApplication::sendEvent(view(), &press);
    }

    QPoint ButtonCentre(int32_t id) const {
        const Rect r = ButtonRect(bar(), ui(), FindButton(bar(), id));
        return {r.x + r.width / 2, r.y + r.height / 2};
    }
    // The middle of a visible line of the list panel.
    QPoint RowPoint(int32_t line) const {
        const ListPanel& p = panel();
        return {p.x + 100, p.y + 5 + line * p.rowHeight + p.rowHeight / 2};
    }

    std::vector<PageEvent> EventsOfType(int32_t type) const {
        std::vector<PageEvent> found;
        for (const PageEvent& e : recorder.events) {
            if (e.type == type) found.push_back(e);
        }
        return found;
    }

    PageRecorder recorder;
};

}  // namespace kavalto::test

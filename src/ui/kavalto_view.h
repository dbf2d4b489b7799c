// The main window's client area. Everything is drawn into one full-window
// 24-bit screen surface, which the paint event copies to the window. The
// view shows one of eleven pages, turns the mouse, keys, wheel and timers
// into the widgets' work and the pages' events, and owns the list panel and
// the meet clock.
#pragma once

#include <QBasicTimer>
#include <QImage>
#include <QWidget>
#include <string>

#include "ui/button_bar.h"
#include "ui/list_panel.h"
#include "ui/meet_clock.h"
#include "ui/page.h"
#include "ui/scroll_control.h"
#include "ui/ui_context.h"
#include "ui/widget_set.h"

namespace kavalto {

struct AppState;

class CKavaltoView final : public QWidget {
public:
    explicit CKavaltoView(AppState& app, QWidget* parent = nullptr);

    // The picture last composed; what the window shows.
    QImage screenImage() const;
    UiContext& ui() { return ui_; }
    ButtonBar& buttonBar() { return bar_; }
    ListPanel& listPanel() { return panel_; }
    ScrollControl& scrollControl() { return scroll_; }
    const MeetClock& meetClock() const { return clock_; }
    PageContext& pageContext() { return context_; }
    bool firstPaintPending() const { return firstPaint_; }
    int32_t page() const { return ui_.page; }
    int32_t previousPage() const { return previousPage_; }

    // Puts other functions in a page's place (a test's recording page).
    void SetPageFunctions(int32_t page, const PageFunctions& functions);

    // Leaves the current page and activates page n (the same page too), then
    // paints the whole window. Nothing once the window has begun to close,
    // or for a number that is no page.
    void SetPage(int32_t page);
    // The navigation tabs and the user guide; every other event to the
    // current page's handler.
    void Dispatch(const PageEvent& event);

    // Closing: the current page finishes as if it were being left, so an
    // open input field reaches the meet before the autosave.
    void CommitCurrentPage();
    // The operator kept the window open after all: the page comes back.
    void ResumeAfterCancelledClose();

    // The meet clock (the toggle on the during-the-meet page).
    void StartClock();
    void StopClock();

    // One tick of the 10 ms timer (auto-repeat of a held scroll arrow) and
    // of the one-second timer (the meet clock).
    void RepeatTimerTick();
    void ClockTimerTick();

    // The left panel's logo; a click there opens the club's web site.
    static bool InLogoArea(QPoint point, int logoHeight);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

private:
    // Input and timers wait until the window is shown and page 1 active.
    bool Ready() const;
    // The paint pipeline: the whole window composed into the screen surface.
    void ComposeScreen();
    // Page 1's first activation: the meet comes back from the autosave.
    void ActivateFirstPage();
    void ActivatePage(int32_t page, bool on);
    void LeavePage(int32_t page);
    // The pages that show the list panel take the mouse on it.
    bool ListPanelPage() const;
    Qt::CursorShape PageCursor(int32_t x, int32_t y);
    void TakeCursor(Qt::CursorShape shape);
    // Character keys: V, F, D, I to every page, any other on page 7 into
    // its search field.
    void TypeCharacter(const QString& text);

    // The page's layout items: what the view asks of them and hands to them.
    bool DropDownIsOpen() const;
    int32_t FieldBeingEdited() const;
    bool HoverLayoutItems(QPoint p);      // true: claimed, the cursor taken
    bool PressLayoutItems(QPoint p);      // true: taken
    void DoubleClickLayoutItems(QPoint p);
    void DrawLayoutItems();
    void RedrawOpenDropDown();
    void EndEditsForNewSize();
    void PlaceLayoutItems();
    void BeginSearchEdit(const std::string& cp1252Text);

    AppState& app_;
    UiContext ui_;
    ButtonBar bar_;
    ListPanel panel_;
    ScrollControl scroll_;
    MeetClock clock_;
    WidgetSet widgets_;
    PageTable pages_;
    PageContext context_;
    int32_t previousPage_ = 1;
    bool firstPaint_ = true;
    bool firstActivationQueued_ = false;
    bool pageActive_ = false;          // the current page has been activated
    bool fullPaintPending_ = true;     // the screen surface must be composed again
    bool overLogo_ = false;
    bool buttonDownArmed_ = false;
    int32_t wheelRemainder_ = 0;       // wheel delta short of a whole notch
    Qt::CursorShape cursorShape_ = Qt::ArrowCursor;
    QBasicTimer repeatTimer_;          // timer 1, 10 ms, while an arrow is held
    QBasicTimer clockTimer_;           // timer 2, 1000 ms, while the clock runs
};

}  // namespace kavalto

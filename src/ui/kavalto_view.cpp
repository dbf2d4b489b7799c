#include "ui/kavalto_view.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QTime>
#include <QTimerEvent>
#include <QWheelEvent>

#include "app/app_state.h"
#include "app/cp1252.h"
#include "app/links.h"
#include "app/program_info.h"
#include "meet/meet_file.h"
#include "pages/pages.h"
#include "ui/button_drawing.h"
#include "ui/button_geometry.h"
#include "ui/navigation_buttons.h"
#include "ui/popup_menu.h"
#include "ui/surface_image.h"
#include "ui/widget_set.h"
#include "ui/window_composition.h"

namespace kavalto {
namespace {

constexpr int32_t kSearchField = 212;  // "Søkeord:" of the participant list
constexpr int32_t kRepeatIntervalMs = 10;
constexpr int32_t kClockIntervalMs = 1000;
constexpr int32_t kWheelNotch = 120;

struct KeyEvent {
    char letter;
    int32_t type;
};

// Result keys: refusal, fault, disqualified, not present.
constexpr KeyEvent kResultKeys[] = {
    {'V', kEventRefusal}, {'F', kEventFault}, {'D', kEventDisqualify}, {'I', kEventNotPresent}};

WallTime Now() {
    const QTime now = QTime::currentTime();
    return WallTime{now.hour(), now.minute(), now.second(), now.msec()};
}

}  // namespace

CKavaltoView::CKavaltoView(AppState& app, QWidget* parent)
    : QWidget(parent), app_(app), pages_(ProgramPages()), context_{app, ui_, bar_, panel_, *this, widgets_} {
    // Every paint covers every pixel: nothing is erased first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    InitSkin(ui_.skin, *app.meet.notifier);
    ui_.meet = &app.meet;
    ui_.page = kPageMeet;
    ui_.hooks.present = [this](const Rect& r) { update(QRect(r.x, r.y, r.width, r.height)); };
    ui_.hooks.repaint = [this] {
        fullPaintPending_ = true;
        update();
    };
    ui_.hooks.send = [this](const PageEvent& event) { Dispatch(event); };
    ui_.hooks.buttonRect = [this](int32_t id) {
        const int32_t index = FindButton(bar_, id);
        return index < 0 ? Rect{} : ButtonRect(bar_, ui_, index);
    };
    widgets_.host = this;
    ui_.hooks.layoutItemRight = [this](int32_t id) { return LayoutItemRight(widgets_, ui_, id); };
    LoadNavigationButtons(bar_);
}

QImage CKavaltoView::screenImage() const { return SurfaceImage(ui_.screen); }

void CKavaltoView::SetPageFunctions(int32_t page, const PageFunctions& functions) {
    if (IsPage(page)) pages_[static_cast<size_t>(page - 1)] = functions;
}

bool CKavaltoView::Ready() const { return app_.windowReady && !firstPaint_; }

bool CKavaltoView::InLogoArea(QPoint point, int logoHeight) {
    return point.x() > 10 && point.x() < 140 && point.y() > 35 && point.y() < 35 + logoHeight;
}

// ---------------------------------------------------------------- layout items
// Where the view meets the page's layout items (text fields, drop-downs,
// list boxes).

bool CKavaltoView::DropDownIsOpen() const { return DropDownOpen(widgets_); }

int32_t CKavaltoView::FieldBeingEdited() const { return EditingField(widgets_); }

bool CKavaltoView::HoverLayoutItems(QPoint p) {
    const WidgetCursor c = HoverWidgets(widgets_, ui_, p.x(), p.y(), bar_.popup.open);
    if (c == WidgetCursor::NotClaimed) return false;
    TakeCursor(c == WidgetCursor::IBeam  ? Qt::IBeamCursor
               : c == WidgetCursor::Hand ? Qt::PointingHandCursor
                                         : Qt::ArrowCursor);
    return true;
}

bool CKavaltoView::PressLayoutItems(QPoint p) { return PressWidgets(widgets_, ui_, p.x(), p.y(), bar_.popup.open); }

void CKavaltoView::DoubleClickLayoutItems(QPoint p) { DoubleClickWidgets(widgets_, ui_, p.x(), p.y()); }

void CKavaltoView::DrawLayoutItems() { DrawWidgets(widgets_, ui_); }

// The open drop-down is drawn last, on top of the other items.
void CKavaltoView::RedrawOpenDropDown() { DrawWidgets(widgets_, ui_); }

void CKavaltoView::EndEditsForNewSize() { EndAllEdits(widgets_, ui_); }

void CKavaltoView::PlaceLayoutItems() { RelayoutWidgets(widgets_, ui_); }

void CKavaltoView::BeginSearchEdit(const std::string& cp1252Text) {
    BeginEdit(widgets_, ui_, kSearchField, cp1252Text.c_str());
}

// ---------------------------------------------------------------- pages

void CKavaltoView::ActivatePage(int32_t page, bool on) {
    const PageFunctions& functions = pages_[static_cast<size_t>(page - 1)];
    if (functions.activate != nullptr) functions.activate(context_, on);
    pageActive_ = on;
}

void CKavaltoView::LeavePage(int32_t page) {
    if (!IsPage(page) || !pageActive_) return;
    // What is being typed reaches its field (and the page, event 18) before
    // the page is left; the next page's layout replaces the records.
    EndAllEdits(widgets_, ui_);
    const PageFunctions& functions = pages_[static_cast<size_t>(page - 1)];
    if (functions.leave != nullptr) {
        functions.leave(context_);
        pageActive_ = false;
    } else {
        ActivatePage(page, false);
    }
}

void CKavaltoView::SetPage(int32_t page) {
    if (app_.closing || !IsPage(page)) return;
    previousPage_ = ui_.page;
    ui_.painting = true;
    LeavePage(ui_.page);
    ui_.page = page;
    ActivatePage(page, true);
    // The new page at once, not at the next paint message.
    ComposeScreen();
    update();
}

void CKavaltoView::Dispatch(const PageEvent& event) {
    if (event.type == kEventButton) {
        const int32_t target = NavigationPage(event.id);
        if (target != 0) {
            SetPage(target);
            return;
        }
        if (event.id == kUserGuideButtonId) {
            OpenUserGuide(app_);
            return;
        }
    }
    if (!IsPage(ui_.page)) return;
    const PageFunctions& functions = pages_[static_cast<size_t>(ui_.page - 1)];
    if (functions.handle != nullptr) functions.handle(context_, event);
}

void CKavaltoView::CommitCurrentPage() { LeavePage(ui_.page); }

void CKavaltoView::ResumeAfterCancelledClose() {
    if (firstPaint_ || pageActive_) return;
    ActivatePage(ui_.page, true);
    RequestRepaint(ui_);
}

void CKavaltoView::ActivateFirstPage() {
    LoadAutosaveAtStart(app_.meet, app_.dataFolder);
    app_.meetRestored = true;
    ui_.painting = true;
    ActivatePage(kPageMeet, true);
    ui_.painting = false;
    firstPaint_ = false;
    RequestRepaint(ui_);
}

// ---------------------------------------------------------------- painting

void CKavaltoView::ComposeScreen() {
    ui_.painting = true;
    const bool stale = ui_.backgroundStale || ui_.screen.width != width() || ui_.screen.height != height();
    if (PrepareSurfaces(ui_, bar_, width(), height())) {
        // A new size or a new background: the list starts at its first row.
        // (Edits in progress were ended, and the items placed again, by the
        // resize itself.)
        if (stale && !firstPaint_) ResetListPanel(panel_, ui_);
        DrawPanelHeader(ui_, kVersionText);
        const PageFunctions& functions = pages_[static_cast<size_t>(ui_.page - 1)];
        if (pageActive_ && functions.paint != nullptr) functions.paint(context_);
        DrawLayoutItems();
        DrawButtons(bar_, ui_);
        DrawPopup(bar_, ui_);
        if (ui_.page == kPageDuringMeet && !bar_.popup.open) DrawClock(clock_, ui_);
    }
    ui_.painting = false;
    fullPaintPending_ = false;
}

void CKavaltoView::paintEvent(QPaintEvent* event) {
    if (!app_.windowReady) return;
    // A widget that redrew itself asks only for its rectangle: the screen
    // surface already holds it.
    if (fullPaintPending_ || ui_.screen.width != width() || ui_.screen.height != height()) ComposeScreen();
    const QRect r = event->rect();
    QPainter painter(this);
    painter.drawImage(r.topLeft(), SurfaceImage(ui_.screen, Rect{r.x(), r.y(), r.width(), r.height()}));
    // Reading the autosave may ask or tell the operator something; a message
    // box must not open inside a paint, so page 1 is activated right after
    // it and the window painted again.
    if (firstPaint_ && !firstActivationQueued_) {
        firstActivationQueued_ = true;
        QMetaObject::invokeMethod(this, [this] { ActivateFirstPage(); }, Qt::QueuedConnection);
    }
}

void CKavaltoView::resizeEvent(QResizeEvent*) {
    fullPaintPending_ = true;
    if (firstPaint_) return;
    EndEditsForNewSize();
    ComputeGridMetrics(ui_.grid, width(), height());
    PlaceLayoutItems();
    ResetListPanel(panel_, ui_);
}

// ---------------------------------------------------------------- mouse

bool CKavaltoView::ListPanelPage() const { return ui_.page == kPageDuringMeet || ui_.page >= kPageParticipants; }

void CKavaltoView::TakeCursor(Qt::CursorShape shape) {
    if (shape == cursorShape_) return;
    cursorShape_ = shape;
    setCursor(shape);
}

Qt::CursorShape CKavaltoView::PageCursor(int32_t x, int32_t y) {
    if (!ListPanelPage()) return Qt::ArrowCursor;
    return HoverListPanel(panel_, ui_, scroll_, x, y) ? Qt::PointingHandCursor : Qt::ArrowCursor;
}

void CKavaltoView::mouseMoveEvent(QMouseEvent* event) {
    if (!Ready()) return;
    const QPoint p = event->position().toPoint();
    overLogo_ = false;
    if (InLogoArea(p, ui_.skin.logo.height)) {
        // An open menu keeps the logo from answering.
        if (!bar_.popup.open) overLogo_ = true;
        TakeCursor(overLogo_ ? Qt::PointingHandCursor : Qt::ArrowCursor);
        return;
    }
    if (HoverLayoutItems(p)) return;
    if (!DropDownIsOpen() && !scroll_.dragActive && TrackHover(bar_, ui_, p.x(), p.y())) {
        TakeCursor(Qt::PointingHandCursor);
        return;
    }
    TakeCursor(PageCursor(p.x(), p.y()));
}

void CKavaltoView::mousePressEvent(QMouseEvent* event) {
    if (!Ready() || event->button() != Qt::LeftButton) return;
    buttonDownArmed_ = true;
    if (overLogo_) {
        OpenClubWebSite(app_);
        return;
    }
    const QPoint p = event->position().toPoint();
    // The participant list takes the press before everything else.
    const bool participants = ui_.page == kPageParticipants;
    if (participants && PressListPanel(panel_, ui_, scroll_, p.x(), p.y())) {
        if (scroll_.heldPanelId != -1) repeatTimer_.start(kRepeatIntervalMs, this);
        return;
    }
    if (PressLayoutItems(p)) return;
    if (!DropDownIsOpen() && !scroll_.dragActive && Press(bar_, ui_, p.x(), p.y())) return;
    if (ListPanelPage() && !participants) {
        PressListPanel(panel_, ui_, scroll_, p.x(), p.y());
        if (scroll_.heldPanelId != -1) repeatTimer_.start(kRepeatIntervalMs, this);
    }
}

void CKavaltoView::mouseReleaseEvent(QMouseEvent* event) {
    if (!Ready() || event->button() != Qt::LeftButton || !buttonDownArmed_) return;
    buttonDownArmed_ = false;
    const QPoint p = event->position().toPoint();
    if (!bar_.popup.open && DropDownIsOpen()) {
        // It stays open: the pick is a press of its own.
        RedrawOpenDropDown();
        return;
    }
    ReleaseAt(bar_, ui_, p.x(), p.y());
    StopRepeat(scroll_);
    if (ListPanelPage() && !OtherPanelDragged(scroll_, panel_.id)) ReleaseListPanel(panel_, ui_, scroll_, p.x(), p.y());
}

// The double click comes in place of the second press (and is followed by
// a release the view does not act on, as no press armed it).
void CKavaltoView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (!Ready() || event->button() != Qt::LeftButton) return;
    const QPoint p = event->position().toPoint();
    if (!DropDownIsOpen() && !scroll_.dragActive && Press(bar_, ui_, p.x(), p.y())) {
        // A button counts it as two more clicks: a push button fires three
        // times in all, a toggle button toggles three times.
        ReleaseAt(bar_, ui_, p.x(), p.y());
        Press(bar_, ui_, p.x(), p.y());
        ReleaseAt(bar_, ui_, p.x(), p.y());
        return;
    }
    DoubleClickLayoutItems(p);
}

// ---------------------------------------------------------------- keys, wheel

void CKavaltoView::keyPressEvent(QKeyEvent* event) {
    // Keys typed into a field's edit box that it leaves alone reach the view
    // too; they belong to the field.
    if (!Ready() || FieldBeingEdited() != -1) {
        QWidget::keyPressEvent(event);
        return;
    }
    const PageFunctions& functions = pages_[static_cast<size_t>(ui_.page - 1)];
    if (functions.key != nullptr) functions.key(context_, event->key());
    TypeCharacter(event->text());
}

void CKavaltoView::TypeCharacter(const QString& text) {
    if (text.size() != 1) return;
    const QChar c = text.at(0);
    // Enter, Escape, Backspace, Tab and Delete are keys, not characters.
    if (c.unicode() < 32 || c.unicode() == 127) return;
    for (const KeyEvent& key : kResultKeys) {
        if (c.toUpper() == QLatin1Char(key.letter)) {
            Dispatch(PageEvent{key.type, 0, 0});
            return;
        }
    }
    if (ui_.page != kPageParticipants) return;
    // The character starts the search word.
    BeginSearchEdit(Utf8ToCp1252(text.toStdString()));
    Dispatch(PageEvent{kEventFieldCommitted, kSearchField, 0});
}

void CKavaltoView::wheelEvent(QWheelEvent* event) {
    if (!Ready()) return;
    // Fine-grained wheels and touchpads send parts of a notch; they add up.
    wheelRemainder_ += event->angleDelta().y();
    const int32_t notches = wheelRemainder_ / kWheelNotch;
    wheelRemainder_ -= notches * kWheelNotch;
    if (notches != 0) WheelListPanel(panel_, ui_, notches * kWheelNotch);
    event->accept();
}

// ---------------------------------------------------------------- timers, clock

void CKavaltoView::timerEvent(QTimerEvent* event) {
    if (event->timerId() == repeatTimer_.timerId()) {
        RepeatTimerTick();
    } else if (event->timerId() == clockTimer_.timerId()) {
        ClockTimerTick();
    } else {
        QWidget::timerEvent(event);
    }
}

void CKavaltoView::RepeatTimerTick() {
    if (scroll_.heldPanelId == -1) {
        repeatTimer_.stop();
        return;
    }
    if (!Ready()) return;
    // Only the participant list repeats; elsewhere the press alone scrolls.
    if (RepeatTick(scroll_) && ui_.page == kPageParticipants) {
        StepListPanel(panel_, ui_, scroll_.heldPanelId, scroll_.heldDirection);
    }
}

void CKavaltoView::ClockTimerTick() {
    if (!Ready() || !TickClock(clock_)) return;
    if (ui_.page == kPageDuringMeet && !bar_.popup.open) DrawClock(clock_, ui_);
    // BIG SCREEN: the clock text (up to 50 characters) copied to the big screen, which is painted again.
}

void CKavaltoView::StartClock() {
    if (!kavalto::StartClock(clock_, Now())) return;
    clockTimer_.start(kClockIntervalMs, Qt::PreciseTimer, this);
    RequestRepaint(ui_);
    // BIG SCREEN: painted again when it is open.
}

void CKavaltoView::StopClock() {
    if (!kavalto::StopClock(clock_, Now())) return;
    clockTimer_.stop();
    RequestRepaint(ui_);
    // BIG SCREEN: painted again when it is open.
}

}  // namespace kavalto

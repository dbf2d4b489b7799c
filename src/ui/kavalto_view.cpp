#include "ui/kavalto_view.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include "app/app_state.h"
#include "app/links.h"
#include "app/program_info.h"
#include "meet/meet_file.h"
#include "ui/navigation_buttons.h"
#include "ui/surface_image.h"
#include "ui/window_composition.h"

namespace kavalto {
namespace {

constexpr int32_t kUserGuideButton = 4008;
constexpr int32_t kButtonEvent = 6;

}  // namespace

CKavaltoView::CKavaltoView(AppState& app, QWidget* parent) : QWidget(parent), app_(app) {
    // Every paint covers every pixel: nothing is erased first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    InitSkin(ui_.skin, *app.meet.notifier);
    ui_.meet = &app.meet;
    ui_.hooks.present = [this](const Rect& r) { update(QRect(r.x, r.y, r.width, r.height)); };
    ui_.hooks.repaint = [this] { update(); };
    ui_.hooks.send = [this](const PageEvent& event) { Dispatch(event); };
    LoadNavigationButtons(bar_);
}

QImage CKavaltoView::screenImage() const { return SurfaceImage(ui_.screen); }

void CKavaltoView::Dispatch(const PageEvent& event) {
    if (event.type == kButtonEvent && event.id == kUserGuideButton) OpenUserGuide(app_);
}

bool CKavaltoView::InLogoArea(QPoint point, int logoHeight) {
    return point.x() > 10 && point.x() < 140 && point.y() > 35 && point.y() < 35 + logoHeight;
}

void CKavaltoView::CommitCurrentPage() {
    // PAGES: the current page's commit (open field, temporary class and team
    // changes, pages 7 to 10 deactivated) goes here.
}

void CKavaltoView::ComposeScreen() { ComposeWindow(ui_, bar_, width(), height(), kVersionText); }

void CKavaltoView::ActivateFirstPage() {
    LoadAutosaveAtStart(app_.meet, app_.dataFolder);
    app_.meetRestored = true;
}

void CKavaltoView::paintEvent(QPaintEvent* event) {
    if (!app_.windowReady) return;
    ComposeScreen();
    const QRect r = event->rect();
    QPainter painter(this);
    painter.drawImage(r.topLeft(), SurfaceImage(ui_.screen, Rect{r.x(), r.y(), r.width(), r.height()}));
    // Reading the autosave may ask or tell the operator something; a message
    // box must not open inside a paint, so page 1 is activated right after
    // it and the window painted again.
    if (firstPaint_ && !firstActivationQueued_) {
        firstActivationQueued_ = true;
        QMetaObject::invokeMethod(
            this,
            [this] {
                ActivateFirstPage();
                firstPaint_ = false;
                update();
            },
            Qt::QueuedConnection);
    }
}

void CKavaltoView::mouseMoveEvent(QMouseEvent* event) {
    if (!app_.windowReady) return;
    const QPoint p = event->position().toPoint();
    overLogo_ = InLogoArea(p, ui_.skin.logo.height);
    const bool overButton = !overLogo_ && TrackHover(bar_, ui_, p.x(), p.y());
    const Qt::CursorShape shape = overLogo_ || overButton ? Qt::PointingHandCursor : Qt::ArrowCursor;
    if (cursor().shape() != shape) setCursor(shape);
}

void CKavaltoView::mousePressEvent(QMouseEvent* event) {
    if (!app_.windowReady || event->button() != Qt::LeftButton) return;
    buttonDownArmed_ = true;
    if (overLogo_) {
        OpenClubWebSite(app_);
        return;
    }
    const QPoint p = event->position().toPoint();
    Press(bar_, ui_, p.x(), p.y());
}

void CKavaltoView::mouseReleaseEvent(QMouseEvent* event) {
    if (!app_.windowReady || event->button() != Qt::LeftButton || !buttonDownArmed_) return;
    buttonDownArmed_ = false;
    const QPoint p = event->position().toPoint();
    ReleaseAt(bar_, ui_, p.x(), p.y());
}

}  // namespace kavalto

#include "ui/kavalto_view.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include "app/app_state.h"
#include "meet/meet_file.h"

namespace kavalto {
namespace {

// DRAWING LAYER: the logo picture's height replaces this.
constexpr int kLogoHeightUntilDrawn = 100;
// DRAWING LAYER: the rendered background replaces this plain colour.
constexpr QRgb kPlainColour = qRgb(0x2E, 0x32, 0x5A);

}  // namespace

CKavaltoView::CKavaltoView(AppState& app, QWidget* parent) : QWidget(parent), app_(app) {
    // Every paint covers every pixel: nothing is erased first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    logoHeight_ = kLogoHeightUntilDrawn;
}

bool CKavaltoView::InLogoArea(QPoint point, int logoHeight) {
    return point.x() > 10 && point.x() < 140 && point.y() > 35 && point.y() < 35 + logoHeight;
}

void CKavaltoView::CommitCurrentPage() {
    // PAGES: the current page's commit (open field, temporary class and team
    // changes, pages 7 to 10 deactivated) goes here.
}

void CKavaltoView::ComposeScreen() { screen_.fill(kPlainColour); }

void CKavaltoView::ActivateFirstPage() {
    LoadAutosaveAtStart(app_.meet, app_.dataFolder);
    app_.meetRestored = true;
}

void CKavaltoView::paintEvent(QPaintEvent* event) {
    if (!app_.windowReady) return;
    if (screen_.size() != size()) screen_ = QImage(size(), QImage::Format_RGB888);
    ComposeScreen();
    QPainter painter(this);
    painter.drawImage(event->rect(), screen_, event->rect());
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
    overLogo_ = InLogoArea(event->position().toPoint(), logoHeight_);
    const Qt::CursorShape shape = overLogo_ ? Qt::PointingHandCursor : Qt::ArrowCursor;
    if (cursor().shape() != shape) setCursor(shape);
}

void CKavaltoView::mousePressEvent(QMouseEvent* event) {
    if (!app_.windowReady || event->button() != Qt::LeftButton) return;
    if (overLogo_) OpenClubWebSite(app_);
}

}  // namespace kavalto

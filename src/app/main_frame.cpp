#include "app/main_frame.h"

#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>

#include "app/app_state.h"
#include "app/program_info.h"
#include "app/window_placement.h"
#include "meet/meet_file.h"
#include "platform/platform.h"
#include "ui/kavalto_view.h"

namespace kavalto {

CMainFrame::CMainFrame(AppState& app) : app_(app) {
    setWindowTitle(kProgramTitle);
    const WindowPlacement& window = app_.prefs.window;
    ApplyMinimumSize(*this, app_.screenWidth, app_.screenHeight);
    setGeometry(window.left, window.top, window.width, window.height);
    view_ = new CKavaltoView(app_, this);
    setCentralWidget(view_);
    // BIG SCREEN: the big-screen window is created here, 1024 x 768 at 0, 0,
    // hidden.
}

bool CMainFrame::AutosaveBeforeClosing() {
    // Before the autosave was read the meet in memory is not the operator's;
    // writing it would replace the saved meet with an empty one.
    if (!app_.meetRestored) return true;
    if (app_.platform->CtrlHeld()) return true;
    if (SaveAutosave(app_.meet, app_.dataFolder)) return true;
    return app_.platform->Ask("Stevnet kunne ikke autolagres (" + std::string(kAutosaveName) +
                              "). Vil du avslutte likevel? Endringene siden forrige lagring går da tapt.");
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    app_.closing = true;
    view_->CommitCurrentPage();
    if (!AutosaveBeforeClosing()) {
        app_.closing = false;
        view_->ResumeAfterCancelledClose();
        event->ignore();
        return;
    }
    RecordPlacement(app_.prefs.window, *this);
    event->accept();
}

// Dropped files are taken and read into nothing: a meet is opened from the
// meet page only.
void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event) { event->acceptProposedAction(); }

void ShowMainWindow(AppState& app, CMainFrame& frame) {
    // Maximized before it is shown, so it opens maximized without first
    // flashing at its normal size; the normal placement is kept for later.
    if (app.prefs.window.maximized != 0) frame.setWindowState(frame.windowState() | Qt::WindowMaximized);
    frame.show();
    frame.setAcceptDrops(true);
    app.windowReady = true;
    frame.setWindowTitle(kProgramTitle);
    frame.view()->update();
}

}  // namespace kavalto

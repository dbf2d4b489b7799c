// The main window: no menu, the view as its only content, the remembered
// placement, and the close that commits the page and autosaves the meet.
#pragma once

#include <QMainWindow>

namespace kavalto {

struct AppState;
class CKavaltoView;

class CMainFrame final : public QMainWindow {
public:
    explicit CMainFrame(AppState& app);

    CKavaltoView* view() const { return view_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // False when the operator chose to keep the window open because the
    // meet could not be saved.
    bool AutosaveBeforeClosing();

    AppState& app_;
    CKavaltoView* view_ = nullptr;
};

// Shows the frame at its remembered placement (maximized when it was),
// lets it take dropped files and marks the program ready.
void ShowMainWindow(AppState& app, CMainFrame& frame);

}  // namespace kavalto

// The main window's client area. Everything is drawn into one full-window
// 24-bit screen image, which the paint event copies to the window.
#pragma once

#include <QImage>
#include <QWidget>

#include "ui/button_bar.h"
#include "ui/ui_context.h"

namespace kavalto {

struct AppState;

class CKavaltoView final : public QWidget {
public:
    explicit CKavaltoView(AppState& app, QWidget* parent = nullptr);

    // The picture last composed; what the window shows.
    QImage screenImage() const;
    UiContext& ui() { return ui_; }
    ButtonBar& buttonBar() { return bar_; }
    bool firstPaintPending() const { return firstPaint_; }

    // Closing: the current page finishes as if it were being left, so an
    // open input field reaches the meet before the autosave.
    void CommitCurrentPage();

    // The left panel's logo; a click there opens the club's web site.
    static bool InLogoArea(QPoint point, int logoHeight);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // Composes the whole window into the screen surface.
    void ComposeScreen();
    // Events of the widgets: the navigation buttons and the user guide.
    void Dispatch(const PageEvent& event);
    // Page 1's first activation: the meet comes back from the autosave.
    void ActivateFirstPage();

    AppState& app_;
    UiContext ui_;
    ButtonBar bar_;
    bool firstPaint_ = true;
    bool firstActivationQueued_ = false;
    bool overLogo_ = false;
    bool buttonDownArmed_ = false;
};

}  // namespace kavalto

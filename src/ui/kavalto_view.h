// The main window's client area. Everything is drawn into one full-window
// 24-bit screen image, which the paint event copies to the window.
#pragma once

#include <QImage>
#include <QWidget>

namespace kavalto {

struct AppState;

class CKavaltoView final : public QWidget {
public:
    explicit CKavaltoView(AppState& app, QWidget* parent = nullptr);

    // The picture last composed; what the window shows.
    const QImage& screenImage() const { return screen_; }
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

private:
    // Composes the whole window into the screen image.
    void ComposeScreen();
    // Page 1's first activation: the meet comes back from the autosave.
    void ActivateFirstPage();

    AppState& app_;
    QImage screen_;
    bool firstPaint_ = true;
    bool firstActivationQueued_ = false;
    bool overLogo_ = false;
    int logoHeight_ = 0;
};

}  // namespace kavalto

// The application object: owns the meet, the settings, the platform and
// the main window from start to exit.
#pragma once

#include <QApplication>
#include <memory>

#include "app/app_state.h"
#include "platform/qt_platform.h"

namespace kavalto {

class CMainFrame;

class CKavaltoApp final : public QApplication {
public:
    CKavaltoApp(int& argc, char** argv);
    ~CKavaltoApp() override;

    // Start-up up to the shown main window.
    void InitInstance();
    // After the event loop: the window's placement is recorded by its close;
    // the meet is freed and the preferences written.
    void ExitInstance();

    AppState& state() { return state_; }

private:
    QtPlatform platform_;
    AppState state_;
    std::unique_ptr<CMainFrame> frame_;
};

}  // namespace kavalto

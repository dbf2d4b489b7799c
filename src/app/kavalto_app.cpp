#include "app/kavalto_app.h"

#include "app/main_frame.h"
#include "app/program_info.h"
#include "app/startup.h"
#include "app/termination_signals.h"

namespace kavalto {

CKavaltoApp::CKavaltoApp(int& argc, char** argv) : QApplication(argc, argv) {
    setOrganizationName(kSettingsOrganisation);
    setApplicationName(kSettingsApplication);
    setDesktopFileName("kavalto");
}

CKavaltoApp::~CKavaltoApp() = default;

void CKavaltoApp::InitInstance() {
    StartApp(state_, platform_, arguments());
    frame_ = std::make_unique<CMainFrame>(state_);
    platform_.SetParentWindow(frame_.get());
    ShowMainWindow(state_, *frame_);
    CloseOnTerminationSignals(*frame_);
}

void CKavaltoApp::ExitInstance() {
    StopClosingOnTerminationSignals();
    frame_.reset();
    ExitApp(state_);
}

}  // namespace kavalto

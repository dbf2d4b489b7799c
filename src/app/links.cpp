#include "app/links.h"

#include <QSettings>
#include <filesystem>

#include "app/app_state.h"
#include "app/program_info.h"
#include "platform/platform.h"
#include "platform/qt_text.h"

namespace kavalto {

void ReadLinks(Links& links) {
    QSettings settings(kSettingsOrganisation, kSettingsApplication);
    settings.beginGroup("Links");
    const QString web = settings.value("WebAddress").toString().trimmed();
    if (!web.isEmpty()) links.webAddress = ToUtf8(web);
    const QString guide = settings.value("UserGuide").toString().trimmed();
    if (!guide.isEmpty()) links.userGuide = ToUtf8(guide);
    settings.endGroup();
}

void OpenClubWebSite(AppState& app) {
    if (!app.links.webAddress.empty()) app.platform->OpenAddress(app.links.webAddress);
}

void OpenUserGuide(AppState& app) {
    std::string guide = app.links.userGuide;
    if (guide.find("://") != std::string::npos) {
        app.platform->OpenAddress(guide);
        return;
    }
    if (guide.empty()) guide = (std::filesystem::path(app.programFolder) / kUserGuideName).string();
    std::error_code error;
    if (!std::filesystem::is_regular_file(guide, error)) {
        app.platform->Warn("Finner ikke brukerveiledningen (" + guide + ").");
        return;
    }
    app.platform->OpenFile(guide);
}

}  // namespace kavalto

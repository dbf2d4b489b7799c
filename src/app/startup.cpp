#include "app/startup.h"

#include <filesystem>

#include "app/window_placement.h"
#include "platform/platform.h"
#include "ui/interface_font.h"

namespace kavalto {
namespace {

constexpr const char* kDataFolderName = "Kavalto";

// Program folder first; the documents folder, when the desktop knows it,
// takes over the dialogs' paths and holds the data folder.
void FindFolders(AppState& app, Platform& platform) {
    app.programFolder = platform.ProgramFolder();
    app.prefs.inputPath = app.programFolder;
    app.prefs.outputPath = app.programFolder;
    app.dataFolder = app.programFolder;
    const std::string documents = platform.DocumentsFolder();
    if (documents.empty()) return;
    app.prefs.inputPath = documents;
    app.prefs.outputPath = documents;
    app.dataFolder = (std::filesystem::path(documents) / kDataFolderName).string();
    // A folder that cannot be made shows up at the first autosave, which
    // tells the operator.
    std::error_code ignored;
    std::filesystem::create_directories(app.dataFolder, ignored);
}

}  // namespace

bool StartsWithDefaults(const QStringList& arguments) {
    return arguments.size() == 2 && arguments.at(1) == QStringLiteral("-r");
}

void StartApp(AppState& app, Platform& platform, const QStringList& arguments) {
    app.platform = &platform;
    app.meet.notifier = &platform;
    app.prefs = Preferences{};
    app.links = Links{};
    app.windowReady = false;
    app.closing = false;
    app.meetRestored = false;

    FindFolders(app, platform);

    const MonitorInfo monitors = platform.Monitors();
    app.screenWidth = monitors.primary().width;
    app.screenHeight = monitors.primary().height;

    // The colour set is made with the view's skin; the interface face "Ariel"
    // is mapped to the fonts this system has before any text is measured.
    RegisterInterfaceFont();

    SetInitialMeet(app.meet);

    if (!StartsWithDefaults(arguments)) {
        ReadPreferences(app.prefs);
        ReadLinks(app.links);
    }

    ResetMeet(app.meet);

    FitPlacementToScreen(app.prefs.window, monitors);
}

void ExitApp(AppState& app) {
    FreeArrays(app.meet);
    app.meet.banner.reset();
    app.prefs.firstTimeRunning = 0;
    WritePreferences(app.prefs);
}

}  // namespace kavalto

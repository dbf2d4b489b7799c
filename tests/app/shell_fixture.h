// Runs the program's start, main window and exit against a temporary
// documents folder, program folder and settings file: never the user's own.
#pragma once

#include <QCoreApplication>
#include <QSettings>
#include <filesystem>
#include <memory>

#include <gtest/gtest.h>

#include "app/app_state.h"
#include "app/main_frame.h"
#include "app/program_info.h"
#include "app/startup.h"
#include "gui_support/scripted_platform.h"
#include "support/meet_builder.h"
#include "ui/kavalto_view.h"

namespace kavalto::test {

class ShellTest : public ::testing::Test {
protected:
    void SetUp() override {
        root = MakeTempFolder("shell");
        const QString config = QString::fromStdString((root / "config").string());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, config);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, config);
        platform.documentsFolder = (root / "Dokumenter").string();
        platform.programFolder = (root / "program").string();
        std::filesystem::create_directories(platform.documentsFolder);
        std::filesystem::create_directories(platform.programFolder);
    }
    void TearDown() override {
        frame.reset();
        std::filesystem::remove_all(root);
    }

    // The user's settings as the program finds them.
    static std::unique_ptr<QSettings> Stored() {
        auto settings = std::make_unique<QSettings>(kSettingsOrganisation, kSettingsApplication);
        settings->beginGroup("Preferences");
        return settings;
    }

    void Start(const QStringList& arguments = {"kavalto"}) {
        app = std::make_unique<AppState>();
        StartApp(*app, platform, arguments);
    }
    // Creates and shows the real main window and lets it paint.
    void OpenWindow() {
        frame = std::make_unique<CMainFrame>(*app);
        ShowMainWindow(*app, *frame);
        for (int i = 0; i < 200 && frame->view()->firstPaintPending(); ++i) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        }
        ASSERT_FALSE(frame->view()->firstPaintPending()) << "the view was never painted";
    }
    // Closes the window as the operator does; true when it closed.
    bool Close() { return frame->close(); }
    void CloseAndExit() {
        if (frame) {
            ASSERT_TRUE(Close());
        }
        frame.reset();
        ExitApp(*app);
    }

    std::filesystem::path DataFolder() const { return root / "Dokumenter" / "Kavalto"; }
    std::filesystem::path Autosave() const { return DataFolder() / "Current.agi"; }

    std::filesystem::path root;
    ScriptedPlatform platform;
    std::unique_ptr<AppState> app;
    std::unique_ptr<CMainFrame> frame;
};

}  // namespace kavalto::test

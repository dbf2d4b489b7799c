#include <filesystem>

#include <gtest/gtest.h>

#include "app/window_placement.h"
#include "shell_fixture.h"

namespace kavalto {
namespace {

namespace fs = std::filesystem;
using Startup = test::ShellTest;

TEST_F(Startup, DataFolderIsMadeInTheDocumentsFolder) {
    Start();
    EXPECT_EQ(app->dataFolder, DataFolder().string());
    EXPECT_TRUE(fs::is_directory(DataFolder()));
    EXPECT_EQ(app->prefs.inputPath, platform.documentsFolder);
    EXPECT_EQ(app->prefs.outputPath, platform.documentsFolder);
    EXPECT_EQ(app->programFolder, platform.programFolder);
}

TEST_F(Startup, WithoutADocumentsFolderTheProgramFolderServes) {
    platform.documentsFolder.clear();
    Start();
    EXPECT_EQ(app->dataFolder, platform.programFolder);
    EXPECT_EQ(app->prefs.inputPath, platform.programFolder);
    EXPECT_EQ(app->prefs.outputPath, platform.programFolder);
}

TEST_F(Startup, TheMeetStartsFreshUntilTheAutosaveIsRead) {
    Start();
    EXPECT_EQ(app->meet.info.meetForm, 1);
    EXPECT_EQ(app->meet.info.singleRun, 1);
    EXPECT_EQ(app->meet.equipageCount(), 0);
    EXPECT_FALSE(app->meetRestored);
    EXPECT_FALSE(app->windowReady);
    EXPECT_EQ(app->meet.notifier, &platform);
}

TEST_F(Startup, OnlyALoneDashRStartsWithDefaults) {
    const struct {
        QStringList arguments;
        bool defaults;
    } cases[] = {
        {{"kavalto", "-r"}, true},
        {{"kavalto"}, false},
        {{"kavalto", "-r", "stevne.ags"}, false},
        {{"kavalto", "-R"}, false},
        {{"kavalto", " -r"}, false},
    };
    for (const auto& c : cases) EXPECT_EQ(StartsWithDefaults(c.arguments), c.defaults) << c.arguments.join(' ').toStdString();
}

TEST_F(Startup, DashRIgnoresStoredValuesAndExitWritesTheDefaults) {
    Start();
    app->prefs.window = {300, 200, 1100, 800, 1};
    app->prefs.mailName = "Lagret";
    ExitApp(*app);

    Start({"kavalto", "-r"});
    EXPECT_EQ(app->prefs.window.left, 0);
    EXPECT_EQ(app->prefs.window.width, 1024);
    EXPECT_EQ(app->prefs.window.height, 768);
    EXPECT_EQ(app->prefs.window.maximized, 0);
    EXPECT_EQ(app->prefs.mailName, "");
    OpenWindow();
    CloseAndExit();

    // The desktop may push the frame a few pixels into view.
    EXPECT_LE(Stored()->value("KavaltoLeft").toInt(), 2);
    EXPECT_EQ(Stored()->value("KavaltoWith").toInt(), 1024);
    EXPECT_EQ(Stored()->value("Maximized").toInt(), 0);
    EXPECT_EQ(Stored()->value("MailNavn").toString(), "");
}

TEST_F(Startup, FirstRunStoresAllFifteenValuesAndTheNextStartReadsThem) {
    Start();
    OpenWindow();
    frame->setGeometry(60, 40, 1100, 820);
    CloseAndExit();

    const QStringList keys = Stored()->childKeys();
    EXPECT_EQ(keys.size(), 15);
    EXPECT_EQ(Stored()->value("FirstTimeRunning").toInt(), 0);
    EXPECT_EQ(Stored()->value("InputPath").toString().toStdString(), platform.documentsFolder);

    Start();
    EXPECT_EQ(app->prefs.firstTimeRunning, 0);
    EXPECT_EQ(app->prefs.window.left, 60);
    EXPECT_EQ(app->prefs.window.top, 40);
    EXPECT_EQ(app->prefs.window.width, 1100);
    EXPECT_EQ(app->prefs.window.height, 820);
    OpenWindow();
    EXPECT_EQ(frame->geometry(), QRect(60, 40, 1100, 820));
}

TEST_F(Startup, PlacementIsFittedToTheScreen) {
    const MonitorInfo one{{{0, 0, 1920, 1080}}, {0, 0, 1920, 1080}};
    const MonitorInfo two{{{0, 0, 1920, 1080}, {1920, 0, 1280, 1024}}, {0, 0, 3200, 1080}};
    const struct {
        const char* what;
        MonitorInfo monitors;
        WindowPlacement stored;
        WindowPlacement expected;
    } cases[] = {
        {"small screen", {{{0, 0, 800, 600}}, {0, 0, 800, 600}}, {20, 20, 1024, 768, 0}, {0, 0, 800, 600, 0}},
        {"too high only", {{{0, 0, 1280, 720}}, {0, 0, 1280, 720}}, {10, 10, 1024, 768, 0}, {0, 0, 1280, 720, 0}},
        {"fits", one, {100, 50, 1200, 900, 1}, {100, 50, 1200, 900, 1}},
        {"monitor gone", one, {2000, 100, 1024, 768, 0}, {0, 0, 1024, 768, 0}},
        {"second monitor", two, {2000, 100, 1024, 768, 0}, {2000, 100, 1024, 768, 0}},
        {"screen unknown", {}, {100, 50, 1200, 900, 0}, {100, 50, 1200, 900, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        WindowPlacement window = c.stored;
        FitPlacementToScreen(window, c.monitors);
        EXPECT_EQ(window.left, c.expected.left);
        EXPECT_EQ(window.top, c.expected.top);
        EXPECT_EQ(window.width, c.expected.width);
        EXPECT_EQ(window.height, c.expected.height);
        EXPECT_EQ(window.maximized, c.expected.maximized);
    }
}

TEST_F(Startup, SmallScreenOpensTheWindowAtItsSize) {
    Start();
    app->prefs.window = {100, 100, 1024, 768, 0};
    ExitApp(*app);
    platform.monitors = {{{0, 0, 800, 600}}, {0, 0, 800, 600}};

    Start();
    OpenWindow();
    EXPECT_EQ(frame->size(), QSize(800, 600));
    EXPECT_LE(frame->x(), 2);
    EXPECT_LE(frame->y(), 2);
}

TEST_F(Startup, ExitFreesTheMeet) {
    Start();
    test::AddEquipage(app->meet, "Rex");
    ExitApp(*app);
    EXPECT_EQ(app->meet.equipageCount(), 0);
    EXPECT_FALSE(app->meet.banner.has_value());
}

}  // namespace
}  // namespace kavalto

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMenuBar>
#include <QMimeData>
#include <QMouseEvent>
#include <QUrl>
#include <csignal>
#include <fstream>

#include <gtest/gtest.h>

#include "app/termination_signals.h"
#include "app/window_placement.h"
#include "meet/meet_file.h"
#include "meet/text_field.h"
#include "shell_fixture.h"
#include "support/sample_meet.h"
#include "ui/surface.h"
#include "ui/ui_context.h"

namespace kavalto {
namespace {

namespace fs = std::filesystem;

class MainFrame : public test::ShellTest {
protected:
    // "Current.agi" as a previous run left it.
    void LeaveAutosave(int equipages) {
        MeetState saved;
        test::MakeFreshMeet(saved);
        for (int i = 0; i < equipages; ++i) test::AddEquipage(saved, "Tidligere " + std::to_string(i));
        fs::create_directories(DataFolder());
        ASSERT_TRUE(SaveMeetFile(saved, Autosave().string()));
    }
    int EquipagesInAutosave() {
        MeetState read;
        test::MakeFreshMeet(read);
        EXPECT_TRUE(LoadMeetFile(read, Autosave().string()).ok);
        return read.equipageCount();
    }
    void SendMouse(QEvent::Type type, QPoint point) {
        QMouseEvent event(type, point, frame->view()->mapToGlobal(point), Qt::LeftButton,
                          type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(frame->view(), &event);
    }
};

TEST_F(MainFrame, OpensWithTitleNoMenuAndTheViewPainted) {
    Start();
    OpenWindow();
    EXPECT_TRUE(frame->isVisible());
    EXPECT_EQ(frame->windowTitle(), "Kavalto");
    EXPECT_EQ(frame->menuWidget(), nullptr);
    EXPECT_EQ(frame->centralWidget(), frame->view());
    EXPECT_TRUE(app->windowReady);
    EXPECT_TRUE(frame->acceptDrops());
    EXPECT_EQ(frame->view()->screenImage().size(), frame->view()->size());
    EXPECT_FALSE(frame->view()->firstPaintPending());
    // The navigation tabs lie on the top bar over the rendered background.
    const UiContext& ui = frame->view()->ui();
    int tabPixels = 0;
    for (int32_t y = 0; y < 48; ++y) {
        for (int32_t x = 150; x < ui.screen.width; ++x) {
            if (!(PixelAt(ui.screen, x, y) == PixelAt(ui.background, x, y))) ++tabPixels;
        }
    }
    EXPECT_GT(tabPixels, 6 * 110 * 10);
}

TEST_F(MainFrame, FirstPaintReadsTheAutosave) {
    LeaveAutosave(3);
    Start();
    OpenWindow();
    EXPECT_TRUE(app->meetRestored);
    ASSERT_EQ(app->meet.equipageCount(), 3);
    EXPECT_EQ(FieldText(app->meet.equipages[2].dogName), "Tidligere 2");
}

TEST_F(MainFrame, AnUnreadableAutosaveIsToldOnceAndKeptAside) {
    fs::create_directories(DataFolder());
    std::ofstream(Autosave()) << "VHX Kavalto Stevne Format";  // cut short
    Start();
    OpenWindow();
    EXPECT_EQ(platform.warnings.size(), 1u);
    EXPECT_EQ(app->meet.equipageCount(), 0);
    ASSERT_TRUE(Close());
    int setAside = 0;
    for (const auto& entry : fs::directory_iterator(DataFolder())) {
        if (entry.path().filename().string().starts_with("Current-ulesbar-")) ++setAside;
    }
    EXPECT_EQ(setAside, 1);
}

// Closing autosaves the meet, unless Ctrl is held down.
TEST_F(MainFrame, CloseAutosavesUnlessCtrlIsHeld) {
    for (const bool ctrl : {false, true}) {
        SCOPED_TRACE(ctrl ? "Ctrl held" : "no Ctrl");
        LeaveAutosave(2);
        Start();
        OpenWindow();
        test::AddEquipage(app->meet, "Ny");
        platform.ctrlHeld = ctrl;
        ASSERT_TRUE(Close());
        EXPECT_TRUE(app->closing);
        EXPECT_EQ(EquipagesInAutosave(), ctrl ? 2 : 3);
        frame.reset();
        ExitApp(*app);

        // The next start shows the meet as last autosaved.
        platform.ctrlHeld = false;
        Start();
        OpenWindow();
        EXPECT_EQ(app->meet.equipageCount(), ctrl ? 2 : 3);
        frame.reset();
    }
}

TEST_F(MainFrame, ATerminationSignalClosesTheWindowAndAutosaves) {
    for (const int signal : {SIGTERM, SIGHUP}) {
        SCOPED_TRACE(signal);
        LeaveAutosave(1);
        Start();
        OpenWindow();
        test::AddEquipage(app->meet, "Ny");
        CloseOnTerminationSignals(*frame);
        std::raise(signal);
        for (int i = 0; i < 200 && frame->isVisible(); ++i) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        StopClosingOnTerminationSignals();
        EXPECT_FALSE(frame->isVisible());
        EXPECT_EQ(EquipagesInAutosave(), 2);
        frame.reset();
    }
}

TEST_F(MainFrame, ClosingBeforeTheAutosaveWasReadLeavesItAlone) {
    LeaveAutosave(4);
    Start();
    frame = std::make_unique<CMainFrame>(*app);  // never shown, never painted
    ASSERT_TRUE(Close());
    EXPECT_EQ(EquipagesInAutosave(), 4);
}

TEST_F(MainFrame, AFailedAutosaveLetsTheOperatorKeepTheWindowOpen) {
    Start();
    // The data folder is a file: nothing can be written into it.
    fs::remove_all(DataFolder());
    std::ofstream(DataFolder()) << "ikke en mappe";
    OpenWindow();

    platform.answers = {false};
    EXPECT_FALSE(Close());
    EXPECT_TRUE(frame->isVisible());
    EXPECT_FALSE(app->closing);
    EXPECT_FALSE(platform.warnings.empty());  // why it failed
    ASSERT_EQ(platform.questions.size(), 1u);
    EXPECT_NE(platform.questions[0].find("avslutte likevel"), std::string::npos);

    platform.answers = {true};
    EXPECT_TRUE(Close());
    EXPECT_FALSE(frame->isVisible());
}

TEST_F(MainFrame, DraggingStopsAtTheMinimumSize) {
    Start();
    OpenWindow();
    frame->resize(500, 400);
    EXPECT_EQ(frame->size(), QSize(kMinFrameWidth, kMinFrameHeight));
    frame->resize(1000, 720);
    EXPECT_EQ(frame->size(), QSize(1000, 720));
}

TEST_F(MainFrame, OnASmallScreenTheMinimumIsTheScreen) {
    const struct {
        MonitorInfo monitors;
        QSize minimum;
    } cases[] = {
        {{{{0, 0, 800, 600}}, {0, 0, 800, 600}}, {800, 600}},
        {{{{0, 0, 1920, 1080}}, {0, 0, 1920, 1080}}, {960, 700}},
        {{}, {960, 700}},  // the desktop could not tell
    };
    for (const auto& c : cases) {
        platform.monitors = c.monitors;
        Start();
        OpenWindow();
        EXPECT_EQ(frame->minimumSize(), c.minimum);
        frame.reset();
    }
}

TEST_F(MainFrame, CloseRecordsTheNormalPlacementAndMaximizedState) {
    for (const bool maximize : {false, true}) {
        SCOPED_TRACE(maximize ? "maximized" : "normal");
        Start();
        OpenWindow();
        frame->setGeometry(70, 80, 1000, 750);
        if (maximize) frame->showMaximized();
        ASSERT_TRUE(Close());
        EXPECT_EQ(app->prefs.window.left, 70);
        EXPECT_EQ(app->prefs.window.top, 80);
        EXPECT_EQ(app->prefs.window.width, 1000);
        EXPECT_EQ(app->prefs.window.height, 750);
        EXPECT_EQ(app->prefs.window.maximized, maximize ? 1 : 0);
        frame.reset();
    }
}

TEST_F(MainFrame, StoredMaximizedOpensMaximizedAndKeepsTheNormalPlacement) {
    Start();
    app->prefs.window = {70, 80, 1000, 750, 1};
    OpenWindow();
    EXPECT_TRUE(frame->isMaximized());
    ASSERT_TRUE(Close());
    EXPECT_EQ(app->prefs.window.left, 70);
    EXPECT_EQ(app->prefs.window.width, 1000);
    EXPECT_EQ(app->prefs.window.maximized, 1);
}

TEST_F(MainFrame, DroppedFilesAreTakenAndReadIntoNothing) {
    MeetState other;
    test::MakeSampleMeet(other);
    const fs::path dropped = root / "annet.ags";
    ASSERT_TRUE(SaveMeetFile(other, dropped.string()));
    LeaveAutosave(1);
    Start();
    OpenWindow();

    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(QString::fromStdString(dropped.string()))});
    const QPoint at(400, 300);
    QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(frame.get(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(at), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(frame.get(), &drop);
    EXPECT_TRUE(drop.isAccepted());

    EXPECT_EQ(app->meet.equipageCount(), 1);
    EXPECT_TRUE(platform.warnings.empty());
}

TEST_F(MainFrame, ClickOnTheLogoOpensTheClubsWebSite) {
    Start();
    app->links.webAddress = "https://klubb.example/agility";
    OpenWindow();

    SendMouse(QEvent::MouseMove, {200, 60});
    EXPECT_EQ(frame->view()->cursor().shape(), Qt::ArrowCursor);
    SendMouse(QEvent::MouseButtonPress, {200, 60});
    EXPECT_TRUE(platform.openedAddresses.empty());

    SendMouse(QEvent::MouseMove, {75, 60});
    EXPECT_EQ(frame->view()->cursor().shape(), Qt::PointingHandCursor);
    SendMouse(QEvent::MouseButtonPress, {75, 60});
    EXPECT_EQ(platform.openedAddresses, std::vector<std::string>{"https://klubb.example/agility"});
}

TEST(LogoArea, LiesInsideTheLeftPanelBelowTheTitle) {
    const struct {
        QPoint point;
        bool inside;
    } cases[] = {
        {{11, 36}, true}, {{139, 134}, true}, {{10, 60}, false}, {{140, 60}, false},
        {{75, 35}, false}, {{75, 135}, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CKavaltoView::InLogoArea(c.point, 100), c.inside) << c.point.x() << "," << c.point.y();
    }
}

}  // namespace
}  // namespace kavalto

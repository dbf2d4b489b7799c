// Pages of the main view: activation, switching, dispatch, keys and the
// close, with the real window and a recording page.
#include <gtest/gtest.h>

#include <fstream>

#include "pages/page_counter.h"
#include "pages/pages.h"
#include "pages/record_stepping.h"
#include "support/meet_builder.h"
#include "ui/navigation_buttons.h"
#include "view_fixture.h"

namespace kavalto {
namespace {

using test::kTestPushButton;

class ViewPages : public test::ViewTest {};

TEST_F(ViewPages, TheFirstPaintActivatesPageOneWithItsTabChosen) {
    OpenRecordingWindow();
    EXPECT_EQ(recorder.log, std::vector<std::string>{"on 1"});
    EXPECT_EQ(view()->page(), kPageMeet);
    EXPECT_TRUE(IsPressed(bar(), 4011));
    EXPECT_NE(FindButton(bar(), kTestPushButton), -1);
}

TEST_F(ViewPages, EachNavigationTabLeavesThePageAndActivatesItsOwn) {
    OpenRecordingWindow();
    const struct {
        int32_t tab;
        int32_t page;
    } tabs[] = {{4012, 2}, {4013, 3}, {4015, 4}, {4006, 5}, {4007, 6}, {4011, 1}};
    int32_t shown = kPageMeet;
    for (const auto& t : tabs) {
        SCOPED_TRACE(t.tab);
        recorder.log.clear();
        Click(ButtonCentre(t.tab));
        EXPECT_EQ(recorder.log,
                  (std::vector<std::string>{"off " + std::to_string(shown), "on " + std::to_string(t.page)}));
        EXPECT_EQ(view()->page(), t.page);
        EXPECT_EQ(view()->previousPage(), shown);
        // The radio group leaves exactly the new page's tab chosen.
        for (int32_t i = 0; i < 6; ++i) {
            const int32_t id = NavigationButtons()[i].id;
            EXPECT_EQ(IsPressed(bar(), id), id == t.tab) << id;
        }
        EXPECT_TRUE(recorder.events.empty()) << "navigation is the view's, not the page's";
        shown = t.page;
    }
}

TEST_F(ViewPages, PressingTheShownPagesTabDeactivatesAndReactivatesIt) {
    OpenRecordingWindow();
    Click(ButtonCentre(4013));
    recorder.log.clear();
    Click(ButtonCentre(4013));
    EXPECT_EQ(recorder.log, (std::vector<std::string>{"off 3", "on 3"}));
    EXPECT_EQ(view()->page(), kPageEquipages);
    EXPECT_TRUE(IsPressed(bar(), 4013));
}

// A switch composes the whole window in one go: no widget shows itself on
// its own meanwhile.
TEST_F(ViewPages, ASwitchPaintsTheWholeWindowWithoutSelfRedraws) {
    OpenRecordingWindow(40);
    std::vector<Rect> presented;
    auto present = ui().hooks.present;
    ui().hooks.present = [&](const Rect& r) {
        presented.push_back(r);
        present(r);
    };
    recorder.filledRows.clear();
    view()->SetPage(kPageLists);
    EXPECT_TRUE(presented.empty());
    EXPECT_FALSE(ui().painting);
    EXPECT_FALSE(recorder.filledRows.empty()) << "the page's own step drew its rows";
}

TEST_F(ViewPages, NoPageSwitchOnceClosingHasBegunOrForANumberThatIsNoPage) {
    OpenRecordingWindow();
    recorder.log.clear();
    for (const int32_t page : {0, 12, -1}) view()->SetPage(page);
    EXPECT_TRUE(recorder.log.empty());
    app->closing = true;
    view()->SetPage(kPageTeams);
    EXPECT_TRUE(recorder.log.empty());
    EXPECT_EQ(view()->page(), kPageMeet);
    app->closing = false;
}

TEST_F(ViewPages, EveryOtherEventGoesToTheCurrentPage) {
    OpenRecordingWindow();
    view()->SetPage(kPageLists);
    const PageEvent events[] = {{7, 4061, 415}, {16, 3, 2}, {kEventButton, 4080, 0}, {99, 1, 1}};
    for (const PageEvent& e : events) view()->Dispatch(e);
    EXPECT_EQ(recorder.events, std::vector<PageEvent>(std::begin(events), std::end(events)));
}

TEST_F(ViewPages, TheUserGuideButtonOpensTheGuideOfTheProgramFolder) {
    std::filesystem::create_directories(platform.programFolder);
    std::ofstream(std::filesystem::path(platform.programFolder) / "Kavalto Brukerveiledning.pdf") << "%PDF";
    OpenRecordingWindow();
    Click(ButtonCentre(kUserGuideButtonId));
    ASSERT_EQ(platform.openedFiles.size(), 1u);
    EXPECT_TRUE(platform.openedFiles[0].ends_with("Kavalto Brukerveiledning.pdf"));
    EXPECT_TRUE(recorder.events.empty());
}

TEST_F(ViewPages, ResultKeysReachEveryPageInEitherCase) {
    OpenRecordingWindow();
    for (int32_t page = 1; page <= kPageCount; ++page) {
        SCOPED_TRACE(page);
        view()->SetPage(page);
        recorder.events.clear();
        Type(Qt::Key_V, "v");
        Type(Qt::Key_F, "F");
        Type(Qt::Key_D, "d");
        Type(Qt::Key_I, "I");
        EXPECT_EQ(recorder.events, (std::vector<PageEvent>{{19, 0, 0}, {20, 0, 0}, {21, 0, 0}, {22, 0, 0}}));
    }
}

TEST_F(ViewPages, OtherCharactersStartTheSearchOnlyOnTheParticipantList) {
    OpenRecordingWindow();
    Type(Qt::Key_A, "a");
    EXPECT_TRUE(recorder.events.empty());
    view()->SetPage(kPageParticipants);
    Type(Qt::Key_A, "a");
    Type(Qt::Key_Return, "\r");
    Type(Qt::Key_Escape, "\x1b");
    EXPECT_EQ(recorder.events, (std::vector<PageEvent>{{18, 212, 0}}));
}

class ProgramPages : public test::ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        Start();
        OpenWindow();
    }
    void Key(Qt::Key key) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(frame->view(), &press);
    }
};

// Up and Down walk the records without wrapping; the team's class follows.
TEST_F(ProgramPages, UpAndDownStepThroughEquipagesAndTeamsWithoutWrapping) {
    MeetState& meet = app->meet;
    for (int i = 0; i < 3; ++i) test::AddEquipage(meet, "Hund " + std::to_string(i));
    test::AddTeam(meet, "Lag A", 25);
    test::AddTeam(meet, "Lag B", 26);

    frame->view()->SetPage(kPageEquipages);
    meet.currentEquipage = 0;
    const struct {
        Qt::Key key;
        int32_t expected;
    } equipageSteps[] = {{Qt::Key_Up, 0}, {Qt::Key_Down, 1}, {Qt::Key_Down, 2}, {Qt::Key_Down, 2}, {Qt::Key_Up, 1}};
    for (const auto& step : equipageSteps) {
        Key(step.key);
        EXPECT_EQ(meet.currentEquipage, step.expected);
    }

    frame->view()->SetPage(kPageTeams);
    meet.currentTeam = 0;
    meet.currentClass = 3;
    Key(Qt::Key_Down);
    EXPECT_EQ(meet.currentTeam, 1);
    EXPECT_EQ(meet.currentClass, 26);
    Key(Qt::Key_Down);
    EXPECT_EQ(meet.currentTeam, 1);
    Key(Qt::Key_Up);
    EXPECT_EQ(meet.currentClass, 25);
}

TEST(RecordStepping, NoRecordsOrAnotherKeyKeepTheIndex) {
    EXPECT_EQ(SteppedRecord(0, 0, Qt::Key_Down), 0);
    EXPECT_EQ(SteppedRecord(0, 0, Qt::Key_Up), 0);
    EXPECT_EQ(SteppedRecord(1, 3, Qt::Key_Left), 1);
}

TEST_F(ProgramPages, TheEquipageAndTeamCountersShowWhichOfHowMany) {
    MeetState& meet = app->meet;
    PageContext& page = frame->view()->pageContext();
    EXPECT_EQ(RecordCounterText(page, 0, 0), "(0 av 0)");
    for (int i = 0; i < 12; ++i) test::AddEquipage(meet, "Hund");
    EXPECT_EQ(RecordCounterText(page, 2, 12), "(3 av 12)");

    // Drawn in the obs text colour at column 23 of row 1.
    meet.currentEquipage = 2;
    frame->view()->SetPage(kPageEquipages);
    const UiContext& ui = frame->view()->ui();
    int green = 0;
    for (int32_t y = ui.grid.rowY[1]; y < ui.grid.rowY[1] + ui.grid.normalFontSize + 4; ++y) {
        for (int32_t x = ui.grid.columnX[23]; x < ui.grid.columnX[23] + 120; ++x) {
            if (PixelAt(ui.screen, x, y) == ui.skin.colours.obsText) ++green;
        }
    }
    EXPECT_GT(green, 20);
}

TEST_F(ProgramPages, LeavingTheDuringTheMeetPageHidesTheListPanel) {
    frame->view()->SetPage(kPageDuringMeet);
    frame->view()->listPanel().shown = true;
    frame->view()->SetPage(kPageAfterMeet);
    EXPECT_FALSE(frame->view()->listPanel().shown);
}

TEST_F(ViewPages, CloseLeavesThePageFirstAndACancelledCloseBringsItBack) {
    OpenRecordingWindow();
    view()->SetPage(kPageClasses);
    recorder.log.clear();
    // The meet cannot be saved and the operator keeps the window open.
    std::filesystem::remove_all(DataFolder());
    std::ofstream(DataFolder()) << "ikke en mappe";
    platform.answers.push_back(false);
    EXPECT_FALSE(Close());
    EXPECT_EQ(recorder.log, (std::vector<std::string>{"off 2", "on 2"}));
    EXPECT_FALSE(app->closing);
}

// The clock counts the one-second ticks only while it runs and shows
// itself on the during-the-meet page alone.
TEST_F(ViewPages, TheMeetClockCountsTicksWhileItRunsAndShowsOnPageFive) {
    OpenRecordingWindow();
    view()->ClockTimerTick();
    EXPECT_EQ(view()->meetClock().seconds, 0);
    view()->StartClock();
    view()->ClockTimerTick();
    view()->ClockTimerTick();
    EXPECT_EQ(view()->meetClock().seconds, 2);

    const UiContext& u = ui();
    const int32_t top = u.skin.logo.height + 50;
    auto yellowInClockBox = [&] {
        int n = 0;
        for (int32_t y = top; y < top + 28; ++y) {
            for (int32_t x = 0; x < 150; ++x) n += PixelAt(u.screen, x, y) == u.skin.colours.highText ? 1 : 0;
        }
        return n;
    };
    Settle();
    EXPECT_EQ(yellowInClockBox(), 0) << "page 1 shows no clock";
    view()->SetPage(kPageDuringMeet);
    EXPECT_GT(yellowInClockBox(), 20);
    EXPECT_STREQ(view()->meetClock().text, "0.02");

    view()->StopClock();
    EXPECT_FALSE(view()->meetClock().running);
    view()->ClockTimerTick();
    EXPECT_EQ(view()->meetClock().seconds, 2);
}

}  // namespace
}  // namespace kavalto

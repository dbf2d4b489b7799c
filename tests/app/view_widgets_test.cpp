// The layout items inside the real window: presses, typing and resizes reach
// them through the view as the desktop delivers them.
#include <gtest/gtest.h>

#include <QApplication>

#include "view_fixture.h"
#include "ui/widget_set.h"

namespace kavalto::test {
namespace {

constexpr int32_t kFirstField = 900;
constexpr int32_t kSecondField = 901;

void FieldsActivate(PageContext& page, bool on) {
    RecordingActivate(page, on);
    if (!on) return;
    static const LayoutItem items[] = {
        {kFirstField, kItemTextField, 10, 10, 12, 2, 1, 0, 1, 0},
        {kSecondField, kItemTextField, 10, 20, 12, 2, 1, 0, 1, 0},
    };
    LoadLayout(page.widgets, page.ui, items, 2);
}

constexpr PageFunctions kFieldsPage{.activate = FieldsActivate, .handle = RecordingHandle};

class ViewWidgets : public ViewTest {
protected:
    void OpenFieldsWindow() {
        OpenRecordingWindow();
        view()->SetPageFunctions(kPageClasses, kFieldsPage);
        view()->SetPage(kPageClasses);
        Settle();
        recorder.events.clear();
        recorder.log.clear();
    }

    WidgetSet& widgets() { return view()->pageContext().widgets; }
    QPoint CentreOf(int32_t index) {
        const Rect r = ItemRect(widgets(), ui(), index);
        return {r.x + 10, r.y + 5};
    }
    std::vector<std::pair<int32_t, int32_t>> TypesAndIds() const {
        std::vector<std::pair<int32_t, int32_t>> seen;
        for (const PageEvent& e : recorder.events) seen.push_back({e.type, e.id});
        return seen;
    }
};

TEST_F(ViewWidgets, AClickFromOneFieldIntoAnotherCommitsTheFirstThenBeginsTheSecond) {
    OpenFieldsWindow();
    Click(CentreOf(0));
    ASSERT_EQ(EditingField(widgets()), kFirstField);
    QTest::keyClicks(QApplication::focusWidget(), "Tass");
    Click(CentreOf(1));

    EXPECT_EQ(TypesAndIds(), (std::vector<std::pair<int32_t, int32_t>>{{12, 0}, {18, kFirstField}, {12, 0}}));
    EXPECT_EQ(GetText(widgets(), kFirstField), "Tass");
    EXPECT_EQ(EditingField(widgets()), kSecondField);
}

TEST_F(ViewWidgets, AResizeEndsTheEditAndPlacesEveryFieldInTheNewGrid) {
    OpenFieldsWindow();
    Click(CentreOf(1));
    QTest::keyClicks(QApplication::focusWidget(), "Luna");
    const Rect before = ItemRect(widgets(), ui(), 1);

    frame->resize(frame->width() - 120, frame->height() - 80);
    Settle();

    EXPECT_EQ(EditingField(widgets()), -1);
    EXPECT_EQ(GetText(widgets(), kSecondField), "Luna");
    ASSERT_FALSE(recorder.events.empty());
    EXPECT_EQ(recorder.events.back().type, 18);
    const Rect after = ItemRect(widgets(), ui(), 1);
    EXPECT_EQ(after.x, ui().grid.columnX[10]);
    EXPECT_EQ(after.y, ui().grid.rowY[20]);
    EXPECT_NE(after, before);
}

// What is being typed reaches the page before it is left.
TEST_F(ViewWidgets, LeavingThePageCommitsTheFieldBeingEditedFirst) {
    OpenFieldsWindow();
    Click(CentreOf(0));
    QTest::keyClicks(QApplication::focusWidget(), "Bjørn");
    view()->SetPage(kPageMeet);

    ASSERT_FALSE(recorder.events.empty());
    EXPECT_EQ(recorder.events.back().type, 18);
    EXPECT_EQ(recorder.events.back().id, kFirstField);
    ASSERT_FALSE(recorder.log.empty());
    EXPECT_EQ(recorder.log.front(), "off 2");
}

}  // namespace
}  // namespace kavalto::test

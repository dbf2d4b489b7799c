// Typing into text fields through the real edit box: its keys, filters,
// limits, commits and the moves along the tab order.
#include "widget_fixture.h"

namespace kavalto {
namespace {

using test::Ev;
using test::Item;

constexpr int32_t kText = 350;       // "Tid" as a plain text field
constexpr int32_t kNumber = 351;     // "Feil"
constexpr int32_t kTime = 352;       // "Vegr."
constexpr int32_t kLive = 346;       // "Navn"
constexpr int32_t kMultiLine = 291;  // "Melding:"

struct TextEntry : test::WidgetFixture {
    TextEntry() {
        Load({Item(kText, kItemTextField, 10, 5), Item(kNumber, kItemNumberField, 10, 10, 2),
              Item(kTime, kItemTimeField, 10, 15), Item(kLive, kItemLiveField, 30, 5),
              Item(kMultiLine, kItemMultiLineField, 30, 10, 12, 8)});
    }
    void Edit(int32_t id) {
        ClickField(id);
        Clear();
    }
};

TEST_F(TextEntry, APressOnAFieldOpensAnEditBoxExactlyOverIt) {
    SetText(set, f.ui, kText, "Rex");
    ClickField(kText);
    EXPECT_EQ(f.events, std::vector<PageEvent>{Ev(kEventEditBegun)});
    EXPECT_EQ(EditingField(set), kText);
    const Rect r = FieldRectOf(kText);
    ASSERT_NE(LineBox(), nullptr);
    EXPECT_EQ(LineBox()->geometry(), QRect(r.x, r.y + 1, r.width, r.height - 2));
    EXPECT_EQ(LineBox()->parentWidget(), &host);
    EXPECT_EQ(LineBox()->text(), QStringLiteral("Rex"));
    EXPECT_EQ(LineBox()->selectedText(), QStringLiteral("Rex"));
    EXPECT_EQ(QApplication::focusWidget(), LineBox());
}

TEST_F(TextEntry, EscapeCommitsWhatWasTypedWithoutCompletingTheEntry) {
    Edit(kText);
    Type("Fido");
    Key(Qt::Key_Escape);
    EXPECT_EQ(f.events, std::vector<PageEvent>{Ev(kEventFieldCommitted, kText)});
    EXPECT_EQ(GetText(set, kText), "Fido");
    EXPECT_EQ(QApplication::focusWidget(), &host) << "keys go back to the view";
    EXPECT_EQ(EditingField(set), -1);
    EXPECT_EQ(Box(), nullptr);
    EXPECT_EQ(VisibleBoxes(), 0);
}

TEST_F(TextEntry, EnterCommitsThenCompletesTheEntry) {
    Edit(kText);
    Type("Fido");
    Key(Qt::Key_Return);
    EXPECT_EQ(f.events, (std::vector<PageEvent>{Ev(kEventFieldCommitted, kText), Ev(kEventEntryComplete, kText)}));
    EXPECT_EQ(GetText(set, kText), "Fido");
}

TEST_F(TextEntry, AClickFromOneFieldIntoAnotherCommitsTheFirstBeforeTheSecondBegins) {
    // The field pressed comes first in the table: the commit still leads.
    Edit(kLive);
    Type("Bo");
    Clear();
    ClickField(kText);
    EXPECT_EQ(f.events, (std::vector<PageEvent>{Ev(kEventFieldCommitted, kLive), Ev(kEventEditBegun)}));
    EXPECT_EQ(GetText(set, kLive), "Bo");
    EXPECT_EQ(EditingField(set), kText);
    EXPECT_EQ(VisibleBoxes(), 1);
}

TEST_F(TextEntry, APressOutsideEveryFieldCommitsTheEdit) {
    Edit(kText);
    Type("Bo");
    Clear();
    EXPECT_FALSE(Click(700, 580));
    EXPECT_EQ(f.events, std::vector<PageEvent>{Ev(kEventFieldCommitted, kText)});
    EXPECT_EQ(GetText(set, kText), "Bo");
}

TEST_F(TextEntry, ResultLettersInNumberAndTimeFieldsReportAndKeepTheEdit) {
    const struct {
        const char* letter;
        int32_t event;
    } cases[] = {{"v", kEventRefusal}, {"V", kEventRefusal}, {"f", kEventFault},
                 {"D", kEventDisqualify}, {"i", kEventNotPresent}};
    for (const int32_t id : {kNumber, kTime}) {
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(c.letter) + " in field " + std::to_string(id));
            Edit(id);
            Type("12");
            Type(c.letter);
            EXPECT_EQ(f.events, std::vector<PageEvent>{Ev(c.event)});
            EXPECT_EQ(EditingField(set), id);
            EXPECT_EQ(LineBox()->text(), QStringLiteral("12"));
            Key(Qt::Key_Escape);
        }
    }
}

TEST_F(TextEntry, ResultLettersInAPlainFieldAreTyped) {
    Edit(kText);
    Type("vfdi");
    EXPECT_TRUE(f.events.empty());
    EXPECT_EQ(LineBox()->text(), QStringLiteral("vfdi"));
}

TEST_F(TextEntry, ATimeFieldTakesOnlyWhatSortsUpToNine) {
    Edit(kTime);
    Type("3a4:,5xå");
    EXPECT_EQ(LineBox()->text(), QStringLiteral("34,5"));
    Key(Qt::Key_Escape);
    EXPECT_EQ(GetValue(set, kTime), 3450);
}

TEST_F(TextEntry, TimeFieldsReadAndWriteHundredths) {
    const struct {
        const char* typed;
        int32_t value;
    } cases[] = {{"34,5", 3450}, {"34.05", 3405}, {"32", 3200}, {"", 0}, {" 7,25", 725}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        Edit(kTime);
        Key(Qt::Key_Delete);
        Type(c.typed);
        EXPECT_EQ(GetValue(set, kTime), c.value) << "read while editing";
        Key(Qt::Key_Return);
        EXPECT_EQ(GetValue(set, kTime), c.value);
    }
    SetText(set, f.ui, kTime, int32_t{3205});
    EXPECT_EQ(GetText(set, kTime), "32.05");
}

TEST_F(TextEntry, ANumberFieldTakesDigitsOnlyAndKeepsANegativeValueSetByThePage) {
    Edit(kNumber);
    Type("1-2a3 ");
    EXPECT_EQ(LineBox()->text(), QStringLiteral("123"));
    Key(Qt::Key_Escape);
    EXPECT_EQ(GetValue(set, kNumber), 123);

    SetText(set, f.ui, kNumber, int32_t{-5});
    Edit(kNumber);
    Key(Qt::Key_End);
    Type("0");
    Key(Qt::Key_Escape);
    EXPECT_EQ(GetValue(set, kNumber), -50);
}

TEST_F(TextEntry, PastedTextMeetsTheSameFilter) {
    QApplication::clipboard()->setText(QStringLiteral("12a"));
    Edit(kNumber);
    Key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(LineBox()->text(), QString());
    EXPECT_TRUE(f.events.empty()) << "Ctrl+V is a paste, not a refusal";
    QApplication::clipboard()->setText(QStringLiteral("45"));
    Key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(LineBox()->text(), QStringLiteral("45"));
}

TEST_F(TextEntry, NumbersAreReadLikeTheFieldShowsThem) {
    const struct {
        const char* text;
        int32_t value;
    } cases[] = {{"42", 42}, {"-17", -17}, {"  8", 8}, {"12abc", 12}, {"", 0}, {"abc", 0},
                 {"99999999999", INT32_MAX}, {"-99999999999", INT32_MIN}};
    for (const auto& c : cases) {
        SetText(set, f.ui, kNumber, c.text);
        EXPECT_EQ(GetValue(set, kNumber), c.value) << c.text;
    }
}

TEST_F(TextEntry, TypingStopsAtEachKindsLimit) {
    const struct {
        int32_t id;
        int limit;
    } cases[] = {{kText, 100}, {kNumber, 20}, {kTime, 20}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.id);
        Edit(c.id);
        Key(Qt::Key_Delete);
        Type(std::string(static_cast<size_t>(c.limit) + 5, '7').c_str());
        EXPECT_EQ(LineBox()->text().size(), c.limit);
        Key(Qt::Key_Escape);
        EXPECT_EQ(GetText(set, c.id).size(), static_cast<size_t>(c.limit));
    }
}

TEST_F(TextEntry, AMultiLineFieldStopsAtAThousandCharactersCountingEachLineBreakAsTwo) {
    Edit(kMultiLine);
    auto* box = dynamic_cast<QPlainTextEdit*>(Box());
    ASSERT_NE(box, nullptr);
    Type(std::string(996, 'a').c_str());
    Key(Qt::Key_Return);
    Type("bcd");
    EXPECT_EQ(box->toPlainText(), QString(996, u'a') + QStringLiteral("\nbc"));
    QApplication::clipboard()->setText(QStringLiteral("xyz"));
    Key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(box->toPlainText().size(), 999);
    Key(Qt::Key_Escape);
    EXPECT_EQ(GetText(set, kMultiLine), std::string(996, 'a') + "\r\nbc");
}

TEST_F(TextEntry, EnterInAMultiLineFieldStartsANewLine) {
    Edit(kMultiLine);
    Type("Hei");
    Key(Qt::Key_Return);
    Type("alle");
    EXPECT_TRUE(f.events.empty());
    EXPECT_EQ(EditingField(set), kMultiLine);
    Key(Qt::Key_Escape);
    EXPECT_EQ(GetText(set, kMultiLine), "Hei\r\nalle");
    // Put back, the lines come apart again.
    Edit(kMultiLine);
    EXPECT_EQ(dynamic_cast<QPlainTextEdit*>(Box())->toPlainText(), QStringLiteral("Hei\nalle"));
}

TEST_F(TextEntry, AProgramTextLongerThanTheTypingLimitSurvivesAnEdit) {
    const std::string longText(150, 'x');
    SetText(set, f.ui, kText, longText);
    Edit(kText);
    Key(Qt::Key_End);
    Key(Qt::Key_Escape);
    EXPECT_EQ(GetText(set, kText), longText);
    SetText(set, f.ui, kText, std::string(1200, 'y'));
    EXPECT_EQ(GetText(set, kText).size(), 1000u);
}

TEST_F(TextEntry, ALiveFieldReportsEveryKeystroke) {
    Edit(kLive);
    Type("Ab");
    EXPECT_EQ(f.events, (std::vector<PageEvent>{Ev(kEventFieldCommitted, kLive), Ev(kEventFieldCommitted, kLive)}));
    EXPECT_EQ(GetText(set, kLive), "Ab");
    EXPECT_EQ(EditingField(set), kLive);
    Clear();
    QTest::keyClick(Box(), Qt::Key_Shift);
    EXPECT_TRUE(f.events.empty()) << "a modifier alone is no keystroke";
    Type("c");
    EXPECT_EQ(GetText(set, kLive), "Abc");
}

TEST_F(TextEntry, KeysTheEditBoxDoesNotUseStayWithIt) {
    Edit(kText);
    Key(Qt::Key_Down);
    Key(Qt::Key_Up);
    Key(Qt::Key_Escape);
    EXPECT_TRUE(host.keys.empty());
}

TEST_F(TextEntry, LosingTheFocusKeepsTheEditAndWhatWasTyped) {
    Edit(kText);
    Type("Luna");
    host.setFocus();
    EXPECT_EQ(EditingField(set), kText);
    EXPECT_EQ(GetText(set, kText), "Luna");
    EndAllEdits(set, f.ui);
    EXPECT_EQ(f.events, std::vector<PageEvent>{Ev(kEventFieldCommitted, kText)});
    EXPECT_EQ(GetText(set, kText), "Luna");
}

TEST_F(TextEntry, ThePageCanStartAnEditWithTheCaretAfterItsText) {
    Edit(kText);
    Clear();
    BeginEdit(set, f.ui, kLive, "s");
    EXPECT_EQ(f.events, (std::vector<PageEvent>{Ev(kEventFieldCommitted, kText), Ev(kEventEditBegun)}));
    Type("ok");
    EXPECT_EQ(GetText(set, kLive), "sok");
}

TEST_F(TextEntry, SettingTheTextOfTheFieldBeingEditedReachesTheEditBox) {
    Edit(kText);
    SetText(set, f.ui, kText, "Ny");
    EXPECT_EQ(LineBox()->text(), QStringLiteral("Ny"));
    Key(Qt::Key_Return);
    EXPECT_EQ(GetText(set, kText), "Ny");
}

TEST_F(TextEntry, DisablingOrHidingTheFieldBeingEditedCommitsIt) {
    for (const bool hide : {false, true}) {
        Edit(kText);
        Type("Kira");
        Clear();
        if (hide) {
            SetVisible(set, f.ui, kText, false);
        } else {
            SetEnabled(set, f.ui, kText, false);
        }
        EXPECT_EQ(f.events, std::vector<PageEvent>{Ev(kEventFieldCommitted, kText)});
        EXPECT_EQ(GetText(set, kText), "Kira");
        EXPECT_EQ(VisibleBoxes(), 0);
        SetVisible(set, f.ui, kText, true);
        SetEnabled(set, f.ui, kText, true);
        ClearText(set, f.ui, kText);
    }
}

TEST_F(TextEntry, ADisabledFieldCannotBeEntered) {
    SetEnabled(set, f.ui, kText, false);
    const Rect r = FieldRectOf(kText);
    EXPECT_EQ(MoveTo(r.x + 3, r.y + 3), WidgetCursor::NotClaimed);
    ClickField(kText);
    EXPECT_TRUE(f.events.empty());
    EXPECT_EQ(Box(), nullptr);
}

TEST_F(TextEntry, AResizeCommitsTheEditAndReplacesTheFields) {
    Edit(kText);
    Type("Rask");
    Clear();
    const Rect before = FieldRectOf(kText);
    f.Resize(1000, 700);
    RelayoutWidgets(set, f.ui);
    EXPECT_EQ(f.events, std::vector<PageEvent>{Ev(kEventFieldCommitted, kText)});
    EXPECT_EQ(GetText(set, kText), "Rask");
    EXPECT_EQ(VisibleBoxes(), 0);
    const Rect after = FieldRectOf(kText);
    EXPECT_EQ(after.x, f.ui.grid.columnX[10]);
    EXPECT_EQ(after.y, f.ui.grid.rowY[5]);
    EXPECT_NE(after, before);
    ClickField(kText);
    EXPECT_EQ(LineBox()->geometry().topLeft(), QPoint(after.x, after.y + 1));
}

TEST_F(TextEntry, LoadingAnotherTableClosesAnOpenEditBoxQuietly) {
    Edit(kText);
    Type("x");
    Clear();
    Load({Item(kTime, kItemTimeField, 4, 4)});
    EXPECT_TRUE(f.events.empty());
    EXPECT_EQ(EditingField(set), -1);
    EXPECT_EQ(VisibleBoxes(), 0);
}

// --- Tab order -------------------------------------------------------------

constexpr int32_t kStandardTime = 343;
constexpr int32_t kCourseLength = 344;

struct TabOrder : test::WidgetFixture {
    // Fields a..e; b is out of the tab order, d hidden, e disabled.
    TabOrder() {
        Load({Item(1, kItemTextField, 10, 2), Item(2, kItemTextField, 10, 6), Item(3, kItemTextField, 10, 10),
              Item(4, kItemTextField, 10, 14), Item(5, kItemTextField, 10, 18),
              Item(kStandardTime, kItemTimeField, 30, 2), Item(kCourseLength, kItemNumberField, 30, 6, 2)});
        Field(2).inTabOrder = 0;
        Field(kStandardTime).inTabOrder = 0;
        SetVisible(set, f.ui, 4, false);
        SetEnabled(set, f.ui, 5, false);
    }
    int32_t TabFrom(int32_t id, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        BeginEdit(set, f.ui, id, nullptr);
        Clear();
        Key(Qt::Key_Tab, modifiers);
        return EditingField(set);
    }
};

TEST_F(TabOrder, TabGoesToTheNextFieldThatCanBeEnteredAndWraps) {
    EXPECT_EQ(TabFrom(1), 3);
    EXPECT_EQ(f.events, (std::vector<PageEvent>{Ev(kEventFieldCommitted, 1), Ev(kEventEditBegun)}));
    EXPECT_EQ(TabFrom(3), kCourseLength);
    EXPECT_EQ(TabFrom(kStandardTime), kCourseLength);
    EXPECT_EQ(TabFrom(1, Qt::ShiftModifier), kCourseLength);
    EXPECT_EQ(TabFrom(3, Qt::ShiftModifier), 1);
    BeginEdit(set, f.ui, 3, nullptr);
    Key(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(EditingField(set), 1);
}

TEST_F(TabOrder, TheCourseLengthAlwaysLeadsToTheStandardTime) {
    EXPECT_EQ(TabFrom(kCourseLength), kStandardTime);
    EXPECT_EQ(TabFrom(kCourseLength, Qt::ShiftModifier), kStandardTime);
}

TEST_F(TabOrder, ALoneFieldStaysCommitted) {
    Load({Item(1, kItemTextField, 10, 2)});
    EXPECT_EQ(TabFrom(1), -1);
    EXPECT_EQ(f.events, std::vector<PageEvent>{Ev(kEventFieldCommitted, 1)});
}

TEST_F(TabOrder, TabCompletesWhereTheFieldSaysSo) {
    Field(1).tabCompletes = 1;
    EXPECT_EQ(TabFrom(1), -1);
    EXPECT_EQ(f.events, (std::vector<PageEvent>{Ev(kEventFieldCommitted, 1), Ev(kEventEntryComplete, 1)}));
}

TEST_F(TabOrder, EnterAdvancesWhereTheFieldSaysSo) {
    Field(3).enterAdvances = 1;
    BeginEdit(set, f.ui, 3, nullptr);
    Clear();
    Key(Qt::Key_Return);
    EXPECT_EQ(f.events, (std::vector<PageEvent>{Ev(kEventFieldCommitted, 3), Ev(kEventEditBegun)}));
    EXPECT_EQ(EditingField(set), kCourseLength);
    BeginEdit(set, f.ui, 3, nullptr);
    Key(Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(EditingField(set), 1);
}

// A page that answers the commit by loading another table: the edit box
// and the field left behind are not touched again.
TEST_F(TabOrder, APageThatLoadsAnotherTableOnTheCommitEndsTheMove) {
    const LayoutItem next[] = {Item(9, kItemTextField, 5, 5)};
    f.ui.hooks.send = [&](const PageEvent& e) {
        f.events.push_back(e);
        if (e.type == kEventFieldCommitted) LoadLayout(set, f.ui, next, 1);
    };
    BeginEdit(set, f.ui, 1, nullptr);
    Clear();
    Key(Qt::Key_Tab);
    EXPECT_EQ(f.events, std::vector<PageEvent>{Ev(kEventFieldCommitted, 1)});
    EXPECT_EQ(EditingField(set), -1);
    EXPECT_EQ(VisibleBoxes(), 0);
}

}  // namespace
}  // namespace kavalto

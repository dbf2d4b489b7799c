#include <gtest/gtest.h>

#include <string>

#include "app/cp1252.h"
#include "app/text_tables.h"
#include "meet/meet_state.h"
#include "meet/text_field.h"

namespace kavalto {
namespace {

std::string Utf8(const char* cp1252) { return Cp1252ToUtf8(cp1252); }

class TextTables : public ::testing::Test {
protected:
    void SetUp() override { SetInitialMeet(meet); }
    MeetState meet;
};

TEST_F(TextTables, EachLookupSearchesItsOwnTables) {
    struct Row {
        const char* (*lookup)(MeetState&, TextId);
        TextId id;
        const char* text;
    };
    const Row rows[] = {
        {LookupButtonText, 4006, "Under Stevnet"},
        {LookupLabelText, 4006, ""},
        {LookupButtonText, 4095, "Klokke"},  // first of two rows with the id
        {LookupButtonText, 4043, ""},
        {LookupButtonText, 4175, "Anvendt tid over en maks tid skal føre til disk. "},
        {LookupLabelText, 354, "DISK"},
        {LookupLabelText, 356, "I.M."},
        {LookupLabelText, 335, "1."},
        {LookupLabelText, 338, "4."},
        {LookupLabelText, 256, "(Sponsor banner er ikke importert)"},
        {LookupListText, 4412, "OK"},
        {LookupButtonText, 4412, ""},
        {LookupListText, 558, "Generere ny tilfeldig start rekkefølge. Er du sikker?"},
        {LookupListText, 412, "Hopp Small 1"},
        {LookupListText, 438, "Lag Large"},
        {LookupListText, 439, ""},
        {LookupListText, 354, ""},
        {LookupListText, 99999, ""},
    };
    for (const Row& row : rows) EXPECT_EQ(Utf8(row.lookup(meet, row.id)), row.text) << row.id;
}

TEST_F(TextTables, RuntimeLabelsAreFoundByButtonsAndLabelsButNotLists) {
    SetRuntimeLabel(meet, 705, Utf8ToCp1252("Utskrift: 3 av 12"));
    EXPECT_EQ(Utf8(LookupLabelText(meet, 705)), "Utskrift: 3 av 12");
    EXPECT_EQ(Utf8(LookupButtonText(meet, 705)), "Utskrift: 3 av 12");
    EXPECT_EQ(Utf8(LookupListText(meet, 705)), "");
    SetRuntimeLabel(meet, 701, std::string(80, 'x'));
    EXPECT_EQ(std::string(LookupLabelText(meet, 701)), std::string(54, 'x'));
}

TEST_F(TextTables, JudgesListComesFromTheMeet) {
    CopyText(meet.texts.judges[0], "Kari Dommer");
    CopyText(meet.texts.judges[9], "Ola Dommer");
    EXPECT_STREQ(LookupListText(meet, 401), "Kari Dommer");
    EXPECT_STREQ(LookupListText(meet, 410), "Ola Dommer");
    EXPECT_STREQ(LookupListText(meet, 405), "");
}

TEST_F(TextTables, ALookupOverwritesTheResultOfTheOneBefore) {
    const char* first = LookupButtonText(meet, 4006);
    const char* second = LookupButtonText(meet, 4007);
    EXPECT_EQ(first, second);
    EXPECT_STREQ(first, "Etter Stevnet");
}

TEST_F(TextTables, LabelIdsAreThoseOfTableB) {
    EXPECT_TRUE(IsLabelTextId(239));
    EXPECT_TRUE(IsLabelTextId(354));
    EXPECT_FALSE(IsLabelTextId(4006));
    EXPECT_FALSE(IsLabelTextId(335));
}

TEST(Cp1252, RoundTripsNorwegianAndSpecialCharacters) {
    const std::string utf8 = "Ærlig Øyvind på Åsen – €5 «sjø» ß";
    const std::string cp1252 = Utf8ToCp1252(utf8);
    EXPECT_EQ(cp1252.size(), 33u);
    EXPECT_EQ(static_cast<unsigned char>(cp1252[0]), 0xC6);
    EXPECT_EQ(Cp1252ToUtf8(cp1252), utf8);
    for (int b = 0; b < 256; ++b) {
        const std::string byte(1, static_cast<char>(b));
        EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(byte)), byte) << b;
    }
}

TEST(Cp1252, UnmappableAndMalformedInputBecomesQuestionMarks) {
    EXPECT_EQ(Utf8ToCp1252("a\xE2\x82"), "a??");        // cut-off sequence: each byte
    EXPECT_EQ(Utf8ToCp1252("\xFF\xFEx"), "??x");        // not UTF-8
    EXPECT_EQ(Utf8ToCp1252("\xE4\xB8\xAD"), "?");       // a character outside the code page
    EXPECT_EQ(Utf8ToCp1252("\xF0\x9F\x90\x95!"), "?!");  // a dog, outside too
}

}  // namespace
}  // namespace kavalto

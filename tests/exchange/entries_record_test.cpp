// Reading records of the entries file field by field.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "exchange/entries_record.h"
#include "entries_file.h"

namespace kavalto::test {
namespace {

std::vector<EntriesRecord> ReadAll(const std::string& text) {
    const std::vector<uint8_t> bytes = Bytes(text);
    EntriesReader reader(bytes);
    std::vector<EntriesRecord> records;
    EntriesRecord record;
    while (reader.Next(record)) records.push_back(record);
    return records;
}

TEST(EntriesReader, AHeaderWithoutRecordsGivesNone) {
    EXPECT_TRUE(ReadAll("").empty());
    EXPECT_TRUE(ReadAll("no line feed at all\t1\t2").empty());
    EXPECT_TRUE(ReadAll(kEntriesHeader).empty());
}

TEST(EntriesReader, FieldsEndAtTabLineFeedOrBarAndZeroBytesAreDropped) {
    std::string text = "header\n";
    text += "a|b\tc";
    text += std::string("d\0e", 3);
    text += "\t";
    for (int k = 4; k <= 24; ++k) text += std::to_string(k) + "|";
    text += "\n";
    const std::vector<EntriesRecord> records = ReadAll(text);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].fields[0], "a");
    EXPECT_EQ(records[0].fields[1], "b");
    EXPECT_EQ(records[0].fields[2], "cde");
    EXPECT_EQ(records[0].fields[23], "24");
}

TEST(EntriesReader, ALineFeedEndsAFieldNotTheRecord) {
    // Each record is 24 fields whatever lines they lie on; the character
    // after the 24th terminator is dropped.
    std::string text = "header\n";
    for (int k = 1; k <= 12; ++k) text += std::to_string(k) + "\t";
    text += "\n";  // field 13 empty
    for (int k = 14; k <= 24; ++k) text += std::to_string(k) + "\t";
    text += "X2\t";  // "X" dropped after the 24th field
    const std::vector<EntriesRecord> records = ReadAll(text);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].fields[11], "12");
    EXPECT_EQ(records[0].fields[12], "");
    EXPECT_EQ(records[0].fields[23], "24");
    EXPECT_EQ(records[1].fields[0], "2");
}

TEST(EntriesReader, TheLastRecordNeedsNoLineEnd) {
    for (const std::string& last : {std::string("1\t2\t3"), std::string("1\t2\t3\t"), "1\t2\t3" + std::string(21, '\t')}) {
        const std::vector<EntriesRecord> records = ReadAll(kEntriesHeader + last);
        ASSERT_EQ(records.size(), 1u) << last;
        EXPECT_EQ(records[0].fields[0], "1");
        EXPECT_EQ(records[0].fields[2], "3");
        EXPECT_EQ(records[0].fields[3], "");
    }
}

TEST(EntriesReader, LongFieldsAreCutTo99AndTheRestIsDropped) {
    const std::string longText(250, 'x');
    const std::vector<EntriesRecord> records =
        ReadAll(kEntriesHeader + EntriesLine({{1, longText}, {2, "next"}, {24, longText}}));
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].fields[0], std::string(99, 'x'));
    EXPECT_EQ(records[0].fields[1], "next");
    EXPECT_EQ(records[0].fields[23], std::string(99, 'x'));
}

TEST(EntriesReader, NumbersAreReadLikeTheClubWritesThem) {
    const struct {
        const char* text;
        int32_t value;
    } cases[] = {
        {"8001", 8001},          {"-1", -1},   {"+7", 7},           {"  12", 12},          {"12abc", 12},
        {"abc", 0},              {"", 0},      {"-", 0},            {"2147483647", INT32_MAX},
        {"99999999999999999999999999999999999", INT32_MAX}, {"-99999999999999999999", INT32_MIN},
    };
    for (const auto& c : cases) EXPECT_EQ(ParseEntriesNumber(c.text), c.value) << c.text;
}

}  // namespace
}  // namespace kavalto::test

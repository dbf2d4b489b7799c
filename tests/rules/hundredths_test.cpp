#include "rules/hundredths.h"

#include <gtest/gtest.h>

#include <climits>
#include <memory>

namespace kavalto {
namespace {

TEST(FormatHundredths, WritesSecondsPointAndTwoDigits) {
    const struct {
        int32_t value;
        const char* text;
    } cases[] = {
        {3205, "32.05"}, {305, "3.05"}, {700, "7.00"}, {7, "0.07"}, {0, "0.00"},
        {INT32_MAX, "21474836.47"},
        // Negative values keep C's "%d.%02d" of v / 100 and v % 100.
        {-5, "0.-5"}, {-305, "-3.-5"}, {-1200, "-12.00"}, {INT32_MIN, "-21474836.-48"},
    };
    for (const auto& c : cases) EXPECT_EQ(FormatHundredths(c.value), c.text) << c.value;
}

TEST(ParseHundredths, ReadsSecondsAndUpToTwoDecimals) {
    const struct {
        const char* text;
        int32_t value;
    } cases[] = {
        {"35", 3500}, {"35,5", 3550}, {"35.57", 3557}, {"35.579", 3557}, {".5", 50}, {",05", 5},
        {"", 0}, {"3,05", 305}, {"35.", 3500}, {"0.07", 7},
        // Texts with other characters.
        {"  35.5\t", 3550}, {"12a", 1200}, {"abc", 0}, {"-5", 0}, {"1 2", 100}, {"35.5x", 3550},
        {"35.x5", 3500}, {"35..5", 3500},
        // Whole seconds are held below the 32-bit limit.
        {"21474835.99", 2147483599}, {"99999999999", 2147483500}, {"99999999999999999999.99", 2147483599},
    };
    for (const auto& c : cases) EXPECT_EQ(ParseHundredths(c.text), c.value) << '"' << c.text << '"';
}

TEST(ParseHundredths, StopsAtTheEndOfTheText) {
    // No terminator after the four characters: the sanitizer sees any read past them.
    const std::unique_ptr<char[]> text(new char[4]{'1', '2', '.', '3'});
    EXPECT_EQ(ParseHundredths(std::string_view(text.get(), 4)), 1230);
    EXPECT_EQ(ParseHundredths(std::string_view(text.get(), 3)), 1200);
}

}  // namespace
}  // namespace kavalto

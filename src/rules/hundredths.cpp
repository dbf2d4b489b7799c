#include "rules/hundredths.h"

#include <cstdio>

namespace kavalto {

std::string FormatHundredths(int32_t value) {
    char text[32];
    std::snprintf(text, sizeof text, "%d.%02d", value / 100, value % 100);
    return text;
}

// The time fields and the club export pass plain numbers or empty texts, but
// an operator can type anything. The rules for such texts:
// - blanks (space, tab) before and after the number are ignored;
// - the whole seconds are the digits up to the first character that is not
//   a digit; when that character is "." or "," one or two further digits
//   give tenths and hundredths, and everything after them is ignored;
// - any other character ends the number there: "12a" gives 1200, "abc" and
//   "-5" give 0, "1 2" gives 100;
// - whole seconds above 21474835 are held at that value, so the answer
//   always fits in 32 bits.
int32_t ParseHundredths(std::string_view text) {
    constexpr int32_t kMaxSeconds = (INT32_MAX - 99) / 100;
    auto isBlank = [](char c) { return c == ' ' || c == '\t'; };
    auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);

    size_t i = 0;
    int32_t seconds = 0;
    for (; i < text.size() && isDigit(text[i]); ++i) {
        const int32_t digit = text[i] - '0';
        seconds = seconds > (kMaxSeconds - digit) / 10 ? kMaxSeconds : seconds * 10 + digit;
    }
    int32_t fraction = 0;
    if (i < text.size() && (text[i] == '.' || text[i] == ',')) {
        ++i;
        if (i < text.size() && isDigit(text[i])) {
            fraction = 10 * (text[i] - '0');
            ++i;
            if (i < text.size() && isDigit(text[i])) fraction += text[i] - '0';
        }
    }
    return seconds * 100 + fraction;
}

}  // namespace kavalto

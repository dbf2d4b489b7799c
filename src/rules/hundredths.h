// Times and faults in hundredths, to and from text ("32.05").
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace kavalto {

// v / 100, a full stop and v % 100 as two digits, as C's "%d.%02d" writes
// them (a negative value gives "-3.-5" for -305; no stored time is negative).
std::string FormatHundredths(int32_t value);

// Whole seconds, then "." or "," and at most two digits of tenths and
// hundredths; see hundredths.cpp for texts with other characters.
int32_t ParseHundredths(std::string_view text);

}  // namespace kavalto

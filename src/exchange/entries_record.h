// Reading the club's entries file (code page 1252): a header line, then
// records of 24 fields. A field ends at a TAB, a line feed or "|"; after the
// 24th field one more character (the line end) is read and dropped. Records
// are read field by field, not line by line, as the club's files expect.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace kavalto {

inline constexpr int kEntriesFieldCount = 24;
inline constexpr size_t kEntriesFieldLength = 99;  // what a record text field holds

struct EntriesRecord {
    // Field k of the file (1..24) is fields[k - 1]; each at most 99 bytes.
    std::array<std::string, kEntriesFieldCount> fields;
};

class EntriesReader {
public:
    // Skips the header: everything up to and including the first line feed.
    explicit EntriesReader(std::span<const uint8_t> bytes);

    // The next record; false at the end of the file. Zero bytes are dropped,
    // longer fields are cut to 99 bytes (the rest is read and dropped), and
    // fields missing at the end of the file are empty.
    bool Next(EntriesRecord& record);

private:
    std::span<const uint8_t> bytes_;
    size_t position_ = 0;
};

// A decimal integer: leading blanks, an optional sign, digits up to the
// first other character (none: 0). Held within 32 bits when too long.
int32_t ParseEntriesNumber(std::string_view text);

}  // namespace kavalto

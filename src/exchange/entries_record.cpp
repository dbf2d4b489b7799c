#include "exchange/entries_record.h"

#include <algorithm>

namespace kavalto {

EntriesReader::EntriesReader(std::span<const uint8_t> bytes) : bytes_(bytes) {
    const auto lineFeed = std::find(bytes_.begin(), bytes_.end(), uint8_t{'\n'});
    position_ = lineFeed == bytes_.end() ? bytes_.size() : static_cast<size_t>(lineFeed - bytes_.begin()) + 1;
}

bool EntriesReader::Next(EntriesRecord& record) {
    if (position_ >= bytes_.size()) return false;
    for (std::string& field : record.fields) {
        field.clear();
        while (position_ < bytes_.size()) {
            const char c = static_cast<char>(bytes_[position_++]);
            if (c == '\t' || c == '\n' || c == '|') break;
            if (c != '\0' && field.size() < kEntriesFieldLength) field.push_back(c);
        }
    }
    if (position_ < bytes_.size()) ++position_;
    return true;
}

int32_t ParseEntriesNumber(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    constexpr int64_t kLimit = int64_t{INT32_MAX} + 1;
    int64_t value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = std::min(kLimit, value * 10 + (text[i] - '0'));
    }
    if (negative) return static_cast<int32_t>(-value);
    return static_cast<int32_t>(std::min<int64_t>(value, INT32_MAX));
}

}  // namespace kavalto

// Bounded copies into the fixed-length text fields of the records.
#pragma once

#include <cstddef>
#include <cstring>
#include <string_view>

namespace kavalto {

// Copies at most N-1 bytes and always terminates.
template <std::size_t N>
void CopyText(char (&field)[N], std::string_view text) {
    const std::size_t n = text.size() < N - 1 ? text.size() : N - 1;
    if (n != 0) std::memcpy(field, text.data(), n);
    field[n] = '\0';
}

// The text of a field up to its terminator, never past the field's end.
template <std::size_t N>
std::string_view FieldText(const char (&field)[N]) {
    return std::string_view(field, strnlen(field, N));
}

}  // namespace kavalto

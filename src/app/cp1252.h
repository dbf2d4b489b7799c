// Record texts are code page 1252; everything outside the records (drawing,
// typing, files of other tools, the command line) is UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace kavalto {

std::string Cp1252ToUtf8(std::string_view text);
// Characters code page 1252 cannot hold become '?'; malformed UTF-8 bytes too.
std::string Utf8ToCp1252(std::string_view text);

}  // namespace kavalto

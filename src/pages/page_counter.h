// The "(3 av 12)" counter of the equipage and team pages: which record of
// how many is shown.
#pragma once

#include <cstdint>
#include <string>

namespace kavalto {

struct PageContext;

// "(current + 1 av count)"; "(0 av 0)" when there are none.
std::string RecordCounterText(PageContext& page, int32_t current, int32_t count);
// Bold in the normal font size and the obs text colour at grid row 1.
void DrawRecordCounter(PageContext& page, int32_t current, int32_t count, int32_t column);

}  // namespace kavalto

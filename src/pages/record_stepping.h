// The Up and Down keys of the equipage and team pages: the previous or next
// record, without wrapping.
#pragma once

#include <cstdint>

namespace kavalto {

// The index one record up (Qt::Key_Up) or down (Qt::Key_Down) from current
// among count records; current itself when there is none that way or the
// key is another.
int32_t SteppedRecord(int32_t current, int32_t count, int32_t key);

}  // namespace kavalto

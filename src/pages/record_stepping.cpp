#include "pages/record_stepping.h"

#include <Qt>

namespace kavalto {

int32_t SteppedRecord(int32_t current, int32_t count, int32_t key) {
    if (key == Qt::Key_Down && current + 1 < count) return current + 1;
    if (key == Qt::Key_Up && current > 0 && current - 1 < count) return current - 1;
    return current;
}

}  // namespace kavalto

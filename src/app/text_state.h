// The run-time part of the text tables: the lookup result buffer, the
// labels the pages set (table D) and the judges list of the current run.
#pragma once

#include <cstdint>

namespace kavalto {

using TextId = int32_t;

struct RuntimeLabel {
    TextId id;
    char text[56];               // at most 55 characters
};

struct TextState {
    char result[100] = {};       // every lookup copies its text here
    RuntimeLabel labels[4] = {{701, {}}, {703, {}}, {704, {}}, {705, {}}};
    char judges[10][100] = {};   // ids 401..410
};

}  // namespace kavalto

// The built-in texts looked up by TextId. Every lookup copies its text
// (code page 1252, at most 99 characters) into the meet's one result buffer
// and returns it: the text is valid only until the next lookup.
#pragma once

#include <string_view>

#include "app/text_state.h"

namespace kavalto {

struct MeetState;

// Table A, then the run-time labels; the first row with the id wins.
const char* LookupButtonText(MeetState& meet, TextId id);
// 335..338 give "1." to "4."; otherwise table B, then the run-time labels.
const char* LookupLabelText(MeetState& meet, TextId id);
// 412..438 the class long names, 401..410 the judges list, otherwise table C.
const char* LookupListText(MeetState& meet, TextId id);

// True when table B holds the id (such a widget shows a label).
bool IsLabelTextId(TextId id);

// Writes a run-time label (701, 703, 704, 705); the text is cut to 54 bytes.
void SetRuntimeLabel(MeetState& meet, TextId id, std::string_view cp1252Text);

}  // namespace kavalto

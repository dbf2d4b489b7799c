// The frame every printed page starts with: the meet header, the sponsor's
// text or banner, the title, and the footer with page numbers or the
// judge's signature lines.
#pragma once

#include <string_view>

#include "meet/meet_state.h"
#include "printing/print_engine.h"

namespace kavalto {

// Starts a page; afterwards the current line is the line below the title.
void BeginPageFrame(MeetState& meet, PrintEngine& engine, std::string_view title);

}  // namespace kavalto

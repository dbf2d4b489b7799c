// Print items into a PDF file: the counting pass, every page into a new
// document, and the document written safely over the file.
#pragma once

#include <span>
#include <string>

#include "meet/meet_state.h"
#include "printing/print_engine.h"
#include "printing/print_item.h"

namespace kavalto {

inline constexpr const char* kTextPdfSaveFailed = "PDF lagringsfeil";

// Counts the pages of the items and writes all of them, or the current one,
// to path. On failure the operator is told "PDF lagringsfeil" once, here,
// and a file already at path is left as it was.
bool WriteItemsPdf(MeetState& meet, PrintEngine& engine, const std::string& path, bool all, int current,
                   std::span<PrintItem> items);

}  // namespace kavalto

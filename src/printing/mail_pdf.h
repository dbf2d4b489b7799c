// The results PDF that the e-mail sends to one equipage or one team.
#pragma once

#include <cstdint>
#include <string>

#include "meet/meet_state.h"
#include "printing/print_engine.h"

namespace kavalto {

enum MailPdfKind : int {
    kMailPdfEquipage = 6,
    kMailPdfTeam = 7,
};

inline constexpr const char* kMailPdfName = "mail.pdf";

// "mail.pdf" in the data folder.
std::string MailPdfPath(const std::string& dataFolder);

// Writes the equipage's (or team's) judge sheets and the first page of the
// results lists of its classes, in each run, then the combined results (a
// double meet) or the statistics page (a single meet, equipage only), to
// path. A PDF that cannot be made or saved is reported once, here, as "PDF
// lagringsfeil"; the caller must not report it again. An index outside the
// arrays writes nothing and answers false without a message.
bool BuildMailPdf(MeetState& meet, PrintEngine& engine, int kind, int32_t index, const std::string& path);

}  // namespace kavalto

// The club's entries file (".vhx") read into the meet: "Åpne VHX
// Påmeldinger" replaces the equipages, teams and classes by the file's
// content; "Oppdater VHX Påmeldinger" adds only what is new (new dogs, new
// classes of known dogs, new teams).
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "meet/meet_state.h"

namespace kavalto {

enum class EntriesMode { kOpen, kUpdate };

enum class EntriesImport {
    kImported,    // the whole file was read
    kCannotOpen,  // no message: the caller decides
    kRefused,     // "Feil stevne ID" or "Feil filformat" was shown
};

// Sets currentRun to 0 first. A refused first record leaves the meet as it
// was; a record of another meet further on ("Feil filformat") keeps the
// records before it.
EntriesImport ImportEntries(MeetState& meet, const std::string& path, EntriesMode mode);
EntriesImport ImportEntriesBytes(MeetState& meet, std::span<const uint8_t> bytes, EntriesMode mode);

}  // namespace kavalto

// The meet file: magic, version, MeetInfo, the class table, the equipages,
// the teams and an optional sponsor banner, each as it lies in memory. The
// writer writes version 28; the reader takes versions 22 and later.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "meet/meet_state.h"

namespace kavalto {

inline constexpr int32_t kMeetFileVersion = 28;
inline constexpr int32_t kOldestMeetFileVersion = 22;
inline constexpr char kMeetFileMagic[] = "VHX Kavalto Stevne Format";
inline constexpr const char* kAutosaveName = "Current.agi";

enum class LoadFailure {
    kNone,
    kCannotOpen,   // no message: the caller decides
    kWrongMagic,   // no message
    kTooOld,       // "For gammelt format. Kontakt VHX"
    kDamaged,      // truncated or inconsistent; a message was shown
    kOutOfMemory,  // "Out of memory" (once per program run)
};

struct LoadResult {
    bool ok = false;
    int32_t version = 0;         // the version read from the file
    LoadFailure failure = LoadFailure::kNone;
    explicit operator bool() const { return ok; }
};

// The bytes of the meet as the current version writes them.
std::vector<uint8_t> SerializeMeet(const MeetState& meet);

// Reads a meet from bytes, converting older versions. On any failure the
// meet is left exactly as it was.
LoadResult LoadMeetBytes(MeetState& meet, std::span<const uint8_t> bytes);

LoadResult LoadMeetFile(MeetState& meet, const std::string& path);

// Writes the meet safely (temporary file, flush, sync, rename). False, with
// a message to the operator, when the file cannot be written; the previous
// file is then intact.
bool SaveMeetFile(MeetState& meet, const std::string& path);
// The same, keeping the file it replaces as keepPrevious (empty: no copy).
bool WriteMeetFile(MeetState& meet, const std::string& path, const std::string& keepPrevious);

std::string AutosavePath(const std::string& dataFolder);
// Saves "Current.agi" in the data folder; the previous good autosave is kept
// beside it as "Current.agi.bak".
bool SaveAutosave(MeetState& meet, const std::string& dataFolder);

enum class AutosaveStart {
    kLoaded,
    kMissing,          // no autosave: the meet is reset
    kSetAside,         // unreadable, renamed aside: the meet is reset
    kRestoredBackup,   // unreadable, renamed aside: "Current.agi.bak" was loaded
    kUnreadable,       // unreadable and could not be renamed: the meet is reset
};
// Start-up: loads "Current.agi"; when it cannot be read it is renamed aside
// ("Current-ulesbar-YYYYMMDD-HHMMSS.agi") so the next autosave never
// overwrites it, and the previous good autosave is loaded when it can be,
// else the meet is reset. The operator is told once what happened.
AutosaveStart LoadAutosaveAtStart(MeetState& meet, const std::string& dataFolder, std::string* setAsidePath = nullptr);

}  // namespace kavalto

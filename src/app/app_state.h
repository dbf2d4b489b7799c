// What the application object owns from start to exit: the meet, the
// preferences, the folders and the lifecycle flags.
#pragma once

#include <string>

#include "app/links.h"
#include "app/preferences.h"
#include "meet/meet_state.h"

namespace kavalto {

class Platform;

struct AppState {
    MeetState meet;
    Preferences prefs;
    Links links;
    std::string programFolder;  // holds the user guide
    std::string dataFolder;     // holds "Current.agi"
    int screenWidth = 0;        // the primary screen at start
    int screenHeight = 0;
    bool windowReady = false;   // the view ignores paint and input until set
    bool closing = false;       // set when the main window begins to close
    // Set once the autosave has been read into the meet (or found missing).
    // Until then the meet in memory is not the operator's, and closing must
    // not write it over "Current.agi".
    bool meetRestored = false;
    Platform* platform = nullptr;
};

}  // namespace kavalto

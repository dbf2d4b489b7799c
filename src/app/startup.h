// The program's start before the main window exists, and its exit after
// the window is gone. CKavaltoApp runs them around the main window; tests
// run them against their own folders and settings.
#pragma once

#include <QStringList>

#include "app/app_state.h"

namespace kavalto {

class Platform;

// "-r" alone on the command line: start with the default preferences.
bool StartsWithDefaults(const QStringList& arguments);

// Folders, screen size, defaults, the initial meet, the preferences (unless
// "-r"), and the window placement fitted to the screen. The meet itself is
// read from the autosave at the view's first paint.
void StartApp(AppState& app, Platform& platform, const QStringList& arguments);

// Frees the meet and writes the preferences, "FirstTimeRunning" now 0.
void ExitApp(AppState& app);

}  // namespace kavalto

// The settings that outlive a run of the program: window placement,
// big-screen size, print-preview mode, e-mail sender and text, and the
// folders of the open and save dialogs. Read once at start, written once
// at exit, through one routine for both directions.
#pragma once

#include <cstdint>
#include <string>

class QSettings;

namespace kavalto {

struct WindowPlacement {
    int32_t left = 0;
    int32_t top = 0;
    int32_t width = 1024;
    int32_t height = 768;
    int32_t maximized = 0;
};

struct Preferences {
    int32_t firstTimeRunning = 1;
    int32_t printPreviewAsWidth = 1;
    std::string mailName;     // UTF-8, at most 99 characters
    std::string mailAddress;  // at most 99
    std::string mailSubject;  // at most 99
    std::string mailText;     // at most 999
    std::string inputPath;    // the open dialog's last file, at most 259
    std::string outputPath;   // the save dialog's last file, at most 259
    int32_t bigScreenWidth = 800;
    int32_t bigScreenHeight = 600;
    WindowPlacement window;
};

enum class PreferenceDirection { kRead, kWrite };

// Reads or writes the values in their fixed order. Nothing but
// "FirstTimeRunning" is touched while that flag is 1. A text of 519
// characters or more is neither read nor written; a stored text longer
// than its setting is cut to fit. Values that cannot be read keep what
// the setting held.
void ExchangePreferences(QSettings& settings, Preferences& prefs, PreferenceDirection direction);

// The same on the user's own settings (organisation "VHX Kavalto",
// application "Kavalto").
void ReadPreferences(Preferences& prefs);
void WritePreferences(Preferences& prefs);

}  // namespace kavalto

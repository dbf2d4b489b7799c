// The program's name and version, and where its preferences live.
#pragma once

namespace kavalto {

inline constexpr const char* kProgramTitle = "Kavalto";  // window title, message box caption
inline constexpr const char* kVersionText = "v.4.7.4";

// QSettings: organisation and application, then the group of the values.
inline constexpr const char* kSettingsOrganisation = "VHX Kavalto";
inline constexpr const char* kSettingsApplication = "Kavalto";

}  // namespace kavalto

// The club's web site (a click on the logo) and the user guide.
#pragma once

#include <string>

namespace kavalto {

struct AppState;

inline constexpr const char* kDefaultWebAddress = "https://www.vhx.no";
inline constexpr const char* kUserGuideName = "Kavalto Brukerveiledning.pdf";

struct Links {
    std::string webAddress = kDefaultWebAddress;
    std::string userGuide;  // a file or an address; empty: the guide in the program folder
};

// From the settings group "Links" ("WebAddress", "UserGuide"); these are
// set by hand and never written by the program.
void ReadLinks(Links& links);

void OpenClubWebSite(AppState& app);
// Opens the user guide with the desktop's viewer; tells the operator when
// the guide is not there.
void OpenUserGuide(AppState& app);

}  // namespace kavalto

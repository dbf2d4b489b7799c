// What the operator is told about entries files, club results files and
// ring results files.
#pragma once

namespace kavalto {

inline constexpr const char* kTextEntriesWrongMeetId = "Feil stevne ID";
inline constexpr const char* kTextEntriesWrongFormat = "Feil filformat";
inline constexpr const char* kTextRingCannotOpen = "Filen kan ikke åpnes";
inline constexpr const char* kTextRingWrongMeetId = "Feil Stevne ID";
inline constexpr const char* kTextRingNotThisMeet =
    "Ringresultatene passer ikke til dette stevnet: filen viser til klasser, ekvipasjer eller lag som ikke finnes "
    "her. Ingenting er importert.";
inline constexpr const char* kTextRingDamaged =
    "Ringresultatfilen er skadet eller ufullstendig. Ingenting er importert.";

}  // namespace kavalto

// What the operator is told about meet files.
#pragma once

namespace kavalto {

inline constexpr const char* kTextCannotCreate = "Filen kan ikke opprettes";
inline constexpr const char* kTextCannotWrite = "Filen kan ikke lagres. Sjekk at det er plass på disken.";
inline constexpr const char* kTextTooOld = "For gammelt format. Kontakt VHX";
inline constexpr const char* kTextDamaged = "Filen er skadet eller ufullstendig og kan ikke leses.";

}  // namespace kavalto

// The interface font: the face "Ariel" at a character height in pixels,
// weight 700 when bold and 400 otherwise. A Qt font substitution maps the
// face to Arial or Liberation Sans, which have its metrics.
#pragma once

#include <cstdint>

class QFont;
class QFontMetrics;

namespace kavalto {

inline constexpr const char* kInterfaceFace = "Ariel";

// Registers the substitution; called at start-up of the GUI, and again
// harmlessly by the first text operation.
void RegisterInterfaceFont();

// Kept per size and weight for the whole run.
const QFont& InterfaceFont(bool bold, int32_t size);
const QFontMetrics& InterfaceFontMetrics(bool bold, int32_t size);

}  // namespace kavalto

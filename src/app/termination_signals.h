// A SIGTERM, SIGINT or SIGHUP (logout, shutdown, Ctrl+C in the terminal)
// closes the main window the ordinary way, so the meet is autosaved
// before the program ends.
#pragma once

class QWidget;

namespace kavalto {

void CloseOnTerminationSignals(QWidget& window);
// Puts the default handlers back.
void StopClosingOnTerminationSignals();

}  // namespace kavalto

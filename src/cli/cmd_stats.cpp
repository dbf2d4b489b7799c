#include "cli/commands.h"

namespace kavalto::cli {
void AddStatsCommand(CLI::App&) {}
}  // namespace kavalto::cli

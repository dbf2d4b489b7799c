#include "cli/commands.h"

namespace kavalto::cli {
void AddResultsCommand(CLI::App&) {}
}  // namespace kavalto::cli

#include "cli/commands.h"

namespace kavalto::cli {

void AddExchangeCommands(CLI::App& /*app*/) {}

}  // namespace kavalto::cli

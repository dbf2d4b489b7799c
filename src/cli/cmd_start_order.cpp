#include "cli/commands.h"

namespace kavalto::cli {

void AddStartOrderCommands(CLI::App& /*app*/) {}

}  // namespace kavalto::cli

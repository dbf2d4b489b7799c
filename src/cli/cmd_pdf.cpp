#include "cli/commands.h"

namespace kavalto::cli {

void AddPdfCommands(CLI::App& /*app*/) {}

}  // namespace kavalto::cli

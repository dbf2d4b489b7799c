// Each kavalto-cli command adds itself to the program.
#pragma once

#include <CLI/CLI.hpp>

namespace kavalto::cli {

void AddInspectCommands(CLI::App& app);   // info, classes, equipages, entries, teams
void AddConvertCommand(CLI::App& app);
void AddResultsCommand(CLI::App& app);
void AddStatsCommand(CLI::App& app);
void AddStartOrderCommands(CLI::App& app);  // startlist, draw, select-run
void AddExchangeCommands(CLI::App& app);    // import-entries, export-club, ring-save, ring-import
void AddPdfCommands(CLI::App& app);         // pdf, mail-pdf

}  // namespace kavalto::cli

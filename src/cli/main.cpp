// kavalto-cli: the meet without the window.
#include <cstdio>
#include <iostream>

#include "cli/cli_common.h"
#include "cli/commands.h"

int main(int argc, char** argv) {
    using namespace kavalto::cli;
    CLI::App app{"kavalto-cli: stevnefiler uten vindu (Kavalto)", "kavalto-cli"};
    app.require_subcommand(1);
    AddInspectCommands(app);
    AddConvertCommand(app);
    AddResultsCommand(app);
    AddStatsCommand(app);
    AddStartOrderCommands(app);
    AddExchangeCommands(app);
    AddPdfCommands(app);
    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& e) {
        return app.exit(e);
    } catch (const CLI::CallForAllHelp& e) {
        return app.exit(e);
    } catch (const CLI::ParseError& e) {
        app.exit(e);
        return kExitUsage;
    } catch (const Exit& e) {
        std::fflush(stdout);
        if (!e.message.empty()) std::cerr << e.message << '\n';
        return e.status;
    }
    std::fflush(stdout);
    return 0;
}

// The club's and the other ring's files: import-entries, export-club,
// ring-save and ring-import.
#include <memory>
#include <optional>
#include <string>

#include "cli/cli_common.h"
#include "cli/commands.h"
#include "exchange/club_results.h"
#include "exchange/entries_import.h"
#include "exchange/ring_results.h"

namespace kavalto::cli {
namespace {

struct ImportEntriesOptions {
    std::string entriesPath;
    std::string basePath;
    std::optional<int> run;
    std::string out;
};

void RunImportEntries(const ImportEntriesOptions& options) {
    auto meet = std::make_unique<MeetState>();
    const bool update = !options.basePath.empty();
    if (update) {
        ReadMeet(*meet, MeetOptions{options.basePath, options.run});
    } else {
        StartFreshMeet(*meet);
    }
    switch (ImportEntries(*meet, options.entriesPath, update ? EntriesMode::kUpdate : EntriesMode::kOpen)) {
        case EntriesImport::kImported: break;
        case EntriesImport::kCannotOpen: throw Exit{kExitFailed, "Kan ikke åpne filen " + options.entriesPath};
        case EntriesImport::kRefused: throw Exit{kExitFailed, ""};  // the import has told why
    }
    WriteMeet(*meet, options.out);
}

void AddImportEntries(CLI::App& app) {
    auto options = std::make_shared<ImportEntriesOptions>();
    CLI::App* command = app.add_subcommand("import-entries", "Leser VHX-påmeldinger inn i et nytt stevne eller oppdaterer et stevne");
    command->add_option("VHX", options->entriesPath, "Påmeldingsfil (.vhx)")->required();
    command->add_option("--update", options->basePath, "Stevnefil som oppdateres med nye påmeldinger");
    command->add_option("--run", options->run, "Løp: 0 første løp, 1 andre løp (finalen)")->check(CLI::Range(0, 1));
    command->add_option("--out", options->out, "Ny stevnefil")->required();
    command->callback([options] { RunImportEntries(*options); });
}

// export-club and ring-save: MEET in, one file out.
template <typename Writer>
void AddFileExport(CLI::App& app, const char* name, const char* description, const char* outHelp, Writer write) {
    struct Options {
        MeetOptions meet;
        std::string out;
    };
    auto options = std::make_shared<Options>();
    CLI::App* command = app.add_subcommand(name, description);
    AddMeetOptions(*command, options->meet);
    command->add_option("OUT", options->out, outHelp)->required();
    command->callback([options, write] {
        auto meet = std::make_unique<MeetState>();
        ReadMeet(*meet, options->meet);
        if (!write(*meet, options->out)) throw Exit{kExitFailed, ""};  // the writer has told why
    });
}

void AddRingImport(CLI::App& app) {
    struct Options {
        MeetOptions meet;
        std::string ringPath;
        std::string out;
    };
    auto options = std::make_shared<Options>();
    CLI::App* command = app.add_subcommand("ring-import", "Leser ringresultater fra den andre ringen inn i stevnet");
    AddMeetOptions(*command, options->meet);
    command->add_option("RING", options->ringPath, "Ringresultatfil (.agr)")->required();
    command->add_option("--out", options->out, "Ny stevnefil")->required();
    command->callback([options] {
        auto meet = std::make_unique<MeetState>();
        ReadMeet(*meet, options->meet);
        if (!ImportRingResults(*meet, options->ringPath)) throw Exit{kExitFailed, ""};  // the import has told why
        WriteMeet(*meet, options->out);
    });
}

}  // namespace

void AddExchangeCommands(CLI::App& app) {
    AddImportEntries(app);
    AddFileExport(app, "export-club", "Skriver VHX-resultatfilen (første løp, med kontrollsum)", "Resultatfil (.agr)",
                  [](MeetState& meet, const std::string& path) { return ExportClubResults(meet, path); });
    AddFileExport(app, "ring-save", "Skriver ringresultatfilen for den andre ringen", "Ringresultatfil (.agr)",
                  [](MeetState& meet, const std::string& path) { return SaveRingResults(meet, path); });
    AddRingImport(app);
}

}  // namespace kavalto::cli

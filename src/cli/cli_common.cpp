#include "cli/cli_common.h"

#include <cstdio>
#include <iostream>

#include "app/cp1252.h"
#include "meet/meet_file.h"

namespace kavalto::cli {

void StderrNotifier::Warn(const std::string& text) { std::cerr << text << '\n'; }

bool StderrNotifier::Ask(const std::string&) { return true; }

namespace {
StderrNotifier& TheNotifier() {
    static StderrNotifier notifier;
    return notifier;
}
}  // namespace

void AddMeetOptions(CLI::App& command, MeetOptions& options, const std::string& name) {
    command.add_option(name, options.path, "Stevnefil (.ags/.agi)")->required();
    command.add_option("--run", options.run, "Løp: 0 første løp, 1 andre løp (finalen)")
        ->check(CLI::Range(0, 1));
}

void StartFreshMeet(MeetState& meet) {
    meet.notifier = &TheNotifier();
    SetInitialMeet(meet);
}

int32_t ReadMeet(MeetState& meet, const MeetOptions& options) {
    StartFreshMeet(meet);
    const LoadResult result = LoadMeetFile(meet, options.path);
    if (!result) {
        switch (result.failure) {
            case LoadFailure::kCannotOpen: throw Exit{kExitFailed, "Kan ikke åpne filen " + options.path};
            case LoadFailure::kWrongMagic: throw Exit{kExitFailed, "Filen er ikke en stevnefil: " + options.path};
            default: throw Exit{kExitFailed, ""};  // the loader has told why
        }
    }
    if (options.run) {
        meet.info.currentRun = *options.run;
    }
    return result.version;
}

void RequireValidRun(const MeetState& meet) {
    if (meet.info.currentRun != 0 && meet.info.currentRun != 1) {
        throw Exit{kExitFailed, "Ugyldig løp i stevnefilen: " + std::to_string(meet.info.currentRun)};
    }
}

void WriteMeet(MeetState& meet, const std::string& path) {
    if (!SaveMeetFile(meet, path)) throw Exit{kExitFailed, ""};  // the writer has told why
}

std::string TextOf(std::string_view cp1252) { return Cp1252ToUtf8(cp1252); }

void PrintRow(const std::vector<std::string>& fields) {
    std::string line;
    for (size_t i = 0; i < fields.size(); ++i) {
        if (i != 0) line += '\t';
        line += fields[i];
    }
    line += '\n';
    std::fwrite(line.data(), 1, line.size(), stdout);
}

}  // namespace kavalto::cli

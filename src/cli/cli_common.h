// What every kavalto-cli command shares: reading the meet, the --run option,
// table output and the exit statuses (0 done, 1 refused or failed, 2 usage).
#pragma once

#include <CLI/CLI.hpp>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "meet/meet_state.h"
#include "meet/text_field.h"

namespace kavalto::cli {

inline constexpr int kExitFailed = 1;
inline constexpr int kExitUsage = 2;

// Thrown by a command to end with a status; the message (UTF-8) goes to
// standard error when not empty.
struct Exit {
    int status;
    std::string message;
};

// Prints the program's messages on standard error and answers every
// question with yes (the command itself is the operator's answer).
class StderrNotifier final : public Notifier {
public:
    void Warn(const std::string& text) override;
    bool Ask(const std::string& question) override;
};

// Options every command that reads a meet has.
struct MeetOptions {
    std::string path;
    std::optional<int> run;
};

// Adds the meet file argument (named MEET unless told) and --run to a command.
void AddMeetOptions(CLI::App& command, MeetOptions& options, const std::string& name = "MEET");

// Starts a meet as the desktop program holds it at start-up, with the
// standard-error notifier.
void StartFreshMeet(MeetState& meet);

// Reads MEET into a fresh meet and applies --run; ends the command with
// status 1 and a message when the file cannot be read. Answers the version
// read from the file.
int32_t ReadMeet(MeetState& meet, const MeetOptions& options);

// Ends with status 1 when the meet's current run is not 0 or 1.
void RequireValidRun(const MeetState& meet);

// Writes the meet to OUT safely; ends with status 1 on failure.
void WriteMeet(MeetState& meet, const std::string& path);

// A record text (code page 1252) as UTF-8.
std::string TextOf(std::string_view cp1252);
template <std::size_t N>
std::string Text(const char (&field)[N]) {
    return TextOf(FieldText(field));
}

// One output line: fields joined by TAB, ended by a line feed.
void PrintRow(const std::vector<std::string>& fields);

inline std::string Num(int64_t value) { return std::to_string(value); }
inline std::string Flag(int64_t value) { return value != 0 ? "1" : "0"; }

}  // namespace kavalto::cli

// Runs the built kavalto-cli and captures what it prints.
#pragma once

#include <string>
#include <vector>

namespace kavalto::test {

struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs kavalto-cli with the arguments (no shell quoting needed).
CliRun RunCli(const std::vector<std::string>& args);

// The lines of a text, each without its line feed.
std::vector<std::string> Lines(const std::string& text);
// The TAB-separated fields of a line.
std::vector<std::string> Fields(const std::string& line);

}  // namespace kavalto::test

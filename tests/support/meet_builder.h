// Small helpers to build meets for tests.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "meet/meet_state.h"

namespace kavalto::test {

// A meet as the program holds it at start-up.
void MakeFreshMeet(MeetState& meet);

// Appends an equipage with a dog name (UTF-8) and size; returns its index.
int AddEquipage(MeetState& meet, std::string_view dogName, int size = 0);

// Enters the equipage in a class for a run; returns the entry.
ClassEntry& Enter(MeetState& meet, int equipage, int slot, int run = 0, int startNo = 0);

// Sets the result of an entry's run.
void SetRun(MeetState& meet, int equipage, int slot, int run, int time, int faults = 0, int refusals = 0,
            int disqualified = 0, int notPresent = 0);

// Appends a team in a team class with up to four members (-1 empty); returns its index.
int AddTeam(MeetState& meet, std::string_view teamName, int slot, int m0 = -1, int m1 = -1, int m2 = -1,
            int m3 = -1);

// A fresh empty folder below the system's temporary folder.
std::filesystem::path MakeTempFolder(std::string_view name);

// The whole content of a file; empty when it cannot be read.
std::string ReadFileText(const std::filesystem::path& path);

}  // namespace kavalto::test

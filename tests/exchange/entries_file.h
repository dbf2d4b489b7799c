// Entries files for the tests: the club's header line and records of 24
// fields, each ended by a TAB, then a line feed.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace kavalto::test {

inline const std::string kEntriesHeader =
    "UTID\tTYPE\tLOP\tHUID\tKLASSE\tDOMMER\tKLASSER\tNAVN\tKALLENAVN\tKJONN\tKATANR\tRASE\tLAGNAVN\tKLUBB\tFORER\t"
    "ADRESSE\tPOSTNR\tPOSTSTED\tLAND\tKLUBB2\tEPOST\tX\tY\tZ\t\n";

inline constexpr const char* kMeetId = "1234 V\xe5rstevnet";  // code page 1252, as the club writes it

// Fields by number (1..24); the ones not given are empty.
inline std::string EntriesLine(const std::map<int, std::string>& fields) {
    std::string line;
    for (int k = 1; k <= 24; ++k) {
        const auto it = fields.find(k);
        if (it != fields.end()) line += it->second;
        line += '\t';
    }
    return line + '\n';
}

// A dog's record in the meet kMeetId; more fields may be added or replaced.
inline std::map<int, std::string> DogFields(const std::string& regNo, const std::string& classCode,
                                            const std::string& startNo, const std::string& dogName = "Tass") {
    return {{1, kMeetId},      {2, "1"},         {3, "0"},       {4, regNo},           {5, classCode},
            {7, classCode},    {8, dogName},     {9, "Tassen"},  {10, "Hannhund"},     {11, startNo},
            {12, "Border Collie"}, {14, "Oslo HK"}, {15, "Kari Nordmann"}, {16, "Storgata 1"}, {17, "0150"},
            {18, "Oslo"},      {21, "kari@example.no"}};
}

inline std::map<int, std::string> With(std::map<int, std::string> fields, int field, const std::string& value) {
    fields[field] = value;
    return fields;
}

// A team's record: field 4 the team's identifier, 13 its name, 15 the contact.
inline std::map<int, std::string> TeamFields(const std::string& teamNo, const std::string& classCode,
                                             const std::string& startNo, const std::string& teamName) {
    return {{1, kMeetId}, {2, "1"}, {3, "0"}, {4, teamNo}, {5, classCode}, {11, startNo}, {13, teamName},
            {15, "Per Lagleder"}};
}

inline std::vector<uint8_t> EntriesBytes(const std::vector<std::map<int, std::string>>& records,
                                         const std::string& header = kEntriesHeader) {
    std::string text = header;
    for (const auto& record : records) text += EntriesLine(record);
    return std::vector<uint8_t>(text.begin(), text.end());
}

inline std::vector<uint8_t> Bytes(const std::string& text) { return std::vector<uint8_t>(text.begin(), text.end()); }

}  // namespace kavalto::test

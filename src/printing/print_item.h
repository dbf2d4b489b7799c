// One printout of the print list: a form and its parameters.
#pragma once

#include <cstdint>

namespace kavalto {

// The forms the engine can print; the numbers are those stored in an item.
enum FormType : int32_t {
    kFormEquipageEntry = 0,
    kFormTeamEntry = 1,
    kFormEquipageCards = 4,
    kFormTeamCards = 5,
    kFormEquipageScribe = 6,
    kFormTeamScribe = 7,
    kFormStartList = 8,
    kFormResults = 10,
    kFormTeamResults = 11,
    kFormCombined = 12,
    kFormTeamCombined = 13,
    kFormJudgeList = 14,
    kFormTeamJudgeList = 15,
    kFormJudgeSheet = 16,
    kFormTeamJudgeSheet = 17,
    kFormStatistics = 18,
};

struct PrintItem {
    int32_t type = 0;
    int32_t first = 0;           // mostly the class slot
    int32_t second = 0;          // an equipage or team index, or a judge list's run
    int32_t third = 0;           // an entry index 0..3
    int32_t pageCount = 0;       // filled by the counting pass
};

}  // namespace kavalto

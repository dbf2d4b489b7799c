// The shared scratch values of the scoring rules: one run score, one team
// score, one results list and the class statistics, all held in MeetState
// and overwritten by every call that builds them.
#pragma once

#include <cstdint>
#include <vector>

#include "meet/records.h"

namespace kavalto {

struct RunScore {
    int32_t time = 0;
    int32_t timeFaults = 0;
    int32_t faults = 0;
    int32_t refusals = 0;
    int32_t totalFaults = 0;     // hundredths of a fault point
    int32_t disqualified = 0;
    int32_t overMaxTime = 0;
    int32_t threeRefusals = 0;
    int32_t notPresent = 0;
};

// A team's score has the same nine fields, summed over its counted members.
using TeamScore = RunScore;

struct ResultRow {
    int32_t team = -1;           // -1 on rows of an individual class
    int32_t equipage = -1;       // -1 on a team's own row
    int32_t place = 0;           // meaningful on placed rows only
};

struct ResultList {
    std::vector<ResultRow> rows;  // grows with the class: no row limit
    int32_t placedCount = 0;
    int32_t placedOrEliminatedCount = 0;
    int32_t allCount = 0;
    int32_t placedTeams = 0;
    // The context the list was built in.
    int32_t classSlot = 0;
    int32_t run = 0;
    bool combined = false;
};

struct ResultRowTexts {
    char place[100];
    char startNo[100];
    char name[100];
    char name2[100];
    char time[100];
    char timeFaults[100];
    char faults[100];
    char refusals[100];
    char result[100];
    char award[100];
    char spare[100];             // always empty
    bool noResult;
    bool eliminated;
    bool notPresent;
};

struct ClassStatistics {
    int32_t entered[kClassCount] = {};
    int32_t started[kClassCount] = {};
    int32_t faultFree[kClassCount] = {};
    int32_t eliminated[kClassCount] = {};
    int32_t total = 0;           // entries over all classes
};

}  // namespace kavalto

// The counts of the statistics sheet.
#pragma once

#include <cstdint>

#include "meet/meet_state.h"

namespace kavalto {

// Fills meet.statistics for the current run: per class entered, started,
// fault-free and eliminated, and the total of entries over all classes.
void ComputeClassStatistics(MeetState& meet);

// The total line of the sheet, from meet.statistics: the entries over all
// classes; started, fault-free and eliminated summed over the classes taking
// part in the current run; the mean of the class averages that are not 0.
struct StatisticsTotals {
    int64_t entered = 0;
    int64_t started = 0;
    int64_t faultFree = 0;
    int64_t eliminated = 0;
    int32_t meanSpeed = 0;
};
StatisticsTotals SumClassStatistics(const MeetState& meet);

}  // namespace kavalto

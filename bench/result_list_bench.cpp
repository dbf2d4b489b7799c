// Building a results list and formatting every row of it, as a repaint of
// the results page or the big screen does.
#include <benchmark/benchmark.h>


#include "meet/class_catalogue.h"
#include "rules/class_counts.h"
#include "rules/result_list.h"
#include "rules/result_texts.h"
#include "support/generated_meet.h"

namespace {

using namespace kavalto;

void BuildAndFormat(benchmark::State& state, int slot, bool combine) {
    MeetState& meet = bench::StandardMeet();
    for (auto _ : state) {
        BuildResultList(meet, slot, combine);
        for (int row = 0; row < meet.resultList.allCount; ++row) {
            FormattedRow formatted = FormatResultRow(meet, row);
            benchmark::DoNotOptimize(formatted);
        }
    }
    state.counters["rows"] = meet.resultList.allCount;
    state.counters["placed"] = meet.resultList.placedCount;
    state.counters["entrants"] = IsTeamClass(slot) ? CountTeamEntrants(meet, slot) : CountEntrants(meet, slot);
}

BENCHMARK_CAPTURE(BuildAndFormat, class_of_300, 8, false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BuildAndFormat, combined_class_of_300, 8, true)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BuildAndFormat, team_class_of_60, 26, false)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();

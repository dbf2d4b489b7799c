// Building a results list and formatting every row of it, as a repaint of
// the results page or the big screen does.
#include <benchmark/benchmark.h>

#include <memory>

#include "meet/class_catalogue.h"
#include "rules/class_counts.h"
#include "rules/result_list.h"
#include "rules/result_texts.h"
#include "support/generated_meet.h"

namespace {

using namespace kavalto;

// 1500 equipages with 300 in Hopp Large 1 (slot 8), and 60 teams in each team class.
MeetState& GeneratedMeet() {
    static const std::unique_ptr<MeetState> meet = [] {
        auto m = std::make_unique<MeetState>();
        bench::GenerateMeet(*m, 1500, 180);
        return m;
    }();
    return *meet;
}

void BuildAndFormat(benchmark::State& state, int slot, bool combine) {
    MeetState& meet = GeneratedMeet();
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

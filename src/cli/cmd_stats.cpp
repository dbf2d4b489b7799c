// kavalto-cli stats: the figures of the statistics sheet for the run.
#include <memory>

#include "cli/cli_common.h"
#include "cli/commands.h"
#include "rules/class_counts.h"
#include "rules/hundredths.h"
#include "rules/statistics.h"

namespace kavalto::cli {
namespace {

void RunStats(const MeetOptions& options) {
    auto meet = std::make_unique<MeetState>();
    ReadMeet(*meet, options);
    RequireValidRun(*meet);
    ComputeClassStatistics(*meet);
    const ClassStatistics& stats = meet->statistics;
    const int run = meet->info.currentRun;

    PrintRow({"slot", "name", "entered", "started", "faultFree", "eliminated", "averageSpeed"});
    for (int slot = 0; slot < kClassCount; ++slot) {
        if (meet->classes[static_cast<size_t>(slot)].inRun[run] == 0) continue;
        PrintRow({Num(slot), Text(meet->classLongName[slot]), Num(stats.entered[slot]), Num(stats.started[slot]),
                  Num(stats.faultFree[slot]), Num(stats.eliminated[slot]),
                  FormatHundredths(AverageSpeed(*meet, slot))});
    }
    const StatisticsTotals totals = SumClassStatistics(*meet);
    PrintRow({"total", "Totalt", Num(totals.entered), Num(totals.started), Num(totals.faultFree),
              Num(totals.eliminated), FormatHundredths(totals.meanSpeed)});
}

}  // namespace

void AddStatsCommand(CLI::App& app) {
    auto options = std::make_shared<MeetOptions>();
    CLI::App* command = app.add_subcommand("stats", "Statistikk for løpet");
    AddMeetOptions(*command, *options);
    command->callback([options] { RunStats(*options); });
}

}  // namespace kavalto::cli

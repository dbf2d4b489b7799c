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
    // Started, fault-free and eliminated are summed over the printed classes;
    // the entries total counts every class.
    int64_t started = 0;
    int64_t faultFree = 0;
    int64_t eliminated = 0;
    for (int slot = 0; slot < kClassCount; ++slot) {
        if (meet->classes[static_cast<size_t>(slot)].inRun[run] == 0) continue;
        started += stats.started[slot];
        faultFree += stats.faultFree[slot];
        eliminated += stats.eliminated[slot];
        PrintRow({Num(slot), TextOf(FieldText(meet->classLongName[slot])), Num(stats.entered[slot]),
                  Num(stats.started[slot]), Num(stats.faultFree[slot]), Num(stats.eliminated[slot]),
                  FormatHundredths(AverageSpeed(*meet, slot))});
    }
    // The mean speed is over every class with an average, printed or not.
    int64_t speedSum = 0;
    int64_t speedCount = 0;
    for (int slot = 0; slot < kClassCount; ++slot) {
        const int32_t speed = AverageSpeed(*meet, slot);
        if (speed == 0) continue;
        speedSum += speed;
        ++speedCount;
    }
    const int32_t meanSpeed = speedCount == 0 ? 0 : static_cast<int32_t>(speedSum / speedCount);
    PrintRow({"total", "Totalt", Num(stats.total), Num(started), Num(faultFree), Num(eliminated),
              FormatHundredths(meanSpeed)});
}

}  // namespace

void AddStatsCommand(CLI::App& app) {
    auto options = std::make_shared<MeetOptions>();
    CLI::App* command = app.add_subcommand("stats", "Statistikk for løpet");
    AddMeetOptions(*command, *options);
    command->callback([options] { RunStats(*options); });
}

}  // namespace kavalto::cli

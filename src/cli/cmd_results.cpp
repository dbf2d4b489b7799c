// kavalto-cli results: the results list of one class, row by row, as the
// results page builds and formats it.
#include <memory>
#include <string>

#include "cli/cli_common.h"
#include "cli/commands.h"
#include "meet/class_catalogue.h"
#include "rules/result_list.h"
#include "rules/result_texts.h"

namespace kavalto::cli {
namespace {

struct ResultsOptions {
    MeetOptions meet;
    int classSlot = 0;
    bool combined = false;
};

const char* GroupOf(const ResultList& list, int row) {
    if (row < list.placedCount) return "placed";
    if (row < list.placedOrEliminatedCount) return "eliminated";
    return "none";
}

const char* KindOf(const ResultList& list, const ResultRow& row) {
    if (!IsTeamClass(list.classSlot)) return "E";
    return row.equipage < 0 ? "T" : "M";
}

void RunResults(const ResultsOptions& options) {
    auto meet = std::make_unique<MeetState>();
    ReadMeet(*meet, options.meet);
    RequireValidRun(*meet);
    // Combined when asked, whether or not the program would offer it.
    BuildResultList(*meet, options.classSlot, options.combined);

    PrintRow({"row", "group", "kind", "team", "equipage", "place", "startNo", "name", "name2", "time", "timeFaults",
              "faults", "refusals", "result", "award", "noResult", "eliminated", "notPresent"});
    const ResultList& list = meet->resultList;
    for (int row = 0; row < static_cast<int>(list.rows.size()); ++row) {
        const FormattedRow f = FormatResultRow(*meet, row);
        const ResultRowTexts& t = f.texts;
        PrintRow({Num(row), GroupOf(list, row), KindOf(list, list.rows[static_cast<size_t>(row)]), Num(f.team),
                  Num(f.equipage), Text(t.place), Text(t.startNo), Text(t.name), Text(t.name2), Text(t.time),
                  Text(t.timeFaults), Text(t.faults), Text(t.refusals), Text(t.result), Text(t.award), Flag(t.noResult),
                  Flag(t.eliminated), Flag(t.notPresent)});
    }
}

}  // namespace

void AddResultsCommand(CLI::App& app) {
    auto options = std::make_shared<ResultsOptions>();
    CLI::App* command = app.add_subcommand("results", "Resultatlisten for en klasse");
    AddMeetOptions(*command, options->meet);
    command->add_option("--class", options->classSlot, "Klasse (0..26)")->required()->check(CLI::Range(0, 26));
    command->add_flag("--combined", options->combined, "Sammenlagte resultater");
    command->callback([options] { RunResults(*options); });
}

}  // namespace kavalto::cli

// startlist, draw and select-run: the start order of a class, the random
// draw of start numbers and the run selector.
#include <memory>
#include <string>

#include "cli/cli_common.h"
#include "cli/commands.h"
#include "meet/class_catalogue.h"
#include "rules/class_counts.h"
#include "rules/finals.h"
#include "rules/start_order.h"

namespace kavalto::cli {
namespace {

std::string MemberList(const TeamRecord& team) {
    std::string members;
    for (int place = 0; place < kTeamMembers; ++place) {
        if (place > 0) members += ',';
        members += Num(team.members[place]);
    }
    return members;
}

void PrintStartList(MeetState& meet, int classSlot) {
    if (IsTeamClass(classSlot)) {
        PrintRow({"position", "team", "startNo", "teamName", "members"});
        const int32_t entrants = CountTeamEntrants(meet, classSlot);
        for (int32_t position = 0; position < entrants; ++position) {
            const int32_t t = TeamAtPosition(meet, classSlot, position);
            if (t < 0) {
                PrintRow({Num(position), "-1", "", "", ""});
                continue;
            }
            const TeamRecord& team = meet.teams[static_cast<size_t>(t)];
            PrintRow({Num(position), Num(t), Num(team.startNo), Text(team.teamName), MemberList(team)});
        }
        return;
    }
    PrintRow({"position", "equipage", "startNo", "regNo", "dogName", "handler", "inSeason"});
    const int32_t entrants = CountEntrants(meet, classSlot);
    for (int32_t position = 0; position < entrants; ++position) {
        const int32_t e = EquipageAtPosition(meet, classSlot, position);
        if (e < 0) {
            PrintRow({Num(position), "-1", "", "", "", "", ""});
            continue;
        }
        const EquipageRecord& equipage = meet.equipages[static_cast<size_t>(e)];
        const ClassEntry& entry = equipage.entries[EntryOfClass(classSlot)];
        PrintRow({Num(position), Num(e), Num(entry.startNo), Text(equipage.regNo), Text(equipage.dogName),
                  Text(entry.handler), Flag(equipage.inSeason)});
    }
}

void AddStartListCommand(CLI::App& app) {
    struct Options {
        MeetOptions meet;
        int classSlot = 0;
    };
    auto options = std::make_shared<Options>();
    CLI::App* command = app.add_subcommand("startlist", "Startlisten for en klasse");
    AddMeetOptions(*command, options->meet);
    command->add_option("--class", options->classSlot, "Klasse (0..26)")->required()->check(CLI::Range(0, 26));
    command->callback([options] {
        auto meet = std::make_unique<MeetState>();
        ReadMeet(*meet, options->meet);
        RequireValidRun(*meet);
        PrintStartList(*meet, options->classSlot);
    });
}

void AddDrawCommand(CLI::App& app) {
    struct Options {
        MeetOptions meet;
        std::string out;
    };
    auto options = std::make_shared<Options>();
    CLI::App* command = app.add_subcommand("draw", "Lag tilfeldig start rekkefølge");
    AddMeetOptions(*command, options->meet);
    command->add_option("--out", options->out, "Ny stevnefil")->required();
    command->callback([options] {
        // A fresh meet carries the generator as the program has it at start.
        auto meet = std::make_unique<MeetState>();
        ReadMeet(*meet, options->meet);
        RequireValidRun(*meet);
        DrawStartNumbers(*meet);
        WriteMeet(*meet, options->out);
    });
}

void AddSelectRunCommand(CLI::App& app) {
    struct Options {
        MeetOptions meet;
        int item = 0;
        std::string out;
    };
    auto options = std::make_shared<Options>();
    CLI::App* command = app.add_subcommand("select-run", "Velg Løp: 0 Kvalifisering, 1 Hopp Finale, 2 Agility Finale");
    AddMeetOptions(*command, options->meet);
    command->add_option("ITEM", options->item, "0, 1 eller 2")->required()->check(CLI::Range(0, 2));
    command->add_option("--out", options->out, "Ny stevnefil")->required();
    command->callback([options] {
        auto meet = std::make_unique<MeetState>();
        ReadMeet(*meet, options->meet);
        if (options->item != kSelectQualification && meet->info.singleRun != 0) {
            throw Exit{kExitUsage, "Et enkelt stevne har ingen finaler: bare 0 (Kvalifisering) kan velges"};
        }
        SelectRun(*meet, options->item);
        WriteMeet(*meet, options->out);
    });
}

}  // namespace

void AddStartOrderCommands(CLI::App& app) {
    AddStartListCommand(app);
    AddDrawCommand(app);
    AddSelectRunCommand(app);
}

}  // namespace kavalto::cli

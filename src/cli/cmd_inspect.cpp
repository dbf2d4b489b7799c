// info, classes, equipages, entries, teams: the meet's records as tables.
#include <memory>
#include <string>

#include "cli/cli_common.h"
#include "cli/commands.h"
#include "meet/class_catalogue.h"
#include "rules/hundredths.h"

namespace kavalto::cli {
namespace {

std::string Time(int32_t hundredths) { return FormatHundredths(hundredths); }

std::string MemberList(const TeamRecord& team) {
    std::string members;
    for (int m = 0; m < kTeamMembers; ++m) {
        if (m != 0) members += ',';
        members += Num(team.members[m]);
    }
    return members;
}

void PrintInfo(const MeetState& meet, int32_t version) {
    const MeetInfo& i = meet.info;
    const std::string banner =
        meet.banner ? Num(meet.banner->width) + "x" + Num(meet.banner->height) : std::string("none");
    const std::pair<const char*, std::string> lines[] = {
        {"version", Num(version)},
        {"meetForm", Num(i.meetForm)},
        {"singleRun", Flag(i.singleRun)},
        {"currentRun", Num(i.currentRun)},
        {"agilityFinal", Flag(i.agilityFinal)},
        {"meetId", Text(i.meetId)},
        {"meetName", Text(i.meetName)},
        {"organiser", Text(i.organiser)},
        {"meetDate", Text(i.meetDate)},
        {"hasSponsor", Flag(i.hasSponsor)},
        {"sponsorWantsBanner", Flag(i.sponsorWantsBanner)},
        {"sponsorText", Text(i.sponsorText)},
        {"equipages", Num(meet.equipageCount())},
        {"teams", Num(meet.teamCount())},
        {"banner", banner},
    };
    for (const auto& [key, value] : lines) PrintRow({key, value});
}

void PrintClasses(const MeetState& meet) {
    PrintRow({"slot", "long", "short", "code", "inRun0", "inRun1", "judge", "courseLength0", "courseLength1",
              "standardTime0", "standardTime1", "maxTimeOn", "maxTimePercent", "maxTime0", "maxTime1",
              "finalPercent"});
    for (int slot = 0; slot < kClassCount; ++slot) {
        const ClassRecord& c = meet.classes[static_cast<size_t>(slot)];
        PrintRow({Num(slot), Text(meet.classLongName[slot]), Text(meet.classShortName[slot]), ClassCode(slot),
                  Flag(c.inRun[0]), Flag(c.inRun[1]), Text(c.judge), Num(c.courseLength[0]), Num(c.courseLength[1]),
                  Time(c.standardTime[0]), Time(c.standardTime[1]), Flag(c.maxTimeOn), Num(c.maxTimePercent),
                  Time(c.maxTime[0]), Time(c.maxTime[1]), Num(c.finalPercent)});
    }
}

void PrintEquipages(const MeetState& meet) {
    PrintRow({"index", "regNo", "dogName", "callName", "breed", "handlerName", "address", "place", "club", "email",
              "size", "sex", "inSeason", "lateEntry", "mailStatus", "agilityLevel", "hoppLevel"});
    for (int i = 0; i < meet.equipageCount(); ++i) {
        const EquipageRecord& e = meet.equipages[static_cast<size_t>(i)];
        PrintRow({Num(i), Text(e.regNo), Text(e.dogName), Text(e.callName), Text(e.breed), Text(e.handlerName),
                  Text(e.address), Text(e.place), Text(e.club), Text(e.email), Num(e.size), Num(e.sex),
                  Flag(e.inSeason), Flag(e.lateEntry), Num(e.mailStatus), Num(e.agilityLevel), Num(e.hoppLevel)});
    }
}

void PrintEntries(const MeetState& meet) {
    PrintRow({"equipage", "entry", "classSlot", "entered0", "entered1", "handler", "startNo", "startOrder0",
              "startOrder1", "time0", "faults0", "refusals0", "disqualified0", "notPresent0", "time1", "faults1",
              "refusals1", "disqualified1", "notPresent1", "awards"});
    for (int i = 0; i < meet.equipageCount(); ++i) {
        const EquipageRecord& e = meet.equipages[static_cast<size_t>(i)];
        for (int k = 0; k < kEntriesPerEquipage; ++k) {
            const ClassEntry& entry = e.entries[k];
            if (entry.entered[0] == 0 && entry.entered[1] == 0) continue;
            std::string awards;
            for (uint8_t award : entry.awards) awards += award != 0 ? '1' : '0';
            const RunResult& r0 = entry.run[0];
            const RunResult& r1 = entry.run[1];
            PrintRow({Num(i), Num(k), Num(entry.classSlot), Flag(entry.entered[0]), Flag(entry.entered[1]),
                      Text(entry.handler), Num(entry.startNo), Num(entry.startOrder[0]), Num(entry.startOrder[1]),
                      Time(r0.time), Num(r0.faults), Num(r0.refusals), Flag(r0.disqualified), Flag(r0.notPresent),
                      Time(r1.time), Num(r1.faults), Num(r1.refusals), Flag(r1.disqualified), Flag(r1.notPresent),
                      awards});
        }
    }
}

void PrintTeams(const MeetState& meet) {
    PrintRow({"index", "teamNo", "teamName", "club", "contact", "email", "size", "classSlot", "inRun0", "inRun1",
              "startNo", "startOrder0", "startOrder1", "lateEntry", "mailStatus", "members"});
    for (int i = 0; i < meet.teamCount(); ++i) {
        const TeamRecord& t = meet.teams[static_cast<size_t>(i)];
        PrintRow({Num(i), Text(t.teamNo), Text(t.teamName), Text(t.club), Text(t.contact), Text(t.email),
                  Num(t.size), Num(t.classSlot), Flag(t.inRun[0]), Flag(t.inRun[1]), Num(t.startNo),
                  Num(t.startOrder[0]), Num(t.startOrder[1]), Flag(t.lateEntry), Num(t.mailStatus), MemberList(t)});
    }
}

// Adds one command that reads MEET and prints one table of it.
template <typename Print>
void AddTableCommand(CLI::App& app, const char* name, const char* description, Print print) {
    auto options = std::make_shared<MeetOptions>();
    CLI::App* command = app.add_subcommand(name, description);
    AddMeetOptions(*command, *options);
    command->callback([options, print] {
        MeetState meet;
        const int32_t version = ReadMeet(meet, *options);
        print(meet, version);
    });
}

}  // namespace

void AddInspectCommands(CLI::App& app) {
    AddTableCommand(app, "info", "Stevnets opplysninger, én nøkkel per linje",
                    [](const MeetState& meet, int32_t version) { PrintInfo(meet, version); });
    AddTableCommand(app, "classes", "Klassetabellen, alle 27 klasser",
                    [](const MeetState& meet, int32_t) { PrintClasses(meet); });
    AddTableCommand(app, "equipages", "Ekvipasjene i tabellrekkefølge",
                    [](const MeetState& meet, int32_t) { PrintEquipages(meet); });
    AddTableCommand(app, "entries", "Alle klassepåmeldinger med resultater",
                    [](const MeetState& meet, int32_t) { PrintEntries(meet); });
    AddTableCommand(app, "teams", "Lagene i tabellrekkefølge",
                    [](const MeetState& meet, int32_t) { PrintTeams(meet); });
}

}  // namespace kavalto::cli

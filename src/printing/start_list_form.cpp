// Start lists: the entrants of a class in start order; in a team class the
// dogs team by team under their team's line.
#include <string>

#include "meet/class_catalogue.h"
#include "meet/text_field.h"
#include "printing/form_texts.h"
#include "printing/forms.h"
#include "printing/page_frame.h"

namespace kavalto {
namespace {

// The first team of the class (table order) with the equipage as a member.
int32_t TeamOfMember(const MeetState& meet, int slot, int32_t equipage) {
    for (int32_t t = 0; t < meet.teamCount(); ++t) {
        const TeamRecord& team = meet.teams[static_cast<size_t>(t)];
        if (team.classSlot != slot) continue;
        for (int32_t member : team.members) {
            if (member == equipage) return t;
        }
    }
    return -1;
}

void DrawHeadings(MeetState& meet, PrintEngine& engine, bool team) {
    const PrintMetrics& m = engine.metrics;
    DrawText(engine, kStyleSmallBold, m.indent + m.x[0], LabelWord(meet, words::kStNo));
    if (team) {
        DrawText(engine, kStyleSmallBold, m.x[2], ListWord(meet, words::kTeamSlashDog));
        DrawText(engine, kStyleSmallBold, m.x[10], ListWord(meet, words::kClubSlashHandler));
    } else {
        DrawText(engine, kStyleSmallBold, m.x[2], ListWord(meet, words::kDog));
        DrawText(engine, kStyleSmallBold, m.x[7], ListWord(meet, words::kHandler));
        DrawText(engine, kStyleSmallBold, m.x[12], LabelWord(meet, words::kClub));
    }
}

void DrawTeamLine(MeetState& meet, PrintEngine& engine, int32_t t) {
    const PrintMetrics& m = engine.metrics;
    const TeamRecord* team = TeamAt(meet, t);
    if (team == nullptr) return;
    DrawText(engine, kStyleSmallBold, m.indent + m.x[0], StartNumberText(meet, team->classSlot, team->startNo));
    DrawText(engine, kStyleSmallBold, m.x[2], FieldText(team->teamName), true, m.x[10] - m.x[2] - m.indent);
    DrawText(engine, kStyleSmallBold, m.x[10], FieldText(team->club), true, m.ruleRight - m.x[10]);
}

void DrawEntrant(MeetState& meet, PrintEngine& engine, int slot, int32_t equipage, bool team) {
    const PrintMetrics& m = engine.metrics;
    const EquipageRecord& e = meet.equipages[static_cast<size_t>(equipage)];
    const ClassEntry& entry = e.entries[EntryOfClass(slot)];
    const int in = team ? m.indent : 0;
    DrawText(engine, kStyleSmall, m.halfColumn, Number(engine.progress + 1));
    DrawText(engine, kStyleSmall, m.indent + m.x[0] + in, StartNumberText(meet, slot, entry.startNo));
    const int nameEnd = (team ? m.x[10] : m.x[7]) - m.indent;
    DrawText(engine, kStyleSmall, m.x[2] + in, CallOrDogName(e), true, nameEnd - (m.x[2] + in));
    if (team) {
        DrawText(engine, kStyleSmall, m.x[10] + in, FieldText(entry.handler), true, m.ruleRight - (m.x[10] + in));
    } else {
        DrawText(engine, kStyleSmall, m.x[7], FieldText(entry.handler), true, m.x[12] - m.x[7] - m.indent);
        DrawText(engine, kStyleSmall, m.x[12], FieldText(e.club), true, m.ruleRight - m.x[12]);
    }
    if (e.inSeason != 0 && !engine.counting) {
        engine.target->DrawSeasonMark(m.margin, engine.y, m.unit / 4, m.l[4] / 2);
    }
}

}  // namespace

bool RenderStartList(MeetState& meet, PrintEngine& engine, const PrintItem& item) {
    const int slot = item.first;
    if (!IsClassSlot(slot)) return true;
    BeginPageFrame(meet, engine,
                   ListWord(meet, words::kStartList) + RunSuffix(meet, slot) + " - " + ClassName(meet, slot));
    const PrintMetrics& m = engine.metrics;
    const bool team = IsTeamClass(slot);
    DrawHeadings(meet, engine, team);
    engine.y += m.l[6];

    if (engine.progress == 0) {
        // The dogs of a team class start team by team, those in season last.
        if (team) OrderTeamMembers(meet);
        engine.walk = BeginStartOrder(meet, slot);
        engine.walkNext = NextInStartOrder(meet, engine.walk);
        engine.lastTeam = -1;
    }
    int rowsOnPage = 0;
    while (engine.walkNext >= 0) {
        const int32_t equipage = engine.walkNext;
        const int32_t t = team ? TeamOfMember(meet, slot, equipage) : -1;
        const bool newTeam = team && t != engine.lastTeam;
        const bool separator = newTeam && engine.lastTeam != -1;
        // A new team keeps its line with its first dog.
        const int needed = m.l[3] + (newTeam ? m.l[3] : 0) + (separator ? m.l[3] + m.v : 0);
        if (rowsOnPage > 0 && engine.y + needed > m.bottom) return false;
        if (newTeam) {
            if (separator) {
                engine.y += m.l[3];
                DrawHLine(engine, m.separatorLine, m.ruleLeft, m.ruleRight, engine.y);
                engine.y += m.v;
            }
            DrawTeamLine(meet, engine, t);
            engine.y += m.l[3];
            engine.lastTeam = t;
        }
        DrawEntrant(meet, engine, slot, equipage, team);
        engine.y += m.l[3];
        ++engine.progress;
        ++rowsOnPage;
        engine.walkNext = NextInStartOrder(meet, engine.walk);
    }
    return true;
}

}  // namespace kavalto

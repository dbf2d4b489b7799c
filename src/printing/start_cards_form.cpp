// Start number cards: one big number per class an equipage runs, or per
// member of a team.
#include <string>

#include "meet/class_catalogue.h"
#include "meet/text_field.h"
#include "printing/form_texts.h"
#include "printing/forms.h"
#include "printing/page_frame.h"

namespace kavalto {
namespace {

// Only a team entry numbered in the club's series 6000..8999 gets a card.
bool IsTeamCardNumber(int32_t startNo) { return startNo >= 6000 && startNo <= 8999; }

}  // namespace

bool RenderEquipageCards(MeetState& meet, PrintEngine& engine, const PrintItem& item) {
    const EquipageRecord* e = EquipageAt(meet, item.second);
    const std::string name = e != nullptr ? CallOrDogName(*e) : std::string();
    BeginPageFrame(meet, engine, ListWord(meet, words::kStartNumberFor) + ": " + name);
    if (e == nullptr) return true;
    const PrintMetrics& m = engine.metrics;
    const int run = meet.info.currentRun;

    DrawText(engine, kStyleMediumBold, m.x[0], ListWord(meet, words::kRegNo) + ": " + std::string(FieldText(e->regNo)));
    engine.y += m.l[5];
    for (int kind = kEntryHopp; kind <= kEntryTeam; ++kind) {
        const ClassEntry& entry = e->entries[kind];
        if (entry.entered[run] == 0) continue;
        if (kind == kEntryTeam && !IsTeamCardNumber(entry.startNo)) continue;
        DrawText(engine, kStyleMediumBold, m.x[0], LabelWord(meet, words::kClass) + ": " + ClassName(meet, entry.classSlot));
        DrawText(engine, kStyleMediumBold, m.x[7],
                 ListWord(meet, words::kHandler) + ": " + std::string(FieldText(entry.handler)));
        engine.y += m.l[2];
        DrawText(engine, kStyleStartNumber, m.x[0], StartNumberText(meet, entry.classSlot, entry.startNo));
        engine.y += m.l[5] + m.t6;
    }
    return true;
}

bool RenderTeamCards(MeetState& meet, PrintEngine& engine, const PrintItem& item) {
    TeamRecord* team = TeamAt(meet, item.second);
    const std::string name = team != nullptr ? std::string(FieldText(team->teamName)) : std::string();
    BeginPageFrame(meet, engine, ListWord(meet, words::kStartNumberFor) + ": " + name);
    if (team == nullptr) return true;
    const PrintMetrics& m = engine.metrics;
    const int run = meet.info.currentRun;

    DrawText(engine, kStyleMediumBold, m.x[0], LabelWord(meet, words::kClass) + ": " + ClassName(meet, team->classSlot));
    engine.y += m.l[5];
    for (int place = 0; place < kTeamMembers; ++place) {
        const EquipageRecord* member = MemberEquipage(meet, *team, place);
        if (member == nullptr) continue;
        const ClassEntry& entry = member->entries[kEntryTeam];
        if (entry.entered[run] == 0) continue;
        DrawText(engine, kStyleMediumBold, m.x[0],
                 ListWord(meet, words::kRegNo) + ": " + std::string(FieldText(member->regNo)));
        DrawText(engine, kStyleMediumBold, m.x[7],
                 ListWord(meet, words::kHandler) + ": " + std::string(FieldText(entry.handler)));
        engine.y += m.l[4];
        DrawText(engine, kStyleStartNumber, m.x[0], StartNumberText(meet, entry.classSlot, entry.startNo));
        engine.y += m.t6 + m.l[4];
    }
    return true;
}

}  // namespace kavalto

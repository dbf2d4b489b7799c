// Scribe forms ("Skriverskjema"): the sheet on which the ring scribe notes
// a run, for one equipage in one class or for a whole team.
#include <cstdio>
#include <string>

#include "meet/class_catalogue.h"
#include "meet/text_field.h"
#include "printing/form_texts.h"
#include "printing/forms.h"
#include "printing/page_frame.h"

namespace kavalto {
namespace {

std::string ScribeTitle(MeetState& meet, int slot) {
    return ListWord(meet, words::kScribeSheet) + RunSuffix(meet, slot) + "  -  " + ClassName(meet, slot);
}

// "Banelengde:" and "Standard Tid:" with their boxes.
void CourseBoxes(MeetState& meet, PrintEngine& engine) {
    const PrintMetrics& m = engine.metrics;
    DrawText(engine, kStyleMediumBold, m.x[1], LabelWord(meet, words::kCourseLength) + ":");
    DrawBox(engine, kBoxThreeUnits, m.x[4]);
    DrawText(engine, kStyleMediumBold, m.x[8] + m.unit / 2, LabelWord(meet, words::kStandardTime) + ":");
    DrawBox(engine, kBoxThreeUnits, m.x[11]);
}

}  // namespace

bool RenderEquipageScribeForm(MeetState& meet, PrintEngine& engine, const PrintItem& item) {
    const EquipageRecord* e = EquipageAt(meet, item.second);
    const int kind = item.third;
    if (e == nullptr || kind < kEntryHopp || kind > kEntryAgilityOpen) return true;
    const ClassEntry& entry = e->entries[kind];
    BeginPageFrame(meet, engine, ScribeTitle(meet, entry.classSlot));
    const PrintMetrics& m = engine.metrics;
    const int u = m.unit;

    CourseBoxes(meet, engine);
    engine.y += m.l[8];
    const std::pair<std::string, std::string> lines[] = {
        {LabelWord(meet, words::kStartNoLabel), StartNumberText(meet, entry.classSlot, entry.startNo)},
        {LabelWord(meet, words::kName), CallOrDogName(*e)},
        {LabelWord(meet, words::kBreed), std::string(FieldText(e->breed))},
        {ListWord(meet, words::kHandler), std::string(FieldText(entry.handler))},
        {LabelWord(meet, words::kClub), std::string(FieldText(e->club))},
    };
    for (const auto& [label, value] : lines) {
        DrawText(engine, kStyleSmallBold, m.x[1], label);
        DrawText(engine, kStyleMediumBold, m.x[4], value);
        engine.y += m.l[6];
    }

    engine.y += 2 * m.l[8] - m.l[6];
    DrawText(engine, kStyleMediumBold, m.x[1], ListWord(meet, words::kTime) + ":");
    DrawBox(engine, kBoxThreeUnits, m.x[2]);
    DrawText(engine, kStyleMediumBold, m.x[8], LabelWord(meet, words::kDisk) + ":");
    DrawBox(engine, kBoxUnit, m.x[10] - u);
    DrawText(engine, kStyleMediumBold, m.x[11], ListWord(meet, words::kNotPresent) + ":");
    DrawBox(engine, kBoxUnit, m.x[13] - u / 4);

    engine.y += 2 * m.l[8];
    DrawText(engine, kStyleMediumBold, m.x[1], ListWord(meet, words::kFaultsAndRefusals) + ":");
    engine.y += m.l[6];
    DrawBox(engine, kBoxTally, m.x[4]);
    return true;
}

bool RenderTeamScribeForm(MeetState& meet, PrintEngine& engine, const PrintItem& item) {
    TeamRecord* team = TeamAt(meet, item.second);
    if (team == nullptr) return true;
    BeginPageFrame(meet, engine, ScribeTitle(meet, team->classSlot));
    const PrintMetrics& m = engine.metrics;

    CourseBoxes(meet, engine);
    engine.y += m.l[8];
    char number[64];
    std::snprintf(number, sizeof number, " %d    ", team->startNo);
    DrawText(engine, kStyleMediumBold, m.x[1],
             ListWord(meet, words::kTeamNo) + number + std::string(FieldText(team->teamName)) + "  -  " +
                 std::string(FieldText(team->club)));
    engine.y += m.l[8];

    const int valueWidth = m.x[7] - m.x[1] - m.indent;
    for (int place = 0; place < kTeamMembers; ++place) {
        const EquipageRecord* member = MemberEquipage(meet, *team, place);
        if (member == nullptr) continue;
        const ClassEntry& entry = member->entries[kEntryTeam];
        const int top = engine.y;
        const std::pair<std::string, std::string> lines[] = {
            {ListWord(meet, words::kDog), CallOrDogName(*member)},
            {ListWord(meet, words::kHandler), std::string(FieldText(entry.handler))},
            {LabelWord(meet, words::kStartNoLabel), StartNumberText(meet, team->classSlot, entry.startNo)},
        };
        for (const auto& [label, value] : lines) {
            DrawText(engine, kStyleSmallBold, m.x[1], label + ":");
            engine.y += m.l[3];
            DrawText(engine, kStyleSmall, m.x[1], value, true, valueWidth);
            engine.y += m.l[4];
        }

        engine.y = top;
        DrawText(engine, kStyleMediumBold, m.x[7], ListWord(meet, words::kTime) + ":");
        DrawBox(engine, kBoxThreeUnits, m.x[8]);
        DrawText(engine, kStyleMediumBold, m.x[11] + m.unit / 2, LabelWord(meet, words::kDisk) + ":");
        DrawBox(engine, kBoxUnit, m.x[12] + m.unit / 2);
        DrawText(engine, kStyleMediumBold, m.x[14], ListWord(meet, words::kNotPresent) + ":");
        DrawBox(engine, kBoxUnit, m.x[16]);
        engine.y += m.l[6];
        DrawText(engine, kStyleMediumBold, m.x[7], ListWord(meet, words::kFaultsAndRefusals) + ":");
        engine.y += m.l[4];
        DrawBox(engine, kBoxHalfPageTall, m.x[7]);
        engine.y += 3 * m.l[5] + m.l[5];
    }
    return true;
}

}  // namespace kavalto

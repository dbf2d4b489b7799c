// Entry forms: the blank form for an equipage and the team's form.
#include <cstdio>
#include <string>

#include "meet/text_field.h"
#include "printing/form_texts.h"
#include "printing/forms.h"
#include "printing/page_frame.h"

namespace kavalto {
namespace {

void LabelWithBox(PrintEngine& engine, const std::string& label, int labelX, int box, int boxX) {
    DrawText(engine, kStyleSmallBold, labelX, label);
    DrawBox(engine, box, boxX);
}

}  // namespace

bool RenderEquipageEntryForm(MeetState& meet, PrintEngine& engine, const PrintItem& /*item*/) {
    BeginPageFrame(meet, engine, ListWord(meet, words::kEquipageEntryForm));
    const PrintMetrics& m = engine.metrics;
    const int u = m.unit;

    DrawText(engine, kStyleMediumBold, m.x[0], LabelWord(meet, words::kDogRegistration));
    const std::string dogLabels[] = {ListWord(meet, words::kRegNo), LabelWord(meet, words::kName),
                                     LabelWord(meet, words::kBreed), LabelWord(meet, words::kSex),
                                     LabelWord(meet, words::kSize)};
    for (int i = 0; i < 5; ++i) {
        engine.y += m.l[7];
        LabelWithBox(engine, dogLabels[i], m.x[1], i == 4 ? kBoxThreeUnits : kBoxHalfPage, m.x[4]);
    }
    const std::string klasse = LabelWord(meet, words::kClass);
    LabelWithBox(engine, ListWord(meet, words::kAgility) + " " + klasse, m.x[7], kBoxUnit, m.x[9] + u / 3);
    LabelWithBox(engine, ListWord(meet, words::kHopp) + " " + klasse, m.x[11], kBoxUnit, m.x[13] + u / 4);

    engine.y += 2 * m.l[7];
    DrawText(engine, kStyleMediumBold, m.x[0], LabelWord(meet, words::kHandlerRegistration));
    for (const std::string& label : {LabelWord(meet, words::kName), LabelWord(meet, words::kAddress),
                                     LabelWord(meet, words::kClub), ListWord(meet, words::kPhone),
                                     LabelWord(meet, words::kEmail)}) {
        engine.y += m.l[7];
        LabelWithBox(engine, label, m.x[1], kBoxHalfPage, m.x[4]);
    }

    engine.y += 2 * m.l[7];
    DrawText(engine, kStyleMediumBold, m.x[0], ListWord(meet, words::kWishesToEnter));
    engine.y += m.l[7];
    DrawText(engine, kStyleMediumBold, m.x[1], ListWord(meet, words::kNoHeading));
    DrawText(engine, kStyleMediumBold, m.x[4], ListWord(meet, words::kTakesPart));
    DrawText(engine, kStyleMediumBold, m.x[6], ListWord(meet, words::kHandler));
    for (const std::string& label : {ListWord(meet, words::kAgility), ButtonWord(meet, words::kAgilityOpenButton),
                                     ListWord(meet, words::kHopp), ButtonWord(meet, words::kHoppOpenButton)}) {
        engine.y += m.l[7];
        LabelWithBox(engine, label, m.x[1], kBoxUnit, m.x[4]);
        DrawBox(engine, kBoxHalfPage, m.x[6]);
    }
    return true;
}

bool RenderTeamEntryForm(MeetState& meet, PrintEngine& engine, const PrintItem& item) {
    BeginPageFrame(meet, engine, ListWord(meet, words::kTeamEntryForm));
    const PrintMetrics& m = engine.metrics;
    const TeamRecord* team = TeamAt(meet, item.second);

    DrawText(engine, kStyleMediumBold, m.x[0], ListWord(meet, words::kTeamRegistration));
    std::string size;
    if (team != nullptr && team->size >= 0 && team->size <= 2) size = ListWord(meet, words::kSizeSmall + team->size);
    const std::pair<std::string, std::string> lines[] = {
        {LabelWord(meet, words::kName), team ? std::string(FieldText(team->teamName)) : ""},
        {LabelWord(meet, words::kClass), size},
        {LabelWord(meet, words::kClub), team ? std::string(FieldText(team->club)) : ""},
        {ListWord(meet, words::kContact), team ? std::string(FieldText(team->contact)) : ""},
        {LabelWord(meet, words::kEmail), team ? std::string(FieldText(team->email)) : ""},
    };
    for (const auto& [label, value] : lines) {
        engine.y += m.l[7];
        DrawText(engine, kStyleSmallBold, m.x[0], label);
        if (value.empty()) DrawBox(engine, kBoxHalfPage, m.x[4]);
        else DrawText(engine, kStyleMediumBold, m.x[4], value);
    }

    engine.y += m.l[7];
    DrawText(engine, kStyleMediumBold, m.x[0], LabelWord(meet, words::kEquipagesRegistration));
    const std::string equipage = ListWord(meet, words::kEquipage);
    for (int n = 1; n <= kTeamMembers; ++n) {
        engine.y += (n == 1 ? m.l[7] : m.l[6]);
        char heading[128];
        std::snprintf(heading, sizeof heading, "%s %d", equipage.c_str(), n);
        DrawText(engine, kStyleMediumBold, m.x[0], heading);
        engine.y += m.l[7];
        LabelWithBox(engine, LabelWord(meet, words::kStNo), m.x[1], kBoxThreeUnits, m.x[4]);
        LabelWithBox(engine, ListWord(meet, words::kRegNo), m.x[9], kBoxThreeAndHalfUnits, m.x[11]);
        engine.y += m.l[7];
        LabelWithBox(engine, ListWord(meet, words::kDogsName), m.x[1], kBoxHalfPage, m.x[4]);
        engine.y += m.l[7];
        LabelWithBox(engine, ListWord(meet, words::kHandler), m.x[1], kBoxHalfPage, m.x[4]);
    }
    return true;
}

}  // namespace kavalto

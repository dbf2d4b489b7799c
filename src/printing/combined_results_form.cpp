// Combined results: Hopp + Agility of an individual class, both runs of a
// team class.
#include <string>

#include "meet/class_catalogue.h"
#include "meet/text_field.h"
#include "printing/form_texts.h"
#include "printing/forms.h"
#include "printing/page_frame.h"
#include "rules/result_list.h"
#include "rules/result_texts.h"

namespace kavalto {
namespace {

void DrawColumnHeadings(MeetState& meet, PrintEngine& engine, const std::string& group2, const std::string& group3,
                        const std::string& name, const std::string& name2) {
    const PrintMetrics& m = engine.metrics;
    DrawHLine(engine, m.thinLine, m.ruleLeft, m.ruleRight, engine.y);
    engine.y += m.l[2];
    DrawText(engine, kStyleSmallBold, m.x[11], LabelWord(meet, words::kCombined));
    DrawText(engine, kStyleSmallBold, m.x[14], group2);
    DrawText(engine, kStyleSmallBold, m.x[16], group3);
    engine.y += m.l[4];
    DrawText(engine, kStyleSmallBold, m.x[1], name);
    DrawText(engine, kStyleSmallBold, m.x[6], name2);
    const std::string time = LabelWord(meet, words::kTimeLabel);
    const std::string faults = LabelWord(meet, words::kFaults);
    for (int column : {11, 14, 16}) {
        DrawText(engine, kStyleSmallBold, m.x[column], time);
        DrawText(engine, kStyleSmallBold, m.x[column + 1], faults);
    }
    engine.y += m.l[4];
    DrawHLine(engine, m.thinLine, m.ruleLeft, m.ruleRight, engine.y);
    engine.y += m.l[3];
}

bool Gone(const ResultRowTexts& t) { return t.eliminated || t.notPresent; }

void DrawRun(PrintEngine& engine, int style, int column, const ResultRowTexts& t) {
    const PrintMetrics& m = engine.metrics;
    DrawText(engine, style, m.x[column], FieldText(t.time));
    DrawText(engine, style, m.x[column + 1], FieldText(t.result));
}

// Rows after each other with a step; false when the page is full.
template <typename DrawOne>
bool DrawRows(PrintEngine& engine, int end, DrawOne drawOne) {
    const PrintMetrics& m = engine.metrics;
    while (engine.progress < end) {
        drawOne(engine.progress);
        ++engine.progress;
        engine.y += m.l[3];
        if (engine.progress < end && engine.y + m.l[3] > m.bottom) return false;
    }
    return true;
}

}  // namespace

bool RenderCombinedResults(MeetState& meet, PrintEngine& engine, const PrintItem& item) {
    const int slot = item.first;
    if (!IsClassSlot(slot) || IsTeamClass(slot)) return true;
    const std::string title = ListWord(meet, words::kCombinedPlural) + " " + ListWord(meet, words::kResults) + " " +
                              ListWord(meet, words::kFrom) + RunSuffix(meet, slot) + " - " +
                              CombinedClassName(meet, slot);
    BeginPageFrame(meet, engine, title);
    const PrintMetrics& m = engine.metrics;
    DrawColumnHeadings(meet, engine, ListWord(meet, words::kHopp), ListWord(meet, words::kAgility),
                       ListWord(meet, words::kDog), ListWord(meet, words::kHandler));

    const int hopp = IsHoppClass(slot) ? slot : TwinOfClass(slot);
    const int agility = IsHoppClass(slot) ? TwinOfClass(slot) : slot;
    const int run = meet.info.currentRun;
    BuildResultList(meet, slot, true);
    return DrawRows(engine, meet.resultList.placedOrEliminatedCount, [&](int row) {
        const FormattedRow f = FormatResultRow(meet, row);
        const ResultRowTexts hoppRun = FormatRunTexts(meet, hopp, -1, f.equipage, run);
        const ResultRowTexts agilityRun = FormatRunTexts(meet, agility, -1, f.equipage, run);
        const EquipageRecord* e = EquipageAt(meet, f.equipage);
        DrawText(engine, kStyleSmallBold, m.x[0], FieldText(f.texts.place));
        if (e != nullptr) {
            const int nameX = m.indent + m.x[1];
            const int handlerX = m.indent + m.x[6];
            DrawText(engine, kStyleSmallBold, nameX, FieldText(e->dogName), true, handlerX - nameX - m.indent);
            DrawText(engine, kStyleSmallBold, handlerX, FieldText(e->entries[kEntryTeam].handler), true,
                     m.x[11] - handlerX - m.indent);
        }
        if (Gone(hoppRun) || Gone(agilityRun)) {
            DrawText(engine, kStyleSmallBold, m.x[12], LabelWord(meet, words::kDiskUpper));
        } else {
            DrawText(engine, kStyleSmallBold, m.x[11], FieldText(f.texts.time));
            DrawText(engine, kStyleSmallBold, m.x[12], FieldText(f.texts.result));
        }
        DrawRun(engine, kStyleSmallBold, 14, hoppRun);
        DrawRun(engine, kStyleSmallBold, 16, agilityRun);
    });
}

bool RenderTeamCombinedResults(MeetState& meet, PrintEngine& engine, const PrintItem& item) {
    const int slot = item.first;
    // Only a class with both runs of a double meet has combined team results.
    if (!IsTeamClass(slot) || meet.info.singleRun != 0 || meet.classes[static_cast<size_t>(slot)].inRun[0] == 0 ||
        meet.classes[static_cast<size_t>(slot)].inRun[1] == 0) {
        return true;
    }
    const std::string title = ListWord(meet, words::kCombinedPlural) + " " + ListWord(meet, words::kResults) + " " +
                              ListWord(meet, words::kFrom) + " - " + ClassName(meet, slot);
    BeginPageFrame(meet, engine, title);
    const PrintMetrics& m = engine.metrics;
    DrawColumnHeadings(meet, engine, LabelWord(meet, words::kFirstRun), LabelWord(meet, words::kSecondRun),
                       ListWord(meet, words::kTeamSlashDog), ListWord(meet, words::kClubSlashHandler));

    BuildResultList(meet, slot, true);
    return DrawRows(engine, meet.resultList.placedOrEliminatedCount, [&](int row) {
        const FormattedRow f = FormatResultRow(meet, row);
        const ResultRowTexts first = FormatRunTexts(meet, slot, f.team, f.equipage, 0);
        const ResultRowTexts second = FormatRunTexts(meet, slot, f.team, f.equipage, 1);
        const int nameX = m.indent + m.x[1];
        if (f.equipage < 0) {
            engine.y += m.l[3];
            const TeamRecord* team = TeamAt(meet, f.team);
            DrawText(engine, kStyleSmallBold, m.x[0], FieldText(f.texts.place));
            if (team != nullptr) {
                DrawText(engine, kStyleSmallBold, nameX, FieldText(team->teamName), true, m.x[6] - nameX - m.indent);
                DrawText(engine, kStyleSmallBold, m.x[6], FieldText(team->club), true, m.x[11] - m.x[6] - m.indent);
            }
            DrawText(engine, kStyleSmallBold, m.x[11], FieldText(f.texts.time));
            DrawText(engine, kStyleSmallBold, m.x[12], FieldText(f.texts.result));
            DrawRun(engine, kStyleSmallBold, 14, first);
            DrawRun(engine, kStyleSmallBold, 16, second);
            return;
        }
        if (const EquipageRecord* e = EquipageAt(meet, f.equipage)) {
            const int handlerX = m.indent + m.x[6];
            DrawText(engine, kStyleSmall, nameX, FieldText(e->dogName), true, m.x[6] - nameX - m.indent);
            DrawText(engine, kStyleSmall, handlerX, FieldText(e->entries[kEntryTeam].handler), true,
                     m.x[11] - handlerX - m.indent);
        }
        if (Gone(first) || Gone(second)) {
            DrawText(engine, kStyleSmall, m.x[11], "-");
            DrawText(engine, kStyleSmall, m.x[12], "-");
        } else {
            DrawText(engine, kStyleSmall, m.x[11], FieldText(f.texts.time));
            DrawText(engine, kStyleSmall, m.x[12], FieldText(f.texts.result));
        }
        DrawRun(engine, kStyleSmall, 14, first);
        DrawRun(engine, kStyleSmall, 16, second);
    });
}

}  // namespace kavalto

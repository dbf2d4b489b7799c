// Results lists and judge lists of a class: individual and team.
#include <string>

#include "meet/class_catalogue.h"
#include "meet/text_field.h"
#include "printing/form_texts.h"
#include "printing/forms.h"
#include "printing/page_frame.h"
#include "rules/class_counts.h"
#include "rules/hundredths.h"
#include "rules/result_list.h"
#include "rules/result_texts.h"

namespace kavalto {
namespace {

std::string ListTitle(MeetState& meet, const PrintItem& item) {
    const bool judgeList = item.type == kFormJudgeList || item.type == kFormTeamJudgeList;
    std::string title = judgeList ? ListWord(meet, words::kJudgeList) + " " + ListWord(meet, words::kFor)
                                  : ListWord(meet, words::kResults) + " " + ListWord(meet, words::kFrom);
    return title + RunSuffix(meet, item.first) + " - " + ClassName(meet, item.first);
}

// The award column: first run of a level class at a club meet.
bool ShowsStatus(const MeetState& meet, int slot) {
    return meet.info.meetForm == 1 && meet.info.currentRun == 0 && !IsTeamClass(slot) && !IsOpenClass(slot);
}

void DrawClassHeader(MeetState& meet, PrintEngine& engine, int slot) {
    const PrintMetrics& m = engine.metrics;
    const ClassRecord& c = meet.classes[static_cast<size_t>(slot)];
    const int run = meet.info.currentRun;
    engine.y -= m.l[2];
    DrawText(engine, kStyleSmallBold, m.x[0], LabelWord(meet, words::kJudge) + ": " + std::string(FieldText(c.judge)));
    DrawText(engine, kStyleSmallBold, m.x[6],
             LabelWord(meet, words::kCourseLength) + ": " + Number(c.courseLength[run]));
    DrawText(engine, kStyleSmallBold, m.x[10],
             LabelWord(meet, words::kStandardTime) + ": " + FormatHundredths(c.standardTime[run]));
    if (c.maxTimeOn != 0) {
        DrawText(engine, kStyleSmallBold, m.x[14], LabelWord(meet, words::kMaxTime) + ": " + FormatHundredths(c.maxTime[run]));
    }
}

void DrawHeadings(MeetState& meet, PrintEngine& engine, int slot) {
    const PrintMetrics& m = engine.metrics;
    const int u = m.unit;
    const bool team = IsTeamClass(slot);
    DrawText(engine, kStyleSmallBold, m.x[1] - u / 3, LabelWord(meet, words::kStNo));
    DrawText(engine, kStyleSmallBold, m.x[2], team ? ListWord(meet, words::kTeamSlashDog) : ListWord(meet, words::kDog));
    DrawText(engine, kStyleSmallBold, m.x[6],
             team ? ListWord(meet, words::kClubSlashHandler) : ListWord(meet, words::kHandler));
    DrawText(engine, kStyleSmallBold, m.x[11] + u / 2, LabelWord(meet, words::kTimeLabel));
    DrawText(engine, kStyleSmallBold, m.x[12] + u / 2, LabelWord(meet, words::kTimeFaults));
    DrawText(engine, kStyleSmallBold, m.x[14], LabelWord(meet, words::kFaults));
    DrawText(engine, kStyleSmallBold, m.x[15], LabelWord(meet, words::kRefusals));
    DrawText(engine, kStyleSmallBold, m.x[16], LabelWord(meet, words::kTotalFaults));
    if (ShowsStatus(meet, slot)) DrawText(engine, kStyleSmallBold, m.x[18], LabelWord(meet, words::kStatus));
}

void DrawRow(MeetState& meet, PrintEngine& engine, int slot, int row) {
    const PrintMetrics& m = engine.metrics;
    const int u = m.unit;
    const FormattedRow f = FormatResultRow(meet, row);
    const ResultRowTexts& t = f.texts;
    const bool member = IsTeamClass(slot) && f.equipage >= 0;
    const int style = IsTeamClass(slot) && !member ? kStyleSmallBold : kStyleSmall;
    const int in = member ? m.indent : 0;

    std::string name(FieldText(t.name));
    if (member) {
        if (const EquipageRecord* e = EquipageAt(meet, f.equipage)) name = CallOrDogName(*e);
    }
    const int nameEnd = m.x[6] - m.indent;
    const int name2End = m.x[11] + u / 2 - m.indent;
    DrawText(engine, style, m.x[0], FieldText(t.place));
    DrawText(engine, style, m.x[1] - u / 3 + in, FieldText(t.startNo));
    DrawText(engine, style, m.x[2] + in, name, true, nameEnd - (m.x[2] + in));
    DrawText(engine, style, m.x[6] + in, FieldText(t.name2), true, name2End - (m.x[6] + in));
    DrawText(engine, style, m.x[11] + u / 2, FieldText(t.time));
    DrawText(engine, style, m.x[12] + u / 2 + u / 3, FieldText(t.timeFaults));
    DrawText(engine, style, m.x[14] + u / 4, FieldText(t.faults));
    DrawText(engine, style, m.x[15] + u / 4, FieldText(t.refusals));
    DrawText(engine, style, m.x[16], FieldText(t.result));
    if (ShowsStatus(meet, slot)) DrawText(engine, style, m.x[18], FieldText(t.award));
}

}  // namespace

bool RenderResultsList(MeetState& meet, PrintEngine& engine, const PrintItem& item) {
    const int slot = item.first;
    BeginPageFrame(meet, engine, ListTitle(meet, item));
    if (!IsClassSlot(slot)) return true;
    const PrintMetrics& m = engine.metrics;

    DrawClassHeader(meet, engine, slot);
    engine.y += m.l[4];
    DrawHLine(engine, m.thinLine, m.ruleLeft, m.ruleRight, engine.y);
    engine.y += m.l[3];
    DrawHeadings(meet, engine, slot);
    engine.y += m.l[4];
    DrawHLine(engine, m.thinLine, m.ruleLeft, m.ruleRight, engine.y);
    engine.y += m.l[5];

    // Rebuilt on every page: the shared list must belong to this form.
    BuildResultList(meet, slot, false);
    const int entrants = IsTeamClass(slot) ? CountTeamEntrants(meet, slot) : CountEntrants(meet, slot);
    if (entrants == 0) return true;
    const int end = meet.resultList.placedOrEliminatedCount;
    while (engine.progress < end) {
        DrawRow(meet, engine, slot, engine.progress);
        ++engine.progress;
        engine.y += m.l[4];
        if (engine.progress < end && engine.y + m.l[4] > m.bottom) return false;
    }
    return true;
}

}  // namespace kavalto

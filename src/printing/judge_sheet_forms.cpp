// Judge sheets ("Kritikkskjema"): one equipage's or one team's run with
// the class's figures, for the judge's comments. Only a run that is placed
// or eliminated gets a sheet; otherwise not even the page frame is drawn.
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
#include "rules/scoring.h"

namespace kavalto {
namespace {

struct SheetLine {
    std::string label;
    std::string value;
};

// Labels and values in style 4 a line apart; groups one L7 apart.
void DrawGroup(PrintEngine& engine, std::initializer_list<SheetLine> lines) {
    const PrintMetrics& m = engine.metrics;
    for (const SheetLine& line : lines) {
        DrawText(engine, kStyleLargeBold, m.x[0], line.label + ":");
        DrawText(engine, kStyleLargeBold, m.x[4], line.value);
        engine.y += m.l[4];
    }
    engine.y += m.l[7] - m.l[4];
}

// The row of the placed or eliminated part of meet.resultList that holds
// the equipage (team row: equipage -1), or -1.
int FindRow(const MeetState& meet, int32_t team, int32_t equipage) {
    const ResultList& list = meet.resultList;
    for (int row = 0; row < list.placedOrEliminatedCount && row < static_cast<int>(list.rows.size()); ++row) {
        const ResultRow& r = list.rows[static_cast<size_t>(row)];
        if (r.equipage == equipage && (team < 0 || r.team == team)) return row;
    }
    return -1;
}

// Metres per second from a course length and a time in hundredths, in
// hundredths, as the results page works it out (single precision, truncated).
int32_t SpeedHundredths(int32_t courseLength, int32_t time) {
    const float seconds = static_cast<float>(time) / 100.0f;
    return static_cast<int32_t>(static_cast<float>(courseLength) / seconds * 100.0f);
}

void ClassFigures(MeetState& meet, PrintEngine& engine, int slot) {
    const ClassRecord& c = meet.classes[static_cast<size_t>(slot)];
    const int run = meet.info.currentRun;
    DrawText(engine, kStyleLargeBold, engine.metrics.x[0], LabelWord(meet, words::kCourseLength) + ":");
    DrawText(engine, kStyleLargeBold, engine.metrics.x[4], Number(c.courseLength[run]));
    engine.y += engine.metrics.l[4];
    DrawText(engine, kStyleLargeBold, engine.metrics.x[0], LabelWord(meet, words::kStandardTime) + ":");
    DrawText(engine, kStyleLargeBold, engine.metrics.x[4], FormatHundredths(c.standardTime[run]));
    engine.y += engine.metrics.l[4];
    if (c.maxTimeOn != 0) {
        DrawText(engine, kStyleLargeBold, engine.metrics.x[0], LabelWord(meet, words::kMaxTime) + ":");
        DrawText(engine, kStyleLargeBold, engine.metrics.x[4], FormatHundredths(c.maxTime[run]));
        engine.y += engine.metrics.l[4];
    }
    engine.y += engine.metrics.l[7] - engine.metrics.l[4];
}

bool Eliminated(const RunScore& s) { return s.disqualified != 0 || s.overMaxTime != 0 || s.threeRefusals != 0; }

}  // namespace

bool RenderJudgeSheet(MeetState& meet, PrintEngine& engine, const PrintItem& item) {
    const int32_t index = item.second;
    const int kind = item.third;
    const EquipageRecord* e = EquipageAt(meet, index);
    if (e == nullptr || kind < kEntryHopp || kind > kEntryAgilityOpen) return true;
    const int slot = e->entries[kind].classSlot;
    if (!IsClassSlot(slot) || !IsRunIndex(meet.info.currentRun)) return true;
    BuildResultList(meet, slot, false);
    const int row = FindRow(meet, -1, index);
    if (row < 0) return true;
    const std::string place(FieldText(FormatResultRow(meet, row).texts.place));

    BeginPageFrame(meet, engine,
                   ListWord(meet, words::kJudgeSheet) + RunSuffix(meet, slot) + "  -  " + std::string(FieldText(e->dogName)));
    const PrintMetrics& m = engine.metrics;
    const ClassEntry& entry = e->entries[kind];
    const ClassRecord& c = meet.classes[static_cast<size_t>(slot)];
    const int run = meet.info.currentRun;

    DrawGroup(engine, {{LabelWord(meet, words::kClass), ClassName(meet, slot)},
                       {LabelWord(meet, words::kJudge), std::string(FieldText(c.judge))},
                       {ListWord(meet, words::kEntrants), Number(CountEntrants(meet, slot))}});
    DrawGroup(engine, {{LabelWord(meet, words::kStNo), StartNumberText(meet, slot, entry.startNo)},
                       {ListWord(meet, words::kDog), std::string(FieldText(e->dogName))},
                       {ListWord(meet, words::kHandler), std::string(FieldText(entry.handler))}});
    ClassFigures(meet, engine, slot);

    ScoreRun(meet, run, index, kind, slot);
    const RunScore s = meet.runScore;
    DrawText(engine, kStyleLargeBold, m.x[0], ListWord(meet, words::kTimeUsed) + ":");
    DrawText(engine, kStyleLargeBold, m.x[4], FormatHundredths(s.time));
    engine.y += m.l[4];
    if (s.time != 0) {
        DrawText(engine, kStyleLargeBold, m.x[0], ListWord(meet, words::kSpeed) + ":");
        DrawText(engine, kStyleLargeBold, m.x[4], FormatHundredths(SpeedHundredths(c.courseLength[run], s.time)));
        engine.y += m.l[4];
    }
    DrawGroup(engine, {{LabelWord(meet, words::kTimeFaults), FormatHundredths(s.timeFaults)},
                       {LabelWord(meet, words::kFaults), Number(s.faults)},
                       {LabelWord(meet, words::kRefusals), Number(s.refusals)},
                       {LabelWord(meet, words::kTotalFaults), FormatHundredths(s.totalFaults)}});

    std::string placing = place;
    if (Eliminated(s)) placing = LabelWord(meet, words::kDiskUpper);
    else if (s.notPresent != 0 || s.time == 0) placing = LabelWord(meet, words::kAbsent);
    DrawText(engine, kStyleLargerBold, m.x[0], LabelWord(meet, words::kPlacing) + ":");
    DrawText(engine, kStyleLargerBold, m.x[4], placing);
    if (!IsOpenClass(slot) && meet.info.meetForm == 1) {
        engine.y += m.l[4];
        DrawText(engine, kStyleLargeBold, m.x[0], LabelWord(meet, words::kStatus) + ":");
        DrawText(engine, kStyleLargeBold, m.x[4], AwardText(meet, slot, index));
    }
    return true;
}

bool RenderTeamJudgeSheet(MeetState& meet, PrintEngine& engine, const PrintItem& item) {
    const int32_t index = item.second;
    TeamRecord* team = TeamAt(meet, index);
    if (team == nullptr || !IsTeamClass(team->classSlot) || !IsRunIndex(meet.info.currentRun)) return true;
    const int slot = team->classSlot;
    BuildResultList(meet, slot, false);
    const int row = FindRow(meet, index, -1);
    if (row < 0) return true;
    const FormattedRow teamRow = FormatResultRow(meet, row);
    const ResultRowTexts& t = teamRow.texts;

    BeginPageFrame(meet, engine,
                   ListWord(meet, words::kJudgeSheet) + RunSuffix(meet, slot) + "  -  " +
                       std::string(FieldText(team->teamName)));
    const PrintMetrics& m = engine.metrics;
    const int run = meet.info.currentRun;
    int teams = 0;
    for (const TeamRecord& other : meet.teams) teams += other.classSlot == slot ? 1 : 0;

    DrawGroup(engine, {{LabelWord(meet, words::kClass), ClassName(meet, slot)},
                       {LabelWord(meet, words::kJudge), std::string(FieldText(meet.classes[static_cast<size_t>(slot)].judge))},
                       {ListWord(meet, words::kTeamCount), Number(teams)}});
    DrawGroup(engine, {{LabelWord(meet, words::kName), std::string(FieldText(team->teamName))},
                       {LabelWord(meet, words::kClub), std::string(FieldText(team->club))}});
    ClassFigures(meet, engine, slot);

    const bool placed = row < meet.resultList.placedCount;
    DrawGroup(engine, {{ListWord(meet, words::kTime), std::string(FieldText(t.time))},
                       {LabelWord(meet, words::kTimeFaults), std::string(FieldText(t.timeFaults))},
                       {LabelWord(meet, words::kFaults), std::string(FieldText(t.faults))},
                       {LabelWord(meet, words::kRefusals), std::string(FieldText(t.refusals))},
                       {LabelWord(meet, words::kTotalFaults), placed ? std::string(FieldText(t.result)) : ""}});
    std::string placing(FieldText(t.place));
    if (t.eliminated) placing = LabelWord(meet, words::kDiskUpper);
    else if (t.notPresent) placing = LabelWord(meet, words::kAbsent);
    DrawGroup(engine, {{LabelWord(meet, words::kPlacing), placing}});

    const int columns[] = {m.x[6], m.x[8], m.x[10], m.x[12], m.x[14]};
    DrawText(engine, kStyleLargeBold, m.x[0], ListWord(meet, words::kEquipage));
    const std::string headings[] = {ListWord(meet, words::kTime), LabelWord(meet, words::kTimeFaults),
                                    LabelWord(meet, words::kFaults), LabelWord(meet, words::kRefusals),
                                    LabelWord(meet, words::kTotalFaults)};
    for (int i = 0; i < 5; ++i) DrawText(engine, kStyleLargeBold, columns[i], headings[i]);
    engine.y += m.l[4];
    for (int place = 0; place < kTeamMembers; ++place) {
        const int32_t member = team->members[place];
        const EquipageRecord* e = EquipageAt(meet, member);
        if (e == nullptr) continue;
        ScoreRun(meet, run, member, kEntryTeam, slot);
        const RunScore s = meet.runScore;
        if (s.notPresent != 0) continue;
        DrawText(engine, kStyleLargeBold, m.x[0], CallOrDogName(*e), true, columns[0] - m.x[0] - m.indent);
        if (Eliminated(s)) {
            DrawText(engine, kStyleLargeBold, columns[0], LabelWord(meet, words::kDiskUpper));
        } else {
            const std::string values[] = {FormatHundredths(s.time), FormatHundredths(s.timeFaults), Number(s.faults),
                                          Number(s.refusals), FormatHundredths(s.totalFaults)};
            for (int i = 0; i < 5; ++i) DrawText(engine, kStyleLargeBold, columns[i], values[i]);
        }
        engine.y += m.l[4];
    }
    return true;
}

}  // namespace kavalto

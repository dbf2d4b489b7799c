#include "rules/result_texts.h"

#include <charconv>
#include <cstddef>

#include "app/text_tables.h"
#include "meet/class_catalogue.h"
#include "meet/text_field.h"
#include "rules/hundredths.h"
#include "rules/scoring.h"

namespace kavalto {
namespace {

constexpr TextId kTextDisk = 354;     // "DISK"
constexpr TextId kTextAbsent = 356;   // "I.M."

void PutNumber(char (&field)[100], int32_t value) {
    const auto end = std::to_chars(field, field + sizeof field - 1, value).ptr;
    *end = '\0';
}

// The run texts and the three flags of a score; what a row or a single run
// shows of its result.
void FillRunTexts(MeetState& meet, const RunScore& s, ResultRowTexts& t) {
    const bool shown = s.notPresent != 0 || s.disqualified != 0 || s.overMaxTime != 0 || s.threeRefusals != 0 ||
                       s.time != 0;
    t.noResult = !shown;
    t.eliminated = shown && (s.disqualified != 0 || s.overMaxTime != 0 || s.threeRefusals != 0);
    t.notPresent = s.notPresent != 0;
    if (!shown) return;
    // A run eliminated for its time or its refusals still shows what was run.
    if (s.disqualified == 0 && s.notPresent == 0) {
        CopyText(t.time, FormatHundredths(s.time));
        CopyText(t.timeFaults, FormatHundredths(s.timeFaults));
        PutNumber(t.faults, s.faults);
        PutNumber(t.refusals, s.refusals);
    }
    if (s.disqualified != 0) {
        CopyText(t.result, LookupLabelText(meet, kTextDisk));
    } else if (s.notPresent != 0) {
        CopyText(t.result, LookupLabelText(meet, kTextAbsent));
    } else if (s.overMaxTime != 0 || s.threeRefusals != 0) {
        CopyText(t.result, LookupLabelText(meet, kTextDisk));
    } else {
        CopyText(t.result, FormatHundredths(s.totalFaults));
    }
}

}  // namespace

FormattedRow FormatResultRow(MeetState& meet, int row) {
    FormattedRow out;
    out.texts.noResult = true;
    const ResultList& list = meet.resultList;
    if (row < 0 || static_cast<size_t>(row) >= list.rows.size() || !IsClassSlot(list.classSlot)) return out;
    const ResultRow r = list.rows[static_cast<size_t>(row)];
    const int slot = list.classSlot;
    const int run = list.run;
    const bool teamRow = r.equipage < 0;
    if (teamRow ? (r.team < 0 || r.team >= meet.teamCount()) : !IsEquipageIndex(meet, r.equipage)) return out;
    out.team = r.team;
    out.equipage = r.equipage;
    out.entryKind = EntryOfClass(slot);

    // A member row is scored as an equipage of the team class.
    if (teamRow) {
        ScoreTeamBothRuns(meet, run, r.team, slot, list.combined);
    } else {
        ScoreWithTwin(meet, run, r.equipage, slot, list.combined);
    }
    const RunScore score = teamRow ? meet.teamScore : meet.runScore;
    ResultRowTexts& t = out.texts;
    FillRunTexts(meet, score, t);

    if (!t.noResult && !t.eliminated && !t.notPresent && (!IsTeamClass(slot) || teamRow)) {
        PutNumber(t.place, r.place == 0 ? 1 : r.place);
    }
    // The start number shows when the class of the row's own entry (or of
    // the team) takes part in the run.
    if (teamRow) {
        const TeamRecord& team = meet.teams[static_cast<size_t>(r.team)];
        if (TakesPart(meet, team.classSlot, run)) PutNumber(t.startNo, team.startNo);
        CopyText(t.name, FieldText(team.teamName));
        CopyText(t.name2, FieldText(team.club));
    } else {
        const EquipageRecord& e = meet.equipages[static_cast<size_t>(r.equipage)];
        const ClassEntry& entry = e.entries[out.entryKind];
        if (TakesPart(meet, entry.classSlot, run)) PutNumber(t.startNo, entry.startNo);
        CopyText(t.name, FieldText(e.dogName));
        CopyText(t.name2, FieldText(entry.handler));
    }
    if (!t.noResult && run == 0) CopyText(t.award, AwardText(meet, slot, r.equipage));
    return out;
}

ResultRowTexts FormatRunTexts(MeetState& meet, int classSlot, int team, int equipage, int run) {
    ResultRowTexts texts{};
    if (equipage == -1) {
        ScoreTeam(meet, run, team, classSlot);
        FillRunTexts(meet, meet.teamScore, texts);
    } else {
        ScoreRun(meet, run, equipage, EntryOfClass(classSlot), classSlot);
        FillRunTexts(meet, meet.runScore, texts);
    }
    return texts;
}

}  // namespace kavalto

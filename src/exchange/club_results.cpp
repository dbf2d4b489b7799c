#include "exchange/club_results.h"

#include <array>
#include <string_view>

#include "meet/reported_write.h"
#include "exchange/results_checksum.h"
#include "meet/class_catalogue.h"
#include "meet/text_field.h"
#include "rules/hundredths.h"
#include "rules/result_list.h"
#include "rules/result_texts.h"

namespace kavalto {
namespace {

constexpr std::array<const char*, 24> kColumns = {
    "UTID",      "KLASSE", "DOMMER",  "STDTID",   "MAXTID", "LENGDE", "HUID",     "KATANR",
    "Agil_lagnavn", "PLASSERING", "TID", "TIDFEIL", "FEIL", "VEGRINGER", "TOTFEIL", "DISK",
    "IKKEMOTT",  "ETTERANM", "NAPP",  "CERT",     "STORCERT", "CHAMP", "CACIAC",  "RCACIAC"};

class LineWriter {
public:
    explicit LineWriter(std::string& out) : out_(out) {}
    void Value(std::string_view value) {
        if (count_++ != 0) out_ += '|';
        out_ += value;
    }
    void Flag(bool yes) { Value(yes ? "J" : "N"); }
    void End() {
        out_.append(kClubLineEnd, sizeof kClubLineEnd);
        count_ = 0;
    }

private:
    std::string& out_;
    int count_ = 0;
};

void WriteResultLine(MeetState& meet, int slot, const FormattedRow& row, std::string& out) {
    const ClassRecord& c = meet.classes[static_cast<size_t>(slot)];
    const ResultRowTexts& t = row.texts;
    const bool teamRow = row.equipage < 0;
    const bool eliminated = t.eliminated;
    const bool absent = t.notPresent;

    LineWriter line(out);
    line.Value(FieldText(meet.info.meetId));
    line.Value(ClassCode(slot));
    line.Value(FieldText(c.judge));
    line.Value(FormatHundredths(c.standardTime[0]));
    line.Value(c.maxTimeOn != 0 ? FormatHundredths(c.maxTime[0]) : " ");
    line.Value(std::to_string(c.courseLength[0]));
    if (teamRow) {
        const TeamRecord& team = meet.teams[static_cast<size_t>(row.team)];
        line.Value(FieldText(team.teamNo));
        line.Value(std::to_string(team.startNo));
        line.Value(FieldText(team.teamName));
    } else {
        const EquipageRecord& e = meet.equipages[static_cast<size_t>(row.equipage)];
        line.Value(FieldText(e.regNo));
        line.Value(std::to_string(e.entries[row.entryKind].startNo));
        line.Value(" ");
    }
    line.Value(FieldText(t.place));
    line.Value(FieldText(t.time));
    line.Value(FieldText(t.timeFaults));
    line.Value(FieldText(t.faults));
    line.Value(FieldText(t.refusals));
    line.Value(eliminated || absent ? std::string_view(" ") : FieldText(t.result));
    line.Flag(eliminated);
    line.Flag(absent);
    if (teamRow) {
        line.Flag(meet.teams[static_cast<size_t>(row.team)].lateEntry != 0);
        for (int n = 0; n < 6; ++n) line.Flag(false);  // NAPP .. RCACIAC
    } else {
        const EquipageRecord& e = meet.equipages[static_cast<size_t>(row.equipage)];
        line.Flag(e.lateEntry != 0);
        line.Flag(e.entries[row.entryKind].awards[kAwardNapp] != 0);
        line.Flag(HasAward(meet, row.equipage, row.entryKind, kAwardCert));
        line.Flag(false);  // STORCERT is never given here
        line.Flag(HasAward(meet, row.equipage, row.entryKind, kAwardChampion));
        line.Flag(HasAward(meet, row.equipage, row.entryKind, kAwardCaciac));
        line.Flag(HasAward(meet, row.equipage, row.entryKind, kAwardReserveCaciac));
    }
    line.End();
}

// One pass over every exported row: each class of the first run in slot
// order, its list in list order, without the Open classes and without the
// members of teams. Answers the times total; writes the lines when given
// somewhere to put them. The total wraps at 32 bits as the club's program
// adds it.
int32_t ClubResultsPass(MeetState& meet, std::string* lines) {
    uint32_t total = 0;
    for (int slot = 0; slot < kClassCount; ++slot) {
        if (meet.classes[static_cast<size_t>(slot)].inRun[0] == 0) continue;
        // The Open classes' lists are built too (they set their "Napp"
        // marks as the results page would), but none of their rows is sent.
        BuildResultList(meet, slot, false);
        if (IsOpenClass(slot)) continue;
        const int rows = static_cast<int>(meet.resultList.rows.size());
        for (int r = 0; r < rows; ++r) {
            if (IsTeamClass(slot) && meet.resultList.rows[static_cast<size_t>(r)].equipage >= 0) continue;
            const FormattedRow row = FormatResultRow(meet, r);
            if (row.team < 0 && row.equipage < 0) continue;  // a row that no longer names an entrant
            total += static_cast<uint32_t>(ParseHundredths(FieldText(row.texts.time)));
            if (lines != nullptr) WriteResultLine(meet, slot, row, *lines);
        }
    }
    return static_cast<int32_t>(total);
}

}  // namespace

std::vector<uint8_t> ClubResultsBytes(MeetState& meet) {
    const int32_t savedRun = meet.info.currentRun;
    meet.info.currentRun = 0;
    // The first pass only counts, so the checksum can head the file; the
    // second rebuilds the same lists and writes them.
    const int32_t total = ClubResultsPass(meet, nullptr);
    std::string text = ResultsChecksum(meet, total);
    text.append(kClubLineEnd, sizeof kClubLineEnd);
    LineWriter header(text);
    for (const char* key : kColumns) header.Value(key);
    header.End();
    ClubResultsPass(meet, &text);
    meet.info.currentRun = savedRun;
    return std::vector<uint8_t>(text.begin(), text.end());
}

bool ExportClubResults(MeetState& meet, const std::string& path) {
    const std::vector<uint8_t> bytes = ClubResultsBytes(meet);
    return WriteFileReported(*meet.notifier, path, bytes);
}

}  // namespace kavalto

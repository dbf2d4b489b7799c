#include "exchange/entries_import.h"

#include <string_view>
#include <unordered_map>
#include <vector>

#include "exchange/entries_record.h"
#include "exchange/exchange_texts.h"
#include "meet/class_catalogue.h"
#include "meet/read_file.h"
#include "meet/text_field.h"
#include "rules/start_order.h"

namespace kavalto {
namespace {

// Field numbers of a record, as the club counts them (1..24).
enum Field : int {
    kMeetId = 1,
    kMeetKind = 2,
    kRuns = 3,
    kRegNo = 4,
    kClassCode = 5,
    kJudge = 6,
    kDogClasses = 7,
    kDogName = 8,
    kCallName = 9,
    kSex = 10,
    kStartNo = 11,
    kBreed = 12,
    kTeamName = 13,
    kClub = 14,
    kHandler = 15,
    kAddress = 16,
    kPlaceFirst = 17,
    kPlaceSecond = 18,
    kPlaceLeading = 19,
    kOtherClub = 20,
    kEmail = 21,
};

class ImportRun {
public:
    ImportRun(MeetState& meet, EntriesMode mode) : meet_(meet), mode_(mode) {
        for (int32_t i = 0; i < meet.equipageCount(); ++i) RememberRegNo(i);
    }

    // One record with its meet identifier already checked.
    void Record(const EntriesRecord& record) {
        record_ = &record;
        EquipageRecord& dog = scratch_;
        dog = EquipageRecord{};
        ClearEquipage(dog);
        CopyText(dog.regNo, F(kRegNo));

        const ParsedClassCode code = ParseClassCode(F(kClassCode));
        if (!code.found) return;
        int slot = code.slot;
        if (code.kind != 'O') dog.size = code.size;
        // The judge goes to the class the code names, before an Open code
        // is moved to the dog's size.
        if (!F(kJudge).empty()) CopyText(meet_.classes[static_cast<size_t>(slot)].judge, F(kJudge));
        slot = ReadDogClasses(code, slot);
        ReadDogFields();
        meet_.classes[static_cast<size_t>(slot)].inRun[0] = 1;

        if (dog.regNo[0] == '\0') return;
        if (code.kind == 'L') {
            AddTeam(code);
        } else {
            AddEntry(slot);
        }
    }

private:
    MeetState& meet_;
    EntriesMode mode_;
    const EntriesRecord* record_ = nullptr;
    EquipageRecord scratch_{};
    // The first equipage of each registration number.
    std::unordered_map<std::string, int32_t> byRegNo_;

    const std::string& F(Field field) const { return record_->fields[static_cast<size_t>(field - 1)]; }

    void RememberRegNo(int32_t index) {
        byRegNo_.emplace(std::string(FieldText(meet_.equipages[static_cast<size_t>(index)].regNo)), index);
    }

    // An Open code takes the dog's size from the first of the dog's codes;
    // the catch-all Open codes move to the Open class of that size. Other
    // codes give the dog's levels. Answers the slot the entry goes to.
    int ReadDogClasses(const ParsedClassCode& code, int slot) {
        EquipageRecord& dog = scratch_;
        const std::string_view codes = F(kDogClasses);
        if (code.kind == 'O') {
            const ParsedClassCode own = ParseClassCode(codes.substr(0, codes.find(',')));
            dog.size = own.found ? own.size : 0;
            if (slot == 15 || slot == 3) slot += 4 * dog.size;
            return slot;
        }
        std::string_view rest = codes;
        for (int n = 0; n < 3; ++n) {
            const size_t comma = rest.find(',');
            const ParsedClassCode level = ParseClassCode(rest.substr(0, comma));
            if (level.kind == 'A') dog.agilityLevel = level.level;
            if (level.kind == 'H') dog.hoppLevel = level.level;
            if (comma == std::string_view::npos) break;
            rest.remove_prefix(comma + 1);
        }
        return slot;
    }

    void ReadDogFields() {
        EquipageRecord& dog = scratch_;
        CopyText(dog.dogName, F(kDogName));
        CopyText(dog.callName, F(kCallName));
        const std::string& sex = F(kSex);
        dog.sex = !sex.empty() && (sex[0] == 'H' || sex[0] == 'h') ? 1 : 0;
        CopyText(dog.breed, F(kBreed));
        CopyText(dog.club, F(kClub));
        CopyText(dog.handlerName, F(kHandler));
        CopyText(dog.address, F(kAddress));
        // "first second" with a blank after each non-empty step, the leading
        // part in front without one.
        std::string place = F(kPlaceFirst);
        if (!place.empty()) place += ' ';
        place += F(kPlaceSecond);
        if (!place.empty()) place += ' ';
        CopyText(dog.place, F(kPlaceLeading) + place);
        // An alternative club name; it never replaces the place.
        if (!F(kOtherClub).empty() && dog.club[0] == '\0') CopyText(dog.club, F(kOtherClub));
        CopyText(dog.email, F(kEmail));
    }

    void AddTeam(const ParsedClassCode& code) {
        const std::string_view teamNo = F(kRegNo);
        const int32_t startNo = ParseEntriesNumber(F(kStartNo));
        for (const TeamRecord& t : meet_.teams) {
            if (mode_ == EntriesMode::kUpdate && FieldText(t.teamNo) == teamNo) return;  // known team
            if (t.startNo == startNo) return;  // the number is taken: the first team keeps it
        }
        TeamRecord team{};
        NewTeam(team);
        CopyText(team.teamNo, teamNo);
        CopyText(team.teamName, F(kTeamName));
        CopyText(team.contact, F(kHandler));
        team.size = code.size;
        team.classSlot = code.slot;
        team.startNo = startNo;
        team.inRun[0] = 1;
        team.reserved536 = scratch_.reserved1136;
        if (!AppendTeam(meet_, team)) return;
        if (mode_ == EntriesMode::kUpdate) OrderTeamMembers(meet_);
    }

    void AddEntry(int slot) {
        const int entryKind = EntryOfClass(slot);
        const int32_t startNo = ParseEntriesNumber(F(kStartNo));
        const auto known = byRegNo_.find(std::string(FieldText(scratch_.regNo)));
        int32_t index = known == byRegNo_.end() ? -1 : known->second;

        if (mode_ == EntriesMode::kUpdate && index >= 0) {
            ClassEntry& entry = meet_.equipages[static_cast<size_t>(index)].entries[entryKind];
            if (entry.entered[0] != 0) return;
            entry.classSlot = slot;
            entry.startNo = startNo;
            entry.entered[0] = 1;
            AppendToStartOrder(meet_, slot, index);
            return;
        }
        if (index < 0) {
            if (!AppendEquipage(meet_, scratch_)) return;
            index = meet_.equipageCount() - 1;
            RememberRegNo(index);
        }
        // The first record of a dog supplies its data; later ones add classes.
        EquipageRecord& dog = meet_.equipages[static_cast<size_t>(index)];
        for (ClassEntry& entry : dog.entries) CopyText(entry.handler, FieldText(dog.handlerName));
        ClassEntry& entry = dog.entries[entryKind];
        entry.classSlot = slot;
        entry.startNo = startNo;
        entry.entered[0] = 1;
        const int level = LevelOfClass(slot);
        if (level >= 0) (IsHoppClass(slot) ? dog.hoppLevel : dog.agilityLevel) = level;
        if (mode_ == EntriesMode::kUpdate) AppendToStartOrder(meet_, slot, index);
    }
};

// A freshly opened file ends with the teams by size and every class in
// start-number order.
void FinishOpenedMeet(MeetState& meet) {
    SortTeamsBySize(meet);
    OrderAllClasses(meet);
}

}  // namespace

EntriesImport ImportEntriesBytes(MeetState& meet, std::span<const uint8_t> bytes, EntriesMode mode) {
    meet.info.currentRun = 0;
    EntriesReader reader(bytes);
    EntriesRecord record;
    // The first record decides before anything is replaced.
    bool haveRecord = reader.Next(record);
    if (mode == EntriesMode::kUpdate && haveRecord && !record.fields[0].empty() &&
        record.fields[0] != FieldText(meet.info.meetId)) {
        meet.notifier->Warn(kTextEntriesWrongMeetId);
        return EntriesImport::kRefused;
    }
    if (mode == EntriesMode::kOpen) {
        FreeArrays(meet);
        ResetClasses(meet);
    }

    ImportRun run(meet, mode);
    for (int number = 1; haveRecord; ++number, haveRecord = reader.Next(record)) {
        const std::string& meetId = record.fields[0];
        if (meetId.empty()) continue;  // skipped, but it keeps its number
        if (number == 1) {
            if (mode == EntriesMode::kOpen) {
                CopyText(meet.info.meetId, meetId);
                meet.info.meetForm = ParseEntriesNumber(record.fields[1]) == -1 ? 0 : 1;
                meet.info.singleRun = ParseEntriesNumber(record.fields[2]) == 1 ? 0 : 1;
            }
        } else if (meetId != FieldText(meet.info.meetId)) {
            meet.notifier->Warn(kTextEntriesWrongFormat);
            // An update has put each new entry last already; rebuilding the
            // orders would undo the operator's own order of the known dogs.
            if (mode == EntriesMode::kOpen) FinishOpenedMeet(meet);
            return EntriesImport::kRefused;
        }
        run.Record(record);
    }
    if (mode == EntriesMode::kOpen) FinishOpenedMeet(meet);
    return EntriesImport::kImported;
}

EntriesImport ImportEntries(MeetState& meet, const std::string& path, EntriesMode mode) {
    std::vector<uint8_t> bytes;
    if (path.empty() || !ReadWholeFile(path, bytes)) return EntriesImport::kCannotOpen;
    return ImportEntriesBytes(meet, bytes, mode);
}

}  // namespace kavalto

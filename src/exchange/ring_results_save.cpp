#include <cstring>

#include "meet/reported_write.h"
#include "exchange/ring_results.h"
#include "meet/class_catalogue.h"

namespace kavalto {
namespace {

// The ring marks as they were, to put back when the file is not written.
struct RingMarks {
    std::vector<int32_t> classes;
    std::vector<int32_t> entries;  // five per equipage
    std::vector<int32_t> teams;

    explicit RingMarks(const MeetState& meet) {
        for (const ClassRecord& c : meet.classes) classes.push_back(c.ringMark);
        for (const EquipageRecord& e : meet.equipages) {
            for (const ClassEntry& entry : e.entries) entries.push_back(entry.run[0].ringMark);
        }
        for (const TeamRecord& t : meet.teams) teams.push_back(t.ringMark);
    }

    void Restore(MeetState& meet) const {
        for (size_t i = 0; i < meet.classes.size(); ++i) meet.classes[i].ringMark = classes[i];
        size_t n = 0;
        for (EquipageRecord& e : meet.equipages) {
            for (ClassEntry& entry : e.entries) entry.run[0].ringMark = entries[n++];
        }
        for (size_t i = 0; i < meet.teams.size(); ++i) meet.teams[i].ringMark = teams[i];
    }
};

bool HasFirstRunResult(const RunResult& run) { return run.disqualified != 0 || run.notPresent != 0 || run.time != 0; }

// Marks every entry with a first-run result, its class, and for a team
// class every team the dog is a member of. Answers the marked entries.
int32_t MarkResults(MeetState& meet) {
    for (ClassRecord& c : meet.classes) c.ringMark = 0;
    for (TeamRecord& t : meet.teams) t.ringMark = 0;
    int32_t marked = 0;
    for (int32_t i = 0; i < meet.equipageCount(); ++i) {
        EquipageRecord& e = meet.equipages[static_cast<size_t>(i)];
        for (int k = 0; k < kEntriesPerEquipage; ++k) {
            ClassEntry& entry = e.entries[k];
            entry.run[0].ringMark = 0;
            if (!HasFirstRunResult(entry.run[0])) continue;
            entry.run[0].ringMark = 1;
            ++marked;
            if (IsClassSlot(entry.classSlot)) meet.classes[static_cast<size_t>(entry.classSlot)].ringMark = 1;
            if (k != kEntryTeam) continue;
            for (TeamRecord& t : meet.teams) {
                for (int32_t member : t.members) {
                    if (member == i) t.ringMark = 1;
                }
            }
        }
    }
    return marked;
}

class Bytes {
public:
    void Raw(const void* data, size_t size) {
        const auto* p = static_cast<const uint8_t*>(data);
        bytes_.insert(bytes_.end(), p, p + size);
    }
    void Int32(int32_t value) { Raw(&value, sizeof value); }
    std::vector<uint8_t> Take() { return std::move(bytes_); }

private:
    std::vector<uint8_t> bytes_;
};

}  // namespace

std::vector<uint8_t> RingResultsBytes(MeetState& meet) {
    Bytes out;
    out.Raw(meet.info.meetId, sizeof meet.info.meetId);
    const int32_t entries = MarkResults(meet);

    int32_t classes = 0;
    for (const ClassRecord& c : meet.classes) classes += c.ringMark != 0 ? 1 : 0;
    out.Int32(classes);
    for (int32_t slot = 0; slot < kClassCount; ++slot) {
        const ClassRecord& c = meet.classes[static_cast<size_t>(slot)];
        if (c.ringMark == 0) continue;
        out.Int32(slot);
        out.Raw(&c, sizeof c);
    }

    out.Int32(entries);
    for (int32_t i = 0; i < meet.equipageCount(); ++i) {
        const EquipageRecord& e = meet.equipages[static_cast<size_t>(i)];
        for (int32_t k = 0; k < kEntriesPerEquipage; ++k) {
            if (e.entries[k].run[0].ringMark == 0) continue;
            out.Int32(i);
            out.Int32(k);
            out.Raw(&e.entries[k], sizeof(ClassEntry));
        }
    }

    int32_t teams = 0;
    for (const TeamRecord& t : meet.teams) teams += t.ringMark != 0 ? 1 : 0;
    out.Int32(teams);
    for (int32_t i = 0; i < meet.teamCount(); ++i) {
        const TeamRecord& t = meet.teams[static_cast<size_t>(i)];
        if (t.ringMark == 0) continue;
        out.Int32(i);
        out.Raw(&t, sizeof t);
    }
    return out.Take();
}

bool SaveRingResults(MeetState& meet, const std::string& path) {
    const RingMarks before(meet);
    const std::vector<uint8_t> bytes = RingResultsBytes(meet);
    if (WriteFileReported(*meet.notifier, path, bytes)) return true;
    before.Restore(meet);
    return false;
}

}  // namespace kavalto

#include <cstring>
#include <string_view>

#include "exchange/exchange_texts.h"
#include "exchange/ring_results.h"
#include "meet/class_catalogue.h"
#include "meet/read_file.h"
#include "meet/text_field.h"
#include "rules/start_order.h"

namespace kavalto {
namespace {

enum class RingCheck { kFits, kTruncated, kNotThisMeet };

// Walks the three blocks of a ring results file after the identifier. The
// check walk only looks; the apply walk, run once the check has passed,
// copies the records into the meet.
class RingBlocks {
public:
    RingBlocks(std::span<const uint8_t> bytes, size_t start) : bytes_(bytes), position_(start) {}

    RingCheck Walk(MeetState& meet, bool apply) {
        int32_t count = 0;
        if (!Count(kRingClassBytes, count)) return RingCheck::kTruncated;
        for (int32_t n = 0; n < count; ++n) {
            const int32_t slot = Int32();
            if (!IsClassSlot(slot)) return RingCheck::kNotThisMeet;
            if (apply) Copy(&meet.classes[static_cast<size_t>(slot)], sizeof(ClassRecord));
            position_ += sizeof(ClassRecord);
        }
        if (!Count(kRingEntryBytes, count)) return RingCheck::kTruncated;
        for (int32_t n = 0; n < count; ++n) {
            const int32_t equipage = Int32();
            const int32_t entry = Int32();
            if (!IsEquipageIndex(meet, equipage) || entry < 0 || entry >= kEntriesPerEquipage) {
                return RingCheck::kNotThisMeet;
            }
            if (apply) {
                ClassEntry& target = meet.equipages[static_cast<size_t>(equipage)].entries[entry];
                Copy(&target, sizeof(ClassEntry));
                target.entered[0] = 1;
            }
            position_ += sizeof(ClassEntry);
        }
        if (!Count(kRingTeamBytes, count)) return RingCheck::kTruncated;
        for (int32_t n = 0; n < count; ++n) {
            const int32_t team = Int32();
            if (team < 0 || team >= meet.teamCount()) return RingCheck::kNotThisMeet;
            if (apply) Copy(&meet.teams[static_cast<size_t>(team)], sizeof(TeamRecord));
            position_ += sizeof(TeamRecord);
        }
        // Bytes beyond the last block mean the file is not what it claims.
        return position_ == bytes_.size() ? RingCheck::kFits : RingCheck::kTruncated;
    }

private:
    std::span<const uint8_t> bytes_;
    size_t position_;

    size_t Left() const { return bytes_.size() - position_; }

    // Reads a count and checks that its records are all there.
    bool Count(size_t recordBytes, int32_t& count) {
        if (Left() < 4) return false;
        count = Int32();
        return count >= 0 && static_cast<size_t>(count) <= Left() / recordBytes;
    }

    int32_t Int32() {
        int32_t value = 0;
        std::memcpy(&value, bytes_.data() + position_, sizeof value);
        position_ += sizeof value;
        return value;
    }

    void Copy(void* target, size_t size) const { std::memcpy(target, bytes_.data() + position_, size); }
};

}  // namespace

bool ImportRingResultsBytes(MeetState& meet, std::span<const uint8_t> bytes) {
    constexpr size_t kIdBytes = sizeof meet.info.meetId;
    const size_t idBytes = bytes.size() < kIdBytes ? bytes.size() : kIdBytes;
    const char* idText = reinterpret_cast<const char*>(bytes.data());
    const std::string_view fileId = idBytes == 0 ? std::string_view() : std::string_view(idText, strnlen(idText, idBytes));
    if (fileId != FieldText(meet.info.meetId)) {
        meet.notifier->Warn(kTextRingWrongMeetId);
        return false;
    }
    if (bytes.size() < kIdBytes) {
        meet.notifier->Warn(kTextRingDamaged);
        return false;
    }
    switch (RingBlocks(bytes, kIdBytes).Walk(meet, false)) {
        case RingCheck::kFits:
            break;
        case RingCheck::kTruncated:
            meet.notifier->Warn(kTextRingDamaged);
            return false;
        case RingCheck::kNotThisMeet:
            meet.notifier->Warn(kTextRingNotThisMeet);
            return false;
    }
    const int32_t savedRun = meet.info.currentRun;
    meet.info.currentRun = 0;
    RingBlocks(bytes, kIdBytes).Walk(meet, true);
    OrderTeamMembers(meet);
    meet.info.currentRun = savedRun;
    return true;
}

bool ImportRingResults(MeetState& meet, const std::string& path) {
    std::vector<uint8_t> bytes;
    if (path.empty() || !ReadWholeFile(path, bytes)) {
        meet.notifier->Warn(kTextRingCannotOpen);
        return false;
    }
    return ImportRingResultsBytes(meet, bytes);
}

}  // namespace kavalto

#include <algorithm>
#include <cstring>
#include <memory>
#include <new>

#include "meet/class_catalogue.h"
#include "meet/meet_file.h"
#include "meet/meet_file_conversions.h"
#include "meet/meet_file_texts.h"
#include "meet/read_file.h"

namespace kavalto {
namespace {

constexpr int64_t kMagicField = 30;
constexpr int64_t kMagicLength = sizeof kMeetFileMagic;  // with its terminator

// Where each block of a meet file lies. Worked out, and every length
// checked, before anything is read into a meet.
struct MeetFileLayout {
    int32_t version = 0;       // as stored
    int32_t readAs = 0;        // versions above 28 are read as 28
    int classCount = 0;
    int64_t classesAt = 0;
    int64_t equipagesAt = 0;
    int32_t equipageCount = 0;
    int64_t teamsAt = 0;
    int32_t teamCount = 0;
    bool hasBanner = false;
    int32_t bannerWidth = 0;
    int32_t bannerHeight = 0;
    int64_t bannerAt = 0;
};

int32_t Int32At(std::span<const uint8_t> bytes, int64_t at) {
    int32_t value;
    std::memcpy(&value, bytes.data() + at, sizeof value);
    return value;
}

LoadResult Failed(LoadFailure failure, int32_t version = 0) { return LoadResult{false, version, failure}; }

// A short input that still begins like the magic is a cut-off meet file.
bool StartsLikeMagic(std::span<const uint8_t> bytes) {
    const size_t n = std::min(bytes.size(), static_cast<size_t>(kMagicLength));
    if (n == 0) return true;
    return std::memcmp(bytes.data(), kMeetFileMagic, n) == 0;
}

LoadResult ReadLayout(std::span<const uint8_t> bytes, MeetFileLayout& layout) {
    const int64_t size = static_cast<int64_t>(bytes.size());
    if (size < kMagicField + 4) return Failed(StartsLikeMagic(bytes) ? LoadFailure::kDamaged : LoadFailure::kWrongMagic);
    if (std::memcmp(bytes.data(), kMeetFileMagic, kMagicLength) != 0) return Failed(LoadFailure::kWrongMagic);

    layout.version = Int32At(bytes, kMagicField);
    if (layout.version < kOldestMeetFileVersion) return Failed(LoadFailure::kTooOld, layout.version);
    layout.readAs = std::min(layout.version, kMeetFileVersion);
    const LoadResult damaged = Failed(LoadFailure::kDamaged, layout.version);

    layout.classCount = layout.readAs == 27 ? kVersion27ClassCount : kClassCount;
    layout.classesAt = kMagicField + 4 + static_cast<int64_t>(sizeof(MeetInfo));
    int64_t at = layout.classesAt + layout.classCount * static_cast<int64_t>(sizeof(ClassRecord));

    // Each count must be non-negative and its records must lie in the file.
    auto readCount = [&](int64_t recordSize, int32_t& count, int64_t& recordsAt) {
        if (size - at < 4) return false;
        count = Int32At(bytes, at);
        at += 4;
        if (count < 0 || count > (size - at) / recordSize) return false;
        recordsAt = at;
        at += count * recordSize;
        return true;
    };
    if (!readCount(sizeof(EquipageRecord), layout.equipageCount, layout.equipagesAt)) return damaged;
    if (!readCount(sizeof(TeamRecord), layout.teamCount, layout.teamsAt)) return damaged;

    if (size - at < 1) return damaged;
    layout.hasBanner = bytes[static_cast<size_t>(at)] != 0;
    at += 1;
    if (layout.hasBanner) {
        if (size - at < 8) return damaged;
        layout.bannerWidth = Int32At(bytes, at);
        layout.bannerHeight = Int32At(bytes, at + 4);
        at += 8;
        if (layout.bannerWidth < 1 || layout.bannerHeight < 1) return damaged;
        const int64_t stride = SponsorBanner::Stride(layout.bannerWidth);
        if (layout.bannerHeight > (size - at) / stride) return damaged;
        layout.bannerAt = at;
    }
    // Bytes after the last block are ignored, as they always were.
    return LoadResult{true, layout.version, LoadFailure::kNone};
}

template <typename Record>
Record RecordAt(std::span<const uint8_t> bytes, int64_t at) {
    Record record;
    std::memcpy(&record, bytes.data() + at, sizeof record);
    return record;
}

// Sets the array capacities the growth in steps would reach, so appending
// the records read never moves the arrays.
void ReserveArrays(MeetState& meet, int32_t equipages, int32_t teams) {
    auto roundUp = [](int32_t count, int32_t step) { return (count + step - 1) / step * step; };
    meet.equipageCapacity = roundUp(equipages, kEquipageGrowth);
    meet.equipages.reserve(static_cast<size_t>(meet.equipageCapacity));
    meet.teamCapacity = roundUp(teams, kTeamGrowth);
    meet.teams.reserve(static_cast<size_t>(meet.teamCapacity));
}

// Builds the meet the file holds. The classes that a version 27 file does
// not reach keep what the meet held, and serials continue from the meet's.
bool BuildMeet(const MeetState& current, std::span<const uint8_t> bytes, const MeetFileLayout& layout,
               MeetState& staged) {
    staged.classes = current.classes;
    staged.nextSerial = current.nextSerial;
    staged.notifier = current.notifier;
    staged.info = RecordAt<MeetInfo>(bytes, kMagicField + 4);

    for (int i = 0; i < layout.classCount; ++i) {
        const int slot = layout.readAs == 27 ? kMap27[i] : i;
        staged.classes[static_cast<size_t>(slot)] =
            RecordAt<ClassRecord>(bytes, layout.classesAt + i * static_cast<int64_t>(sizeof(ClassRecord)));
    }

    ReserveArrays(staged, layout.equipageCount, layout.teamCount);
    for (int32_t i = 0; i < layout.equipageCount; ++i) {
        auto e = RecordAt<EquipageRecord>(bytes, layout.equipagesAt + i * static_cast<int64_t>(sizeof(EquipageRecord)));
        ConvertEquipageRecord(e, layout.readAs);
        if (!AppendEquipage(staged, e)) return false;
    }
    for (int32_t i = 0; i < layout.teamCount; ++i) {
        auto t = RecordAt<TeamRecord>(bytes, layout.teamsAt + i * static_cast<int64_t>(sizeof(TeamRecord)));
        ConvertTeamRecord(t, layout.readAs);
        if (!AppendTeam(staged, t)) return false;
    }

    if (layout.hasBanner) {
        SponsorBanner banner;
        banner.width = layout.bannerWidth;
        banner.height = layout.bannerHeight;
        const auto* rows = bytes.data() + layout.bannerAt;
        banner.pixels.assign(rows, rows + banner.stride() * banner.height);
        staged.banner = std::move(banner);
    }
    ConvertLoadedMeet(staged, layout.readAs);
    return true;
}

// Takes the loaded parts over; the meet's own selection of a class, its
// text state and its scratch values stay.
void CommitMeet(MeetState& meet, MeetState& staged) {
    meet.info = staged.info;
    meet.classes = staged.classes;
    meet.equipages = std::move(staged.equipages);
    meet.equipageCapacity = staged.equipageCapacity;
    meet.teams = std::move(staged.teams);
    meet.teamCapacity = staged.teamCapacity;
    meet.currentEquipage = 0;
    meet.currentTeam = 0;
    meet.nextSerial = staged.nextSerial;
    meet.banner = std::move(staged.banner);
    BuildClassNames(meet);
}

}  // namespace

LoadResult LoadMeetBytes(MeetState& meet, std::span<const uint8_t> bytes) {
    MeetFileLayout layout;
    const LoadResult checked = ReadLayout(bytes, layout);
    if (!checked) {
        if (checked.failure == LoadFailure::kTooOld) meet.notifier->Warn(kTextTooOld);
        if (checked.failure == LoadFailure::kDamaged) meet.notifier->Warn(kTextDamaged);
        return checked;
    }
    try {
        auto staged = std::make_unique<MeetState>();
        if (!BuildMeet(meet, bytes, layout, *staged)) return Failed(LoadFailure::kOutOfMemory, layout.version);
        CommitMeet(meet, *staged);
    } catch (const std::bad_alloc&) {
        ReportOutOfMemory(*meet.notifier);
        return Failed(LoadFailure::kOutOfMemory, layout.version);
    }
    return checked;
}

LoadResult LoadMeetFile(MeetState& meet, const std::string& path) {
    std::vector<uint8_t> bytes;
    if (path.empty() || !ReadWholeFile(path, bytes)) return Failed(LoadFailure::kCannotOpen);
    return LoadMeetBytes(meet, bytes);
}

}  // namespace kavalto

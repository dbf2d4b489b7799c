#include <algorithm>
#include <cstring>

#include "meet/meet_file.h"
#include "meet/reported_write.h"

namespace kavalto {
namespace {

constexpr size_t kMagicField = 30;

class ByteWriter {
public:
    explicit ByteWriter(size_t size) { bytes_.reserve(size); }
    void Raw(const void* data, size_t size) {
        const auto* p = static_cast<const uint8_t*>(data);
        bytes_.insert(bytes_.end(), p, p + size);
    }
    void Int32(int32_t value) { Raw(&value, sizeof value); }
    void Byte(uint8_t value) { bytes_.push_back(value); }
    void Zeros(size_t count) { bytes_.insert(bytes_.end(), count, 0); }
    std::vector<uint8_t> Take() { return std::move(bytes_); }

private:
    std::vector<uint8_t> bytes_;
};

size_t BannerBytes(const SponsorBanner& banner) {
    return static_cast<size_t>(banner.stride() * banner.height);
}

}  // namespace

std::vector<uint8_t> SerializeMeet(const MeetState& meet) {
    const size_t equipageBytes = meet.equipages.size() * sizeof(EquipageRecord);
    const size_t teamBytes = meet.teams.size() * sizeof(TeamRecord);
    const size_t bannerBytes = meet.banner ? 8 + BannerBytes(*meet.banner) : 0;
    ByteWriter out(kMagicField + 4 + sizeof(MeetInfo) + sizeof meet.classes + 4 + equipageBytes + 4 + teamBytes + 1 +
                   bannerBytes);

    out.Raw(kMeetFileMagic, sizeof kMeetFileMagic);  // the text and its terminator
    out.Zeros(kMagicField - sizeof kMeetFileMagic);
    out.Int32(kMeetFileVersion);
    out.Raw(&meet.info, sizeof meet.info);
    out.Raw(meet.classes.data(), sizeof meet.classes);
    out.Int32(meet.equipageCount());
    out.Raw(meet.equipages.data(), equipageBytes);
    out.Int32(meet.teamCount());
    out.Raw(meet.teams.data(), teamBytes);
    if (!meet.banner) {
        out.Byte(0);
        return out.Take();
    }
    const SponsorBanner& banner = *meet.banner;
    out.Byte(1);
    out.Int32(banner.width);
    out.Int32(banner.height);
    // The rows always fill height * stride bytes, even if the pixel buffer
    // were short, so the file stays readable.
    const size_t rows = BannerBytes(banner);
    const size_t have = std::min(rows, banner.pixels.size());
    out.Raw(banner.pixels.data(), have);
    out.Zeros(rows - have);
    return out.Take();
}

bool WriteMeetFile(MeetState& meet, const std::string& path, const std::string& keepPrevious) {
    return WriteFileReported(*meet.notifier, path, SerializeMeet(meet), keepPrevious);
}

bool SaveMeetFile(MeetState& meet, const std::string& path) { return WriteMeetFile(meet, path, {}); }

}  // namespace kavalto

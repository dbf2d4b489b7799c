// Meet files built byte by byte, for the versions the program reads but no
// longer writes and for damaged files.
#pragma once

#include <cstdint>
#include <cstring>
#include <span>
#include <vector>

#include "meet/meet_file.h"

namespace kavalto::test {

class ByteBuilder {
public:
    ByteBuilder& Raw(const void* data, size_t size) {
        const auto* p = static_cast<const uint8_t*>(data);
        bytes.insert(bytes.end(), p, p + size);
        return *this;
    }
    ByteBuilder& Int32(int32_t value) { return Raw(&value, sizeof value); }
    ByteBuilder& Byte(uint8_t value) { return Raw(&value, 1); }
    template <typename Record>
    ByteBuilder& Records(std::span<const Record> records) {
        return Raw(records.data(), records.size_bytes());
    }
    // The magic field and the version.
    ByteBuilder& Header(int32_t version) {
        Raw(kMeetFileMagic, sizeof kMeetFileMagic);
        for (size_t i = sizeof kMeetFileMagic; i < 30; ++i) Byte(0);
        return Int32(version);
    }
    std::vector<uint8_t> bytes;
};

// A meet file of any version without a banner: the classes are written as
// given (27, or 23 for version 27).
inline std::vector<uint8_t> MeetFileBytes(int32_t version, const MeetInfo& info,
                                          std::span<const ClassRecord> classes,
                                          std::span<const EquipageRecord> equipages,
                                          std::span<const TeamRecord> teams) {
    ByteBuilder b;
    b.Header(version).Raw(&info, sizeof info).Records(classes);
    b.Int32(static_cast<int32_t>(equipages.size())).Records(equipages);
    b.Int32(static_cast<int32_t>(teams.size())).Records(teams);
    b.Byte(0);
    return b.bytes;
}

inline int32_t Int32At(const std::vector<uint8_t>& bytes, size_t at) {
    int32_t value;
    std::memcpy(&value, bytes.data() + at, sizeof value);
    return value;
}

inline void PutInt32(std::vector<uint8_t>& bytes, size_t at, int32_t value) {
    std::memcpy(bytes.data() + at, &value, sizeof value);
}

}  // namespace kavalto::test

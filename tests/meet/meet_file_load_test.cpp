#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "meet/meet_file.h"
#include "meet/meet_file_texts.h"
#include "support/meet_builder.h"
#include "support/meet_file_bytes.h"
#include "support/recording_notifier.h"
#include "support/sample_meet.h"

namespace kavalto {
namespace {

TEST(MeetFileLoad, ReplacesArraysAndBannerAndSerialsContinue) {
    MeetState small;
    test::MakeFreshMeet(small);
    for (int i = 0; i < 3; ++i) test::AddEquipage(small, "Liten");
    const std::vector<uint8_t> bytes = SerializeMeet(small);

    MeetState meet;
    test::MakeSampleMeet(meet);  // with a banner
    for (int i = 0; i < 10; ++i) test::AddEquipage(meet, "Stor");
    meet.currentEquipage = 5;
    const int32_t nextSerial = meet.nextSerial;
    ASSERT_TRUE(LoadMeetBytes(meet, bytes));

    EXPECT_EQ(meet.equipageCount(), 3);
    EXPECT_EQ(meet.equipageCapacity, 25);
    EXPECT_EQ(meet.teamCount(), 0);
    EXPECT_EQ(meet.currentEquipage, 0);
    EXPECT_FALSE(meet.banner.has_value());
    for (int i = 0; i < 3; ++i) EXPECT_EQ(meet.equipages[static_cast<size_t>(i)].serial, nextSerial + i);
    EXPECT_EQ(meet.nextSerial, nextSerial + 3);
}

// Copies of what a load may change, to show a refused file changed nothing.
struct Snapshot {
    std::vector<uint8_t> bytes;
    int32_t nextSerial, equipageCapacity, teamCapacity, currentEquipage, currentTeam;
    explicit Snapshot(const MeetState& m)
        : bytes(SerializeMeet(m)), nextSerial(m.nextSerial), equipageCapacity(m.equipageCapacity),
          teamCapacity(m.teamCapacity), currentEquipage(m.currentEquipage), currentTeam(m.currentTeam) {}
    bool operator==(const Snapshot&) const = default;
};

class MeetFileRefusal : public ::testing::Test {
protected:
    void SetUp() override {
        test::MakeSampleMeet(meet);
        meet.currentEquipage = 1;
        meet.notifier = &notifier;
        MeetState other;
        test::MakeSampleMeet(other);
        test::AddEquipage(other, "Tredje");
        file = SerializeMeet(other);  // 3 equipages, 1 team, banner 3 x 2
    }
    // Loads and checks the meet is exactly as it was.
    LoadResult LoadExpectingNoChange(const std::vector<uint8_t>& bytes) {
        const Snapshot before(meet);
        const LoadResult result = LoadMeetBytes(meet, bytes);
        EXPECT_FALSE(result);
        EXPECT_TRUE(Snapshot(meet) == before) << "a refused file changed the meet";
        return result;
    }
    static constexpr size_t kTeamCountAt = 5094 + 3 * 2140;
    static constexpr size_t kFlagAt = kTeamCountAt + 4 + 556;

    MeetState meet;
    test::RecordingNotifier notifier;
    std::vector<uint8_t> file;
};

TEST_F(MeetFileRefusal, ACutFileIsRefusedWithOneMessage) {
    const size_t cuts[] = {0,          10,          29,        32,          600,         5092,
                           5094 + 100, 5094 + 2140, kTeamCountAt + 2, kTeamCountAt + 4 + 555, kFlagAt,
                           kFlagAt + 5, kFlagAt + 9, file.size() - 1};
    for (size_t cut : cuts) {
        SCOPED_TRACE(cut);
        notifier.warnings.clear();
        const LoadResult result = LoadExpectingNoChange({file.begin(), file.begin() + static_cast<long>(cut)});
        EXPECT_EQ(result.failure, LoadFailure::kDamaged);
        EXPECT_EQ(notifier.warnings, std::vector<std::string>{kTextDamaged});
    }
}

TEST_F(MeetFileRefusal, InconsistentCountsAndBannersAreRefused) {
    struct Case {
        const char* what;
        size_t at;
        int32_t value;
    };
    const Case cases[] = {
        {"negative equipage count", 5090, -1},
        {"equipage count beyond the file", 5090, 4},
        {"huge equipage count", 5090, 0x7fffffff},
        {"negative team count", kTeamCountAt, -3},
        {"team count beyond the file", kTeamCountAt, 2},
        {"banner width 0", kFlagAt + 1, 0},
        {"negative banner height", kFlagAt + 5, -2},
        {"banner taller than the file", kFlagAt + 5, 3},
        {"banner width overflowing the row size", kFlagAt + 1, 0x7fffffff},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        notifier.warnings.clear();
        std::vector<uint8_t> bad = file;
        test::PutInt32(bad, c.at, c.value);
        EXPECT_EQ(LoadExpectingNoChange(bad).failure, LoadFailure::kDamaged);
        EXPECT_EQ(notifier.warnings, std::vector<std::string>{kTextDamaged});
    }
}

TEST_F(MeetFileRefusal, WrongMagicAndOldVersions) {
    std::vector<uint8_t> magic = file;
    magic[24] = 'x';  // "...Formax"
    EXPECT_EQ(LoadExpectingNoChange(magic).failure, LoadFailure::kWrongMagic);
    std::vector<uint8_t> longer = file;
    longer[25] = 's';  // the magic text must end at its terminator
    EXPECT_EQ(LoadExpectingNoChange(longer).failure, LoadFailure::kWrongMagic);
    EXPECT_EQ(LoadExpectingNoChange({'P', 'K', 3, 4}).failure, LoadFailure::kWrongMagic);
    EXPECT_TRUE(notifier.warnings.empty());

    for (int32_t version : {21, 0, -28}) {
        SCOPED_TRACE(version);
        notifier.warnings.clear();
        std::vector<uint8_t> old = file;
        test::PutInt32(old, 30, version);
        EXPECT_EQ(LoadExpectingNoChange(old).failure, LoadFailure::kTooOld);
        EXPECT_EQ(notifier.warnings, std::vector<std::string>{kTextTooOld});
    }
}

TEST_F(MeetFileRefusal, FilesThatCannotBeOpenedAreRefusedSilently) {
    const auto folder = test::MakeTempFolder("load-open");
    for (const std::string& path : {std::string(), (folder / "mangler.ags").string(), folder.string()}) {
        SCOPED_TRACE(path);
        const Snapshot before(meet);
        EXPECT_EQ(LoadMeetFile(meet, path).failure, LoadFailure::kCannotOpen);
        EXPECT_TRUE(Snapshot(meet) == before);
    }
    EXPECT_TRUE(notifier.warnings.empty());
}

TEST_F(MeetFileRefusal, AFileOnDiskLoadsLikeItsBytes) {
    const auto folder = test::MakeTempFolder("load-file");
    const auto path = folder / "stevne.ags";
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(file.data()),
                                                static_cast<std::streamsize>(file.size()));
    ASSERT_TRUE(LoadMeetFile(meet, path.string()));
    EXPECT_EQ(meet.equipageCount(), 3);
}

}  // namespace
}  // namespace kavalto

#include <fstream>
#include <iterator>
#include <sys/resource.h>
#include <sys/wait.h>
#include <csignal>
#include <unistd.h>

#include <gtest/gtest.h>

#include "meet/meet_file.h"
#include "meet/meet_file_texts.h"
#include "support/meet_builder.h"
#include "support/meet_file_bytes.h"
#include "support/recording_notifier.h"
#include "support/sample_meet.h"

namespace kavalto {
namespace {

std::vector<uint8_t> ReadFile(const std::filesystem::path& path) {
    const std::string text = test::ReadFileText(path);
    return {text.begin(), text.end()};
}

TEST(MeetFileWrite, EmptyMeetIs5099BytesWithEachBlockInPlace) {
    MeetState meet;
    test::MakeFreshMeet(meet);
    const std::vector<uint8_t> bytes = SerializeMeet(meet);
    ASSERT_EQ(bytes.size(), 5099u);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(bytes.data())), kMeetFileMagic);
    for (size_t i = 25; i < 30; ++i) EXPECT_EQ(bytes[i], 0) << i;
    EXPECT_EQ(test::Int32At(bytes, 30), 28);
    EXPECT_EQ(test::Int32At(bytes, 34), meet.info.meetForm);
    EXPECT_EQ(test::Int32At(bytes, 554 + 128), 200);  // maxTimePercent of class 0
    EXPECT_EQ(test::Int32At(bytes, 5090), 0);
    EXPECT_EQ(test::Int32At(bytes, 5094), 0);
    EXPECT_EQ(bytes[5098], 0);
}

TEST(MeetFileWrite, BannerFollowsTheTeamsWithItsSizeAndRowsTopFirst) {
    MeetState meet;
    test::MakeSampleMeet(meet);  // 2 equipages, 1 team, banner 3 x 2
    const std::vector<uint8_t> bytes = SerializeMeet(meet);
    const size_t flagAt = 5094 + 2 * 2140 + 4 + 556;
    ASSERT_EQ(bytes.size(), flagAt + 1 + 8 + 2 * 12);  // stride of width 3 is 12
    EXPECT_EQ(test::Int32At(bytes, 5094 + 2 * 2140), 1);
    EXPECT_EQ(bytes[flagAt], 1);
    EXPECT_EQ(test::Int32At(bytes, flagAt + 1), 3);
    EXPECT_EQ(test::Int32At(bytes, flagAt + 5), 2);
    EXPECT_EQ(bytes[flagAt + 9], 1);        // first byte of the top row
    EXPECT_EQ(bytes[flagAt + 9 + 12], 13);  // first byte of the second row
}

TEST(MeetFileWrite, LoadThenSaveGivesTheSameBytes) {
    MeetState original;
    test::MakeSampleMeet(original);
    const std::vector<uint8_t> written = SerializeMeet(original);

    MeetState loaded;
    test::MakeFreshMeet(loaded);
    ASSERT_TRUE(LoadMeetBytes(loaded, written));
    EXPECT_EQ(SerializeMeet(loaded), written);
}

TEST(MeetFileWrite, AnyNonZeroBannerFlagMeansABannerAndIsWrittenBackAsOne) {
    MeetState original;
    test::MakeSampleMeet(original);
    const std::vector<uint8_t> written = SerializeMeet(original);
    std::vector<uint8_t> odd = written;
    odd[5094 + 2 * 2140 + 4 + 556] = 0xc8;
    odd[27] = 'Z';  // the bytes after the magic's terminator mean nothing
    odd[29] = 0xff;

    MeetState loaded;
    test::MakeFreshMeet(loaded);
    ASSERT_TRUE(LoadMeetBytes(loaded, odd));
    EXPECT_EQ(SerializeMeet(loaded), written);
}

TEST(MeetFileWrite, SaveMeetFileWritesTheSerializedMeet) {
    const auto folder = test::MakeTempFolder("save");
    MeetState meet;
    test::MakeSampleMeet(meet);
    test::RecordingNotifier notifier;
    meet.notifier = &notifier;
    ASSERT_TRUE(SaveMeetFile(meet, (folder / "stevne.ags").string()));
    EXPECT_EQ(ReadFile(folder / "stevne.ags"), SerializeMeet(meet));
    EXPECT_TRUE(notifier.warnings.empty());
}

TEST(MeetFileWrite, AFileThatCannotBeCreatedIsReportedAndNotSaved) {
    const auto folder = test::MakeTempFolder("save-missing");
    MeetState meet;
    test::MakeFreshMeet(meet);
    test::RecordingNotifier notifier;
    meet.notifier = &notifier;
    EXPECT_FALSE(SaveMeetFile(meet, (folder / "finnes-ikke" / "stevne.ags").string()));
    EXPECT_EQ(notifier.warnings, std::vector<std::string>{kTextCannotCreate});
    EXPECT_FALSE(SaveMeetFile(meet, ""));
}

// A child process with a file size limit below the meet's size: every write
// past the limit fails with EFBIG, as on a full disk.
TEST(MeetFileWrite, AFailedWriteIsReportedAndKeepsThePreviousFile) {
    const auto folder = test::MakeTempFolder("save-full");
    const std::string path = (folder / "stevne.ags").string();
    MeetState meet;
    test::MakeFreshMeet(meet);
    ASSERT_TRUE(SaveMeetFile(meet, path));
    const std::vector<uint8_t> before = ReadFile(path);

    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{6000, 6000};
        setrlimit(RLIMIT_FSIZE, &limit);
        MeetState bigger;
        test::MakeSampleMeet(bigger);
        test::RecordingNotifier notifier;
        bigger.notifier = &notifier;
        const bool saved = SaveMeetFile(bigger, path);
        const bool told = notifier.warnings == std::vector<std::string>{kTextCannotWrite};
        _exit(!saved && told ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the save was not refused with the disk message";
    EXPECT_EQ(ReadFile(path), before);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 1) << "a temporary file was left";
}

}  // namespace
}  // namespace kavalto

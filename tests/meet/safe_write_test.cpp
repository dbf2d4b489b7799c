#include <csignal>
#include <fstream>
#include <iterator>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "meet/safe_write.h"
#include "support/meet_builder.h"

namespace kavalto {
namespace {

namespace fs = std::filesystem;

WriteFailure WriteText(const fs::path& path, std::string_view text, const std::string& keepPrevious = {}) {
    return WriteFileSafely(path.string(), {reinterpret_cast<const uint8_t*>(text.data()), text.size()},
                           keepPrevious);
}

long FilesIn(const fs::path& folder) { return std::distance(fs::directory_iterator(folder), {}); }

TEST(SafeWrite, WritesAndReplacesWithoutLeavingTemporaryFiles) {
    const auto folder = test::MakeTempFolder("safe");
    EXPECT_EQ(WriteText(folder / "a.agi", "first"), WriteFailure::kNone);
    EXPECT_EQ(WriteText(folder / "a.agi", "second"), WriteFailure::kNone);
    EXPECT_EQ(test::ReadFileText(folder / "a.agi"), "second");
    EXPECT_EQ(FilesIn(folder), 1);
}

TEST(SafeWrite, KeepsThePreviousFileWhenAsked) {
    const auto folder = test::MakeTempFolder("safe-keep");
    const auto target = folder / "a.agi";
    const std::string keep = (folder / "a.agi.bak").string();
    EXPECT_EQ(WriteText(target, "one", keep), WriteFailure::kNone);
    EXPECT_FALSE(fs::exists(keep)) << "nothing to keep before the first write";
    EXPECT_EQ(WriteText(target, "two", keep), WriteFailure::kNone);
    EXPECT_EQ(WriteText(target, "three", keep), WriteFailure::kNone);
    EXPECT_EQ(test::ReadFileText(target), "three");
    EXPECT_EQ(test::ReadFileText(keep), "two");
    EXPECT_EQ(FilesIn(folder), 2);
}

TEST(SafeWrite, AMissingFolderCannotBeCreated) {
    const auto folder = test::MakeTempFolder("safe-missing");
    EXPECT_EQ(WriteText(folder / "nope" / "a.agi", "x"), WriteFailure::kCannotCreate);
    EXPECT_EQ(WriteText("", "x"), WriteFailure::kCannotCreate);
}

// A file size limit in a child process makes write() fail with EFBIG part
// way, as a full disk would.
TEST(SafeWrite, AFailedWriteLeavesTargetAndBackupAsTheyWere) {
    const auto folder = test::MakeTempFolder("safe-full");
    const auto target = folder / "a.agi";
    const std::string keep = (folder / "a.agi.bak").string();
    ASSERT_EQ(WriteText(target, "old", keep), WriteFailure::kNone);
    ASSERT_EQ(WriteText(target, "current", keep), WriteFailure::kNone);

    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{4096, 4096};
        setrlimit(RLIMIT_FSIZE, &limit);
        const std::string big(100000, 'n');
        _exit(static_cast<int>(WriteText(target, big, keep)));
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), static_cast<int>(WriteFailure::kCannotWrite));
    EXPECT_EQ(test::ReadFileText(target), "current");
    EXPECT_EQ(test::ReadFileText(keep), "old");
    EXPECT_EQ(FilesIn(folder), 2);
}

}  // namespace
}  // namespace kavalto

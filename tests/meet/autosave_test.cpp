#include <fstream>
#include <iterator>
#include <regex>

#include <gtest/gtest.h>

#include "meet/meet_file.h"
#include "support/meet_builder.h"
#include "support/recording_notifier.h"
#include "support/sample_meet.h"

namespace kavalto {
namespace {

namespace fs = std::filesystem;

void WriteText(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

class Autosave : public ::testing::Test {
protected:
    void SetUp() override {
        folder = test::MakeTempFolder("autosave");
        test::MakeSampleMeet(meet);
        meet.notifier = &notifier;
    }
    fs::path Current() const { return folder / "Current.agi"; }
    fs::path Backup() const { return folder / "Current.agi.bak"; }
    std::vector<fs::path> SetAsideFiles() const {
        std::vector<fs::path> found;
        for (const auto& entry : fs::directory_iterator(folder)) {
            if (entry.path().filename().string().starts_with("Current-ulesbar-")) found.push_back(entry.path());
        }
        return found;
    }

    fs::path folder;
    MeetState meet;
    test::RecordingNotifier notifier;
};

TEST_F(Autosave, KeepsThePreviousAutosaveBesideIt) {
    ASSERT_TRUE(SaveAutosave(meet, folder.string()));
    const std::string first = test::ReadFileText(Current());
    test::AddEquipage(meet, "Ny");
    ASSERT_TRUE(SaveAutosave(meet, folder.string()));
    EXPECT_EQ(test::ReadFileText(Backup()), first);
    const std::vector<uint8_t> now = SerializeMeet(meet);
    EXPECT_EQ(test::ReadFileText(Current()), std::string(now.begin(), now.end()));
    EXPECT_TRUE(notifier.warnings.empty());
}

TEST_F(Autosave, StartLoadsTheAutosave) {
    ASSERT_TRUE(SaveAutosave(meet, folder.string()));
    MeetState started;
    test::MakeFreshMeet(started);
    EXPECT_EQ(LoadAutosaveAtStart(started, folder.string()), AutosaveStart::kLoaded);
    EXPECT_EQ(SerializeMeet(started), SerializeMeet(meet));
}

TEST_F(Autosave, StartWithoutAutosaveResetsTheMeet) {
    EXPECT_EQ(LoadAutosaveAtStart(meet, folder.string()), AutosaveStart::kMissing);
    EXPECT_EQ(meet.equipageCount(), 0);
    EXPECT_EQ(meet.nextSerial, 1);
    EXPECT_TRUE(notifier.warnings.empty());
}

TEST_F(Autosave, AnUnreadableAutosaveIsSetAsideAndNeverOverwritten) {
    WriteText(Current(), "VHX Kavalto Stevne Format");  // cut short
    std::string aside;
    EXPECT_EQ(LoadAutosaveAtStart(meet, folder.string(), &aside), AutosaveStart::kSetAside);
    EXPECT_EQ(meet.equipageCount(), 0);
    EXPECT_TRUE(std::regex_match(fs::path(aside).filename().string(),
                                 std::regex(R"(Current-ulesbar-\d{8}-\d{6}\.agi)")))
        << aside;
    EXPECT_EQ(test::ReadFileText(aside), "VHX Kavalto Stevne Format");
    ASSERT_EQ(notifier.warnings.size(), 1u);
    EXPECT_NE(notifier.warnings[0].find(fs::path(aside).filename().string()), std::string::npos);
    EXPECT_NE(notifier.warnings[0].find("tomt stevne"), std::string::npos);

    ASSERT_TRUE(SaveAutosave(meet, folder.string()));
    ASSERT_TRUE(SaveAutosave(meet, folder.string()));
    EXPECT_EQ(test::ReadFileText(aside), "VHX Kavalto Stevne Format");

    // A second unreadable autosave within the same second gets a name of its
    // own; the empty meet's autosave before it is now the one read.
    WriteText(Current(), "skrot");
    EXPECT_EQ(LoadAutosaveAtStart(meet, folder.string()), AutosaveStart::kRestoredBackup);
    EXPECT_EQ(SetAsideFiles().size(), 2u);
    EXPECT_EQ(test::ReadFileText(aside), "VHX Kavalto Stevne Format");
}

TEST_F(Autosave, AnUnreadableAutosaveFallsBackToThePreviousOne) {
    ASSERT_TRUE(SaveAutosave(meet, folder.string()));
    const std::vector<uint8_t> good = SerializeMeet(meet);
    ASSERT_TRUE(SaveAutosave(meet, folder.string()));  // the good meet is now also the backup
    std::string damaged = test::ReadFileText(Current());
    damaged.resize(damaged.size() / 2);
    WriteText(Current(), damaged);

    MeetState started;
    test::MakeFreshMeet(started);
    started.notifier = &notifier;
    EXPECT_EQ(LoadAutosaveAtStart(started, folder.string()), AutosaveStart::kRestoredBackup);
    EXPECT_EQ(SerializeMeet(started), good);
    ASSERT_EQ(notifier.warnings.size(), 1u);
    EXPECT_NE(notifier.warnings[0].find("Current.agi.bak"), std::string::npos);
    EXPECT_EQ(SetAsideFiles().size(), 1u);
    EXPECT_FALSE(fs::exists(Current()));
}

}  // namespace
}  // namespace kavalto

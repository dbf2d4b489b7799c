// The ring results file between the two rings' computers.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "exchange/club_results.h"
#include "exchange/exchange_texts.h"
#include "exchange/ring_results.h"
#include "meet/meet_file.h"
#include "meet/text_field.h"
#include "support/meet_builder.h"
#include "support/recording_notifier.h"

namespace kavalto::test {
namespace {

constexpr int kHoppLarge1 = 8;
constexpr int kAgilityLarge1 = 20;
constexpr int kTeamLarge = 26;

int32_t Int32At(const std::vector<uint8_t>& bytes, size_t at) {
    int32_t value = 0;
    std::memcpy(&value, bytes.data() + at, sizeof value);
    return value;
}

void PutInt32(std::vector<uint8_t>& bytes, size_t at, int32_t value) { std::memcpy(bytes.data() + at, &value, 4); }

// One meet file, copied to both rings: Hopp Large 1 runs in ring 1, Agility
// Large 1 in ring 2, and the team class in ring 1.
void MakeSharedMeet(MeetState& meet) {
    MakeFreshMeet(meet);
    CopyText(meet.info.meetId, "55 Ringstevnet");
    meet.info.meetId[20] = 'x';  // bytes after the terminator travel too
    for (int slot : {kHoppLarge1, kAgilityLarge1, kTeamLarge}) meet.classes[static_cast<size_t>(slot)].standardTime[0] = 4000;
    for (int i = 0; i < 6; ++i) {
        const int e = AddEquipage(meet, "Hund " + std::to_string(i), 2);
        Enter(meet, e, i < 3 ? kHoppLarge1 : kAgilityLarge1, 0, 8001 + i);
    }
    AddTeam(meet, "Lynet", kTeamLarge, 3, 4, 5);
    AddTeam(meet, "Tordenbrak", kTeamLarge, -1, -1, -1, -1);
}

// What ring 1 records.
void RunRing1(MeetState& meet) {
    CopyText(meet.classes[kHoppLarge1].judge, "Dommer i ring 1");
    SetRun(meet, 0, kHoppLarge1, 0, 3512, 1);
    SetRun(meet, 1, kHoppLarge1, 0, 0, 0, 0, 0, 1);  // "Ikke Møtt" only
    // equipage 2 has no result yet
    SetRun(meet, 4, kTeamLarge, 0, 3300);
    meet.equipages[4].entries[kEntryTeam].awards[kAwardNapp] = 1;
}

// What ring 2 records.
void RunRing2(MeetState& meet) {
    CopyText(meet.classes[kAgilityLarge1].judge, "Dommer i ring 2");
    SetRun(meet, 3, kAgilityLarge1, 0, 4100);
    SetRun(meet, 5, kAgilityLarge1, 0, 0, 0, 0, 1);
}

class RingResultsTest : public ::testing::Test {
protected:
    std::unique_ptr<MeetState> ring1 = std::make_unique<MeetState>();
    std::unique_ptr<MeetState> ring2 = std::make_unique<MeetState>();
    RecordingNotifier notifier;

    void SetUp() override {
        MakeSharedMeet(*ring1);
        MakeSharedMeet(*ring2);
        RunRing1(*ring1);
        RunRing2(*ring2);
        ring2->notifier = &notifier;
    }
};

TEST_F(RingResultsTest, AMeetWithoutResultsWrites112Bytes) {
    MeetState meet;
    MakeSharedMeet(meet);
    const std::vector<uint8_t> bytes = RingResultsBytes(meet);
    ASSERT_EQ(bytes.size(), 112u);
    EXPECT_EQ(std::memcmp(bytes.data(), meet.info.meetId, 100), 0);
    EXPECT_EQ(Int32At(bytes, 100), 0);
    EXPECT_EQ(Int32At(bytes, 104), 0);
    EXPECT_EQ(Int32At(bytes, 108), 0);
}

TEST_F(RingResultsTest, CarriesTheEntriesWithAFirstRunResultTheirClassesAndTeams) {
    MeetState& meet = *ring1;
    const std::vector<uint8_t> bytes = RingResultsBytes(meet);
    ASSERT_EQ(bytes.size(), 100 + 4 + 2 * kRingClassBytes + 4 + 3 * kRingEntryBytes + 4 + kRingTeamBytes);

    size_t at = 100;  // the next unread byte
    auto next = [&] {
        at += 4;
        return Int32At(bytes, at - 4);
    };
    EXPECT_EQ(next(), 2);
    for (int slot : {kHoppLarge1, kTeamLarge}) {
        EXPECT_EQ(next(), slot);
        EXPECT_EQ(meet.classes[static_cast<size_t>(slot)].ringMark, 1);
        EXPECT_EQ(std::memcmp(bytes.data() + at, &meet.classes[static_cast<size_t>(slot)], sizeof(ClassRecord)), 0);
        at += sizeof(ClassRecord);
    }
    EXPECT_EQ(next(), 3);
    const struct {
        int equipage;
        int entry;
    } entries[] = {{0, kEntryHopp}, {1, kEntryHopp}, {4, kEntryTeam}};
    for (const auto& e : entries) {
        EXPECT_EQ(next(), e.equipage);
        EXPECT_EQ(next(), e.entry);
        const ClassEntry& entry = meet.equipages[static_cast<size_t>(e.equipage)].entries[e.entry];
        EXPECT_EQ(entry.run[0].ringMark, 1);
        EXPECT_EQ(std::memcmp(bytes.data() + at, &entry, sizeof(ClassEntry)), 0);
        at += sizeof(ClassEntry);
    }
    EXPECT_EQ(next(), 1);
    EXPECT_EQ(next(), 0);  // the team of the member with a result
    EXPECT_EQ(std::memcmp(bytes.data() + at, &meet.teams[0], sizeof(TeamRecord)), 0);

    EXPECT_EQ(meet.equipages[2].entries[kEntryHopp].run[0].ringMark, 0);
    EXPECT_EQ(meet.classes[kAgilityLarge1].ringMark, 0);
    EXPECT_EQ(meet.teams[0].ringMark, 1);
    EXPECT_EQ(meet.teams[1].ringMark, 0);
}

TEST_F(RingResultsTest, TheOtherRingGetsTheResultsAndKeepsItsOwnClasses) {
    ring1->info.currentRun = 1;
    const std::vector<uint8_t> bytes = RingResultsBytes(*ring1);
    ring2->info.currentRun = 1;
    ring2->info.singleRun = 0;
    ASSERT_TRUE(ImportRingResultsBytes(*ring2, bytes));
    EXPECT_TRUE(notifier.warnings.empty());
    MeetState& meet = *ring2;
    EXPECT_EQ(meet.info.currentRun, 1);
    EXPECT_EQ(FieldText(meet.classes[kHoppLarge1].judge), "Dommer i ring 1");
    EXPECT_EQ(meet.equipages[0].entries[kEntryHopp].run[0].time, 3512);
    EXPECT_EQ(meet.equipages[1].entries[kEntryHopp].run[0].notPresent, 1);
    EXPECT_EQ(meet.equipages[4].entries[kEntryTeam].run[0].time, 3300);
    EXPECT_EQ(meet.equipages[4].entries[kEntryTeam].awards[kAwardNapp], 1);
    EXPECT_EQ(meet.equipages[4].entries[kEntryTeam].entered[0], 1);
    // Ring 2's own results stay.
    EXPECT_EQ(FieldText(meet.classes[kAgilityLarge1].judge), "Dommer i ring 2");
    EXPECT_EQ(meet.equipages[3].entries[kEntryAgility].run[0].time, 4100);
    EXPECT_EQ(meet.equipages[5].entries[kEntryAgility].run[0].disqualified, 1);
    // The team members are numbered in the team class again.
    EXPECT_EQ(meet.equipages[3].entries[kEntryTeam].startOrder[0], 0);
    EXPECT_EQ(meet.equipages[4].entries[kEntryTeam].startOrder[0], 1);
    EXPECT_EQ(meet.equipages[5].entries[kEntryTeam].startOrder[0], 2);
}

TEST_F(RingResultsTest, AnEntryTheOtherRingHadTakenOutIsEnteredAgain) {
    ring2->equipages[0].entries[kEntryHopp].entered[0] = 0;
    ASSERT_TRUE(ImportRingResultsBytes(*ring2, RingResultsBytes(*ring1)));
    EXPECT_EQ(ring2->equipages[0].entries[kEntryHopp].entered[0], 1);
}

TEST_F(RingResultsTest, ImportingTheSameFileTwiceIsImportingItOnce) {
    const std::vector<uint8_t> bytes = RingResultsBytes(*ring1);
    ASSERT_TRUE(ImportRingResultsBytes(*ring2, bytes));
    const std::vector<uint8_t> once = SerializeMeet(*ring2);
    ASSERT_TRUE(ImportRingResultsBytes(*ring2, bytes));
    EXPECT_EQ(SerializeMeet(*ring2), once);
}

TEST_F(RingResultsTest, ReadsAndWritesFiles) {
    const auto folder = MakeTempFolder("ring");
    const std::string path = (folder / "ring1.agr").string();
    ASSERT_TRUE(SaveRingResults(*ring1, path));
    EXPECT_EQ(ReadFileText(path), [&] {
        const std::vector<uint8_t> bytes = RingResultsBytes(*ring1);
        return std::string(bytes.begin(), bytes.end());
    }());
    ASSERT_TRUE(ImportRingResults(*ring2, path));
    EXPECT_EQ(ring2->equipages[0].entries[kEntryHopp].run[0].time, 3512);
}

TEST_F(RingResultsTest, AFileThatCannotBeOpenedIsReported) {
    const std::vector<uint8_t> before = SerializeMeet(*ring2);
    EXPECT_FALSE(ImportRingResults(*ring2, ""));
    EXPECT_FALSE(ImportRingResults(*ring2, (MakeTempFolder("ring") / "finnes-ikke.agr").string()));
    EXPECT_EQ(notifier.warnings, (std::vector<std::string>{"Filen kan ikke åpnes", "Filen kan ikke åpnes"}));
    EXPECT_EQ(SerializeMeet(*ring2), before);
}

TEST_F(RingResultsTest, ASaveThatFailsIsReportedAndLeavesTheMarks) {
    ring1->notifier = &notifier;
    ring1->classes[3].ringMark = 7;
    const auto folder = MakeTempFolder("ring");
    EXPECT_FALSE(SaveRingResults(*ring1, (folder / "finnes-ikke" / "ring.agr").string()));
    EXPECT_EQ(notifier.warnings, std::vector<std::string>{"Filen kan ikke opprettes"});
    EXPECT_EQ(ring1->classes[3].ringMark, 7);
    EXPECT_EQ(ring1->classes[kHoppLarge1].ringMark, 0);
    EXPECT_EQ(ring1->equipages[0].entries[kEntryHopp].run[0].ringMark, 0);
}

// Every damaged or foreign file is refused whole: the message, and the
// receiving meet exactly as it was.
TEST_F(RingResultsTest, FilesThatDoNotFitAreRefusedBeforeAnythingChanges) {
    const std::vector<uint8_t> good = RingResultsBytes(*ring1);
    const size_t classes = 100;
    const size_t entries = classes + 4 + 2 * kRingClassBytes;
    const size_t teams = entries + 4 + 3 * kRingEntryBytes;
    auto cut = [&](size_t size) { return std::vector<uint8_t>(good.begin(), good.begin() + static_cast<long>(size)); };
    auto put = [&](size_t at, int32_t value) {
        std::vector<uint8_t> bytes = good;
        PutInt32(bytes, at, value);
        return bytes;
    };
    std::vector<uint8_t> longer = good;
    longer.push_back(0);
    std::vector<uint8_t> otherMeet = good;
    otherMeet[0] = '9';
    MeetState clubMeet;
    MakeSharedMeet(clubMeet);
    RunRing1(clubMeet);

    const struct {
        const char* what;
        std::vector<uint8_t> bytes;
        const char* message;
    } cases[] = {
        {"another meet", otherMeet, kTextRingWrongMeetId},
        {"a club results file", ClubResultsBytes(clubMeet), kTextRingWrongMeetId},
        {"empty", {}, kTextRingWrongMeetId},
        {"the identifier cut short", cut(20), kTextRingDamaged},
        {"no counts", cut(100), kTextRingDamaged},
        {"cut in a class record", cut(classes + 4 + 10), kTextRingDamaged},
        {"no entry count", cut(entries), kTextRingDamaged},
        {"cut in an entry record", cut(teams - 1), kTextRingDamaged},
        {"cut in the team record", cut(good.size() - 1), kTextRingDamaged},
        {"bytes after the last record", longer, kTextRingDamaged},
        {"a negative class count", put(classes, -1), kTextRingDamaged},
        {"a huge entry count", put(entries, INT32_MAX), kTextRingDamaged},
        {"class slot 27", put(classes + 4 + kRingClassBytes, 27), kTextRingNotThisMeet},
        {"class slot -1", put(classes + 4, -1), kTextRingNotThisMeet},
        {"an equipage past the end", put(entries + 4 + kRingEntryBytes, 6), kTextRingNotThisMeet},
        {"a negative equipage", put(entries + 4, -1), kTextRingNotThisMeet},
        {"entry 5", put(entries + 8 + 2 * kRingEntryBytes, 5), kTextRingNotThisMeet},
        {"entry -1", put(entries + 8, -1), kTextRingNotThisMeet},
        {"a team past the end", put(teams + 4, 2), kTextRingNotThisMeet},
    };
    for (const auto& c : cases) {
        SetUp();
        ring2->info.currentRun = 1;
        const std::vector<uint8_t> before = SerializeMeet(*ring2);
        EXPECT_FALSE(ImportRingResultsBytes(*ring2, c.bytes)) << c.what;
        EXPECT_EQ(notifier.warnings, std::vector<std::string>{c.message}) << c.what;
        EXPECT_TRUE(SerializeMeet(*ring2) == before) << c.what;
        notifier.warnings.clear();
    }
}

}  // namespace
}  // namespace kavalto::test

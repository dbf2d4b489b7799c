// The entries import in open and update mode.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "entries_file.h"
#include "exchange/entries_import.h"
#include "meet/class_catalogue.h"
#include "meet/meet_file.h"
#include "meet/text_field.h"
#include "support/meet_builder.h"
#include "support/recording_notifier.h"

namespace kavalto::test {
namespace {

constexpr int kAgilitySmall2 = 13;
constexpr int kHoppSmall2 = 1;
constexpr int kAgilityMediumOpen = 19;

class EntriesImportTest : public ::testing::Test {
protected:
    std::unique_ptr<MeetState> owned = std::make_unique<MeetState>();
    MeetState& meet = *owned;
    RecordingNotifier notifier;

    void SetUp() override {
        MakeFreshMeet(meet);
        meet.notifier = &notifier;
    }

    EntriesImport Open(const std::vector<std::map<int, std::string>>& records) {
        return ImportEntriesBytes(meet, EntriesBytes(records), EntriesMode::kOpen);
    }
    EntriesImport Update(const std::vector<std::map<int, std::string>>& records) {
        return ImportEntriesBytes(meet, EntriesBytes(records), EntriesMode::kUpdate);
    }

    EquipageRecord& Dog(int index) { return meet.equipages.at(static_cast<size_t>(index)); }
    ClassEntry& EntryOf(int index, int slot) { return Dog(index).entries[EntryOfClass(slot)]; }
};

TEST_F(EntriesImportTest, AHeaderOnlyFileLeavesAnEmptyMeetWithResetClasses) {
    AddEquipage(meet, "Gammel");
    AddTeam(meet, "Gammelt lag", 24);
    CopyText(meet.classes[5].judge, "Dommer");
    meet.classes[5].inRun[0] = 1;
    meet.classes[5].finalPercent = 80;
    meet.info.currentRun = 1;

    EXPECT_EQ(Open({}), EntriesImport::kImported);
    EXPECT_EQ(meet.equipageCount(), 0);
    EXPECT_EQ(meet.teamCount(), 0);
    EXPECT_EQ(meet.equipageCapacity, 0);
    EXPECT_EQ(meet.classes[5].judge[0], '\0');
    EXPECT_EQ(meet.classes[5].inRun[0], 0);
    EXPECT_EQ(meet.classes[5].finalPercent, 50);
    EXPECT_EQ(meet.info.currentRun, 0);
    EXPECT_TRUE(notifier.warnings.empty());
}

TEST_F(EntriesImportTest, TheFirstRecordGivesMeetIdKindAndRuns) {
    const struct {
        const char* kind;
        const char* runs;
        int meetForm;
        int singleRun;
    } cases[] = {{"-1", "1", 0, 0}, {"1", "1", 1, 0}, {"0", "2", 1, 1}, {"", "", 1, 1}};
    for (const auto& c : cases) {
        SetUp();
        auto first = With(With(DogFields("NO1", "AG-Liten-1", "8001"), 2, c.kind), 3, c.runs);
        // A later record's kind and runs are not read.
        auto second = With(With(DogFields("NO2", "AG-Liten-1", "8002"), 2, "-1"), 3, "1");
        ASSERT_EQ(Open({first, second}), EntriesImport::kImported);
        EXPECT_EQ(FieldText(meet.info.meetId), kMeetId);
        EXPECT_EQ(meet.info.meetForm, c.meetForm) << c.kind;
        EXPECT_EQ(meet.info.singleRun, c.singleRun) << c.runs;
    }
}

TEST_F(EntriesImportTest, AnEquipageRecordFillsTheDogAndItsEntry) {
    auto fields = DogFields("NO12345/21", "AG-Liten-2", "8005", "Tass");
    fields[6] = "Ola Dommer";
    fields[19] = "  ";
    ASSERT_EQ(Open({fields}), EntriesImport::kImported);
    ASSERT_EQ(meet.equipageCount(), 1);
    const EquipageRecord& e = Dog(0);
    EXPECT_EQ(FieldText(e.regNo), "NO12345/21");
    EXPECT_EQ(FieldText(e.dogName), "Tass");
    EXPECT_EQ(FieldText(e.callName), "Tassen");
    EXPECT_EQ(FieldText(e.breed), "Border Collie");
    EXPECT_EQ(FieldText(e.club), "Oslo HK");
    EXPECT_EQ(FieldText(e.handlerName), "Kari Nordmann");
    EXPECT_EQ(FieldText(e.address), "Storgata 1");
    EXPECT_EQ(FieldText(e.email), "kari@example.no");
    EXPECT_EQ(e.size, 0);
    EXPECT_EQ(e.lateEntry, 0);
    EXPECT_EQ(e.mailStatus, 0);
    for (const ClassEntry& entry : e.entries) EXPECT_EQ(FieldText(entry.handler), "Kari Nordmann");
    const ClassEntry& entry = e.entries[kEntryAgility];
    EXPECT_EQ(entry.classSlot, kAgilitySmall2);
    EXPECT_EQ(entry.startNo, 8005);
    EXPECT_EQ(entry.entered[0], 1);
    EXPECT_EQ(entry.entered[1], 0);
    EXPECT_EQ(entry.startOrder[0], 0);
    EXPECT_EQ(e.agilityLevel, 1);
    EXPECT_EQ(FieldText(meet.classes[kAgilitySmall2].judge), "Ola Dommer");
    EXPECT_EQ(meet.classes[kAgilitySmall2].inRun[0], 1);
    EXPECT_EQ(meet.classes[kAgilitySmall2].inRun[1], 0);
}

TEST_F(EntriesImportTest, TheSameDogInTwoClassesIsOneEquipage) {
    auto agility = DogFields("NO1", "AG-Liten-2", "8001");
    auto hopp = With(DogFields("NO1", "AG-H-Liten-2", "8002", "Annet navn"), 15, "Annen Fører");
    ASSERT_EQ(Open({agility, hopp}), EntriesImport::kImported);
    ASSERT_EQ(meet.equipageCount(), 1);
    EXPECT_EQ(EntryOf(0, kAgilitySmall2).entered[0], 1);
    EXPECT_EQ(EntryOf(0, kAgilitySmall2).startNo, 8001);
    EXPECT_EQ(EntryOf(0, kHoppSmall2).entered[0], 1);
    EXPECT_EQ(EntryOf(0, kHoppSmall2).classSlot, kHoppSmall2);
    EXPECT_EQ(EntryOf(0, kHoppSmall2).startNo, 8002);
    EXPECT_EQ(FieldText(Dog(0).dogName), "Tass");  // the first record supplies the dog
    EXPECT_EQ(FieldText(EntryOf(0, kAgilitySmall2).handler), "Kari Nordmann");
    EXPECT_EQ(FieldText(EntryOf(0, kHoppSmall2).handler), "Kari Nordmann");
    EXPECT_EQ(Dog(0).agilityLevel, 1);
    EXPECT_EQ(Dog(0).hoppLevel, 1);
}

TEST_F(EntriesImportTest, AnOpenRecordTakesTheSizeFromTheDogsClasses) {
    const struct {
        const char* code;
        const char* dogClasses;
        int slot;
        int size;
    } cases[] = {
        {"AG-Aapen", "AG-Mellom-2,AG-H-Mellom-2", kAgilityMediumOpen, 1},
        {"AG-Aapen", "AG-Stor-1", 23, 2},
        {"AG-Aapen", "ukjent,AG-Stor-1", 15, 0},  // only the first code counts
        {"AG-H-Aapen", "AG-H-Stor-3", 11, 2},
        {"AG-Liten-A", "AG-Mellom-1", 19, 1},
        {"AG-Mellom-A", "AG-Stor-1", 19, 2},  // a sized Open code keeps its class
    };
    for (const auto& c : cases) {
        SetUp();
        auto fields = With(With(DogFields("NO1", c.code, "8001"), 7, c.dogClasses), 6, "Åpen Dommer");
        ASSERT_EQ(Open({fields}), EntriesImport::kImported) << c.code;
        ASSERT_EQ(meet.equipageCount(), 1);
        const ParsedClassCode named = ParseClassCode(c.code);
        EXPECT_EQ(Dog(0).size, c.size) << c.code << " " << c.dogClasses;
        EXPECT_EQ(EntryOf(0, c.slot).classSlot, c.slot) << c.code << " " << c.dogClasses;
        EXPECT_EQ(EntryOf(0, c.slot).entered[0], 1);
        EXPECT_EQ(meet.classes[static_cast<size_t>(c.slot)].inRun[0], 1);
        // The judge belongs to the class the code names.
        EXPECT_FALSE(FieldText(meet.classes[static_cast<size_t>(named.slot)].judge).empty());
        if (named.slot != c.slot) {
            EXPECT_EQ(meet.classes[static_cast<size_t>(named.slot)].inRun[0], 0);
        }
        EXPECT_EQ(Dog(0).agilityLevel, 0);
    }
}

TEST_F(EntriesImportTest, TheDogsClassCodesGiveItsLevels) {
    const struct {
        const char* code;
        const char* dogClasses;
        int agility;
        int hopp;
    } cases[] = {
        {"AG-Liten-1", "AG-Liten-3,AG-H-Liten-2", 0, 1},     // the record's own class sets its level last
        {"AG-Stor-Aapen", "AG-Stor-3,AG-H-Stor-2", 2, 1},    // an Open class of kind A sets no level
        {"AG-Stor-Aapen", "AG-Stor-1,AG-Stor-2,AG-Stor-3,AG-H-Stor-3", 2, 0},  // three codes at most
        {"AG-Stor-Aapen", "AG-LagL,xx,AG-H-Stor-3", 0, 2},
    };
    for (const auto& c : cases) {
        SetUp();
        ASSERT_EQ(Open({With(DogFields("NO1", c.code, "8001"), 7, c.dogClasses)}), EntriesImport::kImported);
        ASSERT_EQ(meet.equipageCount(), 1);
        EXPECT_EQ(Dog(0).agilityLevel, c.agility) << c.dogClasses;
        EXPECT_EQ(Dog(0).hoppLevel, c.hopp) << c.dogClasses;
    }
}

TEST_F(EntriesImportTest, TheSexLetterHMakesAMale) {
    const struct {
        const char* text;
        int sex;
    } cases[] = {{"H", 1}, {"h", 1}, {"Hannhund", 1}, {"hann", 1}, {"T", 0}, {"Tispe", 0}, {"", 0}, {" H", 0}};
    for (const auto& c : cases) {
        SetUp();
        ASSERT_EQ(Open({With(DogFields("NO1", "AG-Liten-1", "8001"), 10, c.text)}), EntriesImport::kImported);
        EXPECT_EQ(Dog(0).sex, c.sex) << '"' << c.text << '"';
        EXPECT_EQ(Dog(0).inSeason, 0);
    }
}

TEST_F(EntriesImportTest, ThePlaceIsBuiltFromThreeFields) {
    const struct {
        const char* first;
        const char* second;
        const char* leading;
        const char* place;
    } cases[] = {
        {"0150", "Oslo", "", "0150 Oslo "}, {"", "Oslo", "", "Oslo "}, {"0150", "", "", "0150  "},
        {"", "", "N-", "N-"},              {"0150", "Oslo", "N-", "N-0150 Oslo "}, {"", "", "", ""},
    };
    for (const auto& c : cases) {
        SetUp();
        auto fields = DogFields("NO1", "AG-Liten-1", "8001");
        fields[17] = c.first;
        fields[18] = c.second;
        fields[19] = c.leading;
        ASSERT_EQ(Open({fields}), EntriesImport::kImported);
        EXPECT_EQ(FieldText(Dog(0).place), c.place);
    }
}

TEST_F(EntriesImportTest, ALongPlaceIsCutTo99) {
    auto fields = DogFields("NO1", "AG-Liten-1", "8001");
    fields[17] = std::string(99, 'a');
    fields[18] = std::string(99, 'b');
    fields[19] = "N-";
    ASSERT_EQ(Open({fields}), EntriesImport::kImported);
    EXPECT_EQ(FieldText(Dog(0).place), "N-" + std::string(97, 'a'));
}

TEST_F(EntriesImportTest, Field20IsAnAlternativeClubNameThatNeverReplacesThePlace) {
    const struct {
        const char* club;
        const char* otherClub;
        const char* expectedClub;
    } cases[] = {{"", "Bergen HK", "Bergen HK"}, {"Oslo HK", "Bergen HK", "Oslo HK"}, {"", "", ""}};
    for (const auto& c : cases) {
        SetUp();
        auto fields = With(With(DogFields("NO1", "AG-Liten-1", "8001"), 14, c.club), 20, c.otherClub);
        ASSERT_EQ(Open({fields}), EntriesImport::kImported);
        EXPECT_EQ(FieldText(Dog(0).club), c.expectedClub);
        EXPECT_EQ(FieldText(Dog(0).place), "0150 Oslo ");
    }
}

TEST_F(EntriesImportTest, AnEmptyRegistrationNumberStillMarksTheClassAndSetsItsJudge) {
    auto fields = With(DogFields("", "AG-H-Stor-2", "8001"), 6, "Dommer Dahl");
    ASSERT_EQ(Open({fields}), EntriesImport::kImported);
    EXPECT_EQ(meet.equipageCount(), 0);
    EXPECT_EQ(meet.classes[9].inRun[0], 1);
    EXPECT_EQ(FieldText(meet.classes[9].judge), "Dommer Dahl");
}

TEST_F(EntriesImportTest, AnUnknownClassCodeEndsTheRecord) {
    auto fields = With(With(DogFields("NO1", "AG-Gigant-1", "8001"), 6, "Dommer"), 7, "AG-Stor-3");
    ASSERT_EQ(Open({fields}), EntriesImport::kImported);
    EXPECT_EQ(meet.equipageCount(), 0);
    for (const ClassRecord& c : meet.classes) {
        EXPECT_EQ(c.inRun[0], 0);
        EXPECT_EQ(c.judge[0], '\0');
    }
    EXPECT_EQ(FieldText(meet.info.meetId), kMeetId);  // the meet identifier was still taken
}

TEST_F(EntriesImportTest, TeamRecordsBecomeTeamsSortedBySize) {
    ASSERT_EQ(Open({TeamFields("LAG-1", "AG-LagS", "9001", "Storlaget"), TeamFields("LAG-2", "AG-LagL", "9002", "Smålaget"),
                    TeamFields("LAG-3", "AG-LagM", "9001", "Samme nummer")}),
              EntriesImport::kImported);
    ASSERT_EQ(meet.teamCount(), 2);  // the equal start number makes no team
    const TeamRecord& small = meet.teams[0];
    EXPECT_EQ(FieldText(small.teamName), "Smålaget");
    EXPECT_EQ(FieldText(small.teamNo), "LAG-2");
    EXPECT_EQ(FieldText(small.contact), "Per Lagleder");
    EXPECT_EQ(small.classSlot, 24);
    EXPECT_EQ(small.size, 0);
    EXPECT_EQ(small.startNo, 9002);
    EXPECT_EQ(small.inRun[0], 1);
    EXPECT_EQ(small.lateEntry, 0);
    EXPECT_EQ(small.club[0], '\0');
    for (int32_t m : small.members) EXPECT_EQ(m, -1);
    EXPECT_EQ(FieldText(meet.teams[1].teamName), "Storlaget");
    EXPECT_EQ(meet.teams[1].classSlot, 26);
    EXPECT_EQ(meet.classes[25].inRun[0], 1);  // the refused team's class still takes part
    EXPECT_EQ(meet.equipageCount(), 0);
}

TEST_F(EntriesImportTest, OpeningOrdersEveryClassByStartNumber) {
    ASSERT_EQ(Open({DogFields("NO1", "AG-Liten-1", "8003", "C"), DogFields("NO2", "AG-Liten-1", "8001", "A"),
                    DogFields("NO3", "AG-Liten-1", "8002", "B")}),
              EntriesImport::kImported);
    EXPECT_EQ(EntryOf(0, 12).startOrder[0], 2);
    EXPECT_EQ(EntryOf(1, 12).startOrder[0], 0);
    EXPECT_EQ(EntryOf(2, 12).startOrder[0], 1);
}

TEST_F(EntriesImportTest, ARecordOfAnotherMeetStopsTheImportKeepingWhatCameBefore) {
    const std::vector<std::map<int, std::string>> records = {
        TeamFields("LAG-1", "AG-LagS", "9001", "Stor"), TeamFields("LAG-2", "AG-LagL", "9002", "Liten"),
        DogFields("NO1", "AG-Liten-1", "8002"), DogFields("NO2", "AG-Liten-1", "8001"),
        With(DogFields("NO3", "AG-Liten-1", "8000"), 1, "999 Annet stevne"), DogFields("NO4", "AG-Liten-1", "8003")};
    EXPECT_EQ(Open(records), EntriesImport::kRefused);
    EXPECT_EQ(notifier.warnings, std::vector<std::string>{"Feil filformat"});
    EXPECT_EQ(meet.equipageCount(), 2);
    EXPECT_EQ(FieldText(meet.teams[0].teamName), "Liten");  // sorted by size
    EXPECT_EQ(EntryOf(0, 12).startOrder[0], 1);              // ordered by start number
    EXPECT_EQ(EntryOf(1, 12).startOrder[0], 0);
}

TEST_F(EntriesImportTest, ASkippedRecordKeepsItsNumber) {
    // Record 1 has no meet identifier, so record 2 is a later record and
    // must match the meet's identifier, which the import has not set.
    CopyText(meet.info.meetId, "gammelt");
    EXPECT_EQ(Open({With(DogFields("NO1", "AG-Liten-1", "8001"), 1, ""), DogFields("NO2", "AG-Liten-1", "8002")}),
              EntriesImport::kRefused);
    EXPECT_EQ(notifier.warnings, std::vector<std::string>{"Feil filformat"});
    EXPECT_EQ(meet.equipageCount(), 0);
}

TEST_F(EntriesImportTest, OverlongFieldsAreCutAndALastRecordWithoutLineEndIsRead) {
    auto fields = DogFields(std::string(150, 'R'), "AG-Liten-1", std::string(60, '9'), std::string(300, 'n'));
    std::string text = kEntriesHeader + EntriesLine(DogFields("NO1", "AG-Liten-1", "8001"));
    std::string last = EntriesLine(fields);
    last.pop_back();  // no line feed
    last.pop_back();  // and no terminator after field 24
    text += last;
    ASSERT_EQ(ImportEntriesBytes(meet, Bytes(text), EntriesMode::kOpen), EntriesImport::kImported);
    ASSERT_EQ(meet.equipageCount(), 2);
    EXPECT_EQ(FieldText(Dog(1).regNo), std::string(99, 'R'));
    EXPECT_EQ(FieldText(Dog(1).dogName), std::string(99, 'n'));
    EXPECT_EQ(EntryOf(1, 12).startNo, INT32_MAX);
}

TEST_F(EntriesImportTest, AFileThatCannotBeReadChangesNothingAndSaysNothing) {
    AddEquipage(meet, "Bli");
    meet.info.currentRun = 1;
    EXPECT_EQ(ImportEntries(meet, "", EntriesMode::kOpen), EntriesImport::kCannotOpen);
    EXPECT_EQ(ImportEntries(meet, (MakeTempFolder("entries") / "finnes-ikke.vhx").string(), EntriesMode::kOpen),
              EntriesImport::kCannotOpen);
    EXPECT_EQ(meet.equipageCount(), 1);
    EXPECT_EQ(meet.info.currentRun, 1);
    EXPECT_TRUE(notifier.warnings.empty());
}

TEST_F(EntriesImportTest, ReadsAFileFromDisk) {
    const auto path = MakeTempFolder("entries") / "påmelding.vhx";
    const std::vector<uint8_t> bytes = EntriesBytes({DogFields("NO1", "AG-Liten-1", "8001")});
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                static_cast<std::streamsize>(bytes.size()));
    EXPECT_EQ(ImportEntries(meet, path.string(), EntriesMode::kOpen), EntriesImport::kImported);
    EXPECT_EQ(meet.equipageCount(), 1);
}

// Update mode works on a meet opened from an earlier version of the file.
class EntriesUpdateTest : public EntriesImportTest {
protected:
    void SetUp() override {
        EntriesImportTest::SetUp();
        ASSERT_EQ(Open({DogFields("NO1", "AG-Liten-1", "8001", "Tass"), DogFields("NO2", "AG-Liten-1", "8002", "Luna"),
                        TeamFields("LAG-1", "AG-LagL", "9001", "Lynet")}),
                  EntriesImport::kImported);
        // The operator's own order: Luna first.
        EntryOf(0, 12).startOrder[0] = 1;
        EntryOf(1, 12).startOrder[0] = 0;
        CopyText(Dog(0).club, "Endret klubb");
    }
};

TEST_F(EntriesUpdateTest, AKnownDogInAClassItHasChangesNothing) {
    const std::vector<uint8_t> before = SerializeMeet(meet);
    auto again = With(With(DogFields("NO1", "AG-Liten-1", "8050", "Nytt navn"), 14, "Ny klubb"), 15, "Ny fører");
    ASSERT_EQ(Update({again, TeamFields("LAG-1", "AG-LagL", "9050", "Nytt lagnavn")}), EntriesImport::kImported);
    EXPECT_EQ(SerializeMeet(meet), before);
}

TEST_F(EntriesUpdateTest, AKnownDogInANewClassIsEnteredAndPutLast) {
    ASSERT_EQ(Update({DogFields("NO2", "AG-Liten-1", "8002", "Luna"), DogFields("NO3", "AG-Liten-1", "8003", "Ny"),
                      With(DogFields("NO1", "AG-H-Liten-2", "8010", "Annet"), 15, "Annen fører")}),
              EntriesImport::kImported);
    ASSERT_EQ(meet.equipageCount(), 3);
    const ClassEntry& hopp = EntryOf(0, kHoppSmall2);
    EXPECT_EQ(hopp.classSlot, kHoppSmall2);
    EXPECT_EQ(hopp.entered[0], 1);
    EXPECT_EQ(hopp.startNo, 8010);
    EXPECT_EQ(hopp.startOrder[0], 1);  // appended: one past the highest, itself counted at 0
    EXPECT_EQ(FieldText(hopp.handler), "Kari Nordmann");  // the dog's own fields stay
    EXPECT_EQ(FieldText(Dog(0).dogName), "Tass");
    EXPECT_EQ(FieldText(Dog(0).club), "Endret klubb");
    EXPECT_EQ(Dog(0).hoppLevel, 0);
    EXPECT_EQ(meet.classes[kHoppSmall2].inRun[0], 1);
    // The new dog starts after the operator's order, which stays.
    EXPECT_EQ(EntryOf(1, 12).startOrder[0], 0);
    EXPECT_EQ(EntryOf(0, 12).startOrder[0], 1);
    EXPECT_EQ(EntryOf(2, 12).startOrder[0], 2);
    EXPECT_EQ(FieldText(Dog(2).dogName), "Ny");
    EXPECT_EQ(FieldText(EntryOf(2, 12).handler), "Kari Nordmann");
}

TEST_F(EntriesUpdateTest, ANewTeamIsAddedAndAKnownOneIsLeft) {
    ASSERT_EQ(Update({TeamFields("LAG-1", "AG-LagL", "9050", "Nytt navn"), TeamFields("LAG-2", "AG-LagM", "9001", "Likt nr"),
                      TeamFields("LAG-3", "AG-LagS", "9003", "Nytt lag")}),
              EntriesImport::kImported);
    ASSERT_EQ(meet.teamCount(), 2);
    EXPECT_EQ(FieldText(meet.teams[0].teamName), "Lynet");
    EXPECT_EQ(meet.teams[0].startNo, 9001);
    const TeamRecord& added = meet.teams[1];
    EXPECT_EQ(FieldText(added.teamNo), "LAG-3");
    EXPECT_EQ(added.classSlot, 26);
    EXPECT_EQ(added.startNo, 9003);
    EXPECT_EQ(added.inRun[0], 1);
    EXPECT_EQ(added.inRun[1], 0);
    EXPECT_EQ(added.startOrder[0], 0);
    EXPECT_EQ(added.startOrder[1], 0);
}

TEST_F(EntriesUpdateTest, AFileOfAnotherMeetIsRefusedAtOnce) {
    meet.info.currentRun = 1;
    std::vector<uint8_t> before = SerializeMeet(meet);
    auto other = With(DogFields("NO9", "AG-Liten-1", "8009"), 1, "999 Annet stevne");
    EXPECT_EQ(Update({other}), EntriesImport::kRefused);
    EXPECT_EQ(notifier.warnings, std::vector<std::string>{"Feil stevne ID"});
    EXPECT_EQ(meet.info.currentRun, 0);
    meet.info.currentRun = 1;
    EXPECT_EQ(SerializeMeet(meet), before);
}

TEST_F(EntriesUpdateTest, ALaterRecordOfAnotherMeetKeepsTheOperatorsOrder) {
    auto other = With(DogFields("NO9", "AG-Liten-1", "8000"), 1, "999 Annet stevne");
    EXPECT_EQ(Update({DogFields("NO3", "AG-Liten-1", "7000", "Ny"), other}), EntriesImport::kRefused);
    EXPECT_EQ(notifier.warnings, std::vector<std::string>{"Feil filformat"});
    ASSERT_EQ(meet.equipageCount(), 3);
    EXPECT_EQ(EntryOf(1, 12).startOrder[0], 0);
    EXPECT_EQ(EntryOf(0, 12).startOrder[0], 1);
    EXPECT_EQ(EntryOf(2, 12).startOrder[0], 2);
}

}  // namespace
}  // namespace kavalto::test

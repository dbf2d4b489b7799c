// The club results file: its bytes, its checksum, and what it leaves out.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "exchange/club_results.h"
#include "exchange/results_checksum.h"
#include "meet/text_field.h"
#include "rules/hundredths.h"
#include "support/meet_builder.h"
#include "support/recording_notifier.h"

namespace kavalto::test {
namespace {

constexpr int kHoppLarge1 = 8;
constexpr int kHoppLarge3 = 10;
constexpr int kHoppLargeOpen = 11;
constexpr int kTeamLarge = 26;
const std::string kEnd("\r\n\0", 3);
const std::string kHeader =
    "UTID|KLASSE|DOMMER|STDTID|MAXTID|LENGDE|HUID|KATANR|Agil_lagnavn|PLASSERING|TID|TIDFEIL|FEIL|VEGRINGER|TOTFEIL|"
    "DISK|IKKEMOTT|ETTERANM|NAPP|CERT|STORCERT|CHAMP|CACIAC|RCACIAC";

std::string Text(const std::vector<uint8_t>& bytes) { return std::string(bytes.begin(), bytes.end()); }

// The lines of a file, each without its CR LF NUL; fails when a line has
// another end.
std::vector<std::string> ClubLines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = text.find(kEnd, start);
        if (end == std::string::npos) {
            ADD_FAILURE() << "a line without CR LF NUL: " << text.substr(start);
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + kEnd.size();
    }
    return lines;
}

class ClubResultsTest : public ::testing::Test {
protected:
    std::unique_ptr<MeetState> owned = std::make_unique<MeetState>();
    MeetState& meet = *owned;
    RecordingNotifier notifier;

    void SetUp() override {
        MakeFreshMeet(meet);
        meet.notifier = &notifier;
        CopyText(meet.info.meetId, "12-2026 Vårstevnet");
    }

    int Dog(const char* regNo, int slot, int startNo, int size = 2) {
        const int e = AddEquipage(meet, regNo, size);
        CopyText(meet.equipages[static_cast<size_t>(e)].regNo, regNo);
        Enter(meet, e, slot, 0, startNo);
        return e;
    }

    void HoppLarge1() {
        ClassRecord& c = meet.classes[kHoppLarge1];
        CopyText(c.judge, "Dommer Dahl");
        c.standardTime[0] = 4000;
        c.maxTimeOn = 1;
        c.maxTime[0] = 6000;
        c.courseLength[0] = 180;
        SetRun(meet, Dog("NO-A", kHoppLarge1, 8001), kHoppLarge1, 0, 3512);
        SetRun(meet, Dog("NO-B", kHoppLarge1, 8002), kHoppLarge1, 0, 3000, 0, 0, 1);
        SetRun(meet, Dog("NO-C", kHoppLarge1, 8003), kHoppLarge1, 0, 6500);
        SetRun(meet, Dog("NO-D", kHoppLarge1, 8004), kHoppLarge1, 0, 0, 0, 0, 0, 1);
        const int late = Dog("NO-E", kHoppLarge1, 8005);
        meet.equipages[static_cast<size_t>(late)].lateEntry = 1;
    }

    std::vector<std::string> Export() { return ClubLines(Text(ClubResultsBytes(meet))); }
};

TEST_F(ClubResultsTest, WritesEveryResultOfAClassInListOrder) {
    HoppLarge1();
    const std::vector<std::string> lines = Export();
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines[0], ResultsChecksum(meet, 3512 + 6500));
    EXPECT_EQ(lines[1], kHeader);
    const std::string cls = "12-2026 Vårstevnet|AG-H-Stor-1|Dommer Dahl|40.00|60.00|180|";
    EXPECT_EQ(lines[2], cls + "NO-A|8001| |1|35.12|0.00|0|0|0.00|N|N|N|J|N|N|N|N|N");
    EXPECT_EQ(lines[3], cls + "NO-C|8003| ||65.00|25.00|0|0| |J|N|N|N|N|N|N|N|N");  // over the maximum time
    EXPECT_EQ(lines[4], cls + "NO-B|8002| |||||| |J|N|N|N|N|N|N|N|N");
    EXPECT_EQ(lines[5], cls + "NO-D|8004| |||||| |N|J|N|N|N|N|N|N|N");
    EXPECT_EQ(lines[6], cls + "NO-E|8005| |||||||N|N|J|N|N|N|N|N|N");  // nothing recorded yet
}

TEST_F(ClubResultsTest, TeamClassesGiveTheTeamRowsOnlyAndOpenClassesNothing) {
    ClassRecord& lag = meet.classes[kTeamLarge];
    lag.standardTime[0] = 4000;
    lag.courseLength[0] = 200;
    int members[3];
    for (int i = 0; i < 3; ++i) {
        members[i] = Dog(("NO-M" + std::to_string(i)).c_str(), kHoppLarge1, 8101 + i);
        Enter(meet, members[i], kTeamLarge, 0, 8101 + i);
        SetRun(meet, members[i], kTeamLarge, 0, 3000 + 100 * i);
    }
    const int team = AddTeam(meet, "Lynet", kTeamLarge, members[0], members[1], members[2]);
    CopyText(meet.teams[static_cast<size_t>(team)].teamNo, "LAG-7");
    meet.teams[static_cast<size_t>(team)].startNo = 9001;
    meet.teams[static_cast<size_t>(team)].lateEntry = 1;
    // An Open class with a result is left out, and so is its time.
    const int open = Dog("NO-O", kHoppLargeOpen, 8200);
    SetRun(meet, open, kHoppLargeOpen, 0, 2000);
    meet.equipages[static_cast<size_t>(open)].entries[kEntryHoppOpen].awards[kAwardNapp] = 1;

    const std::vector<std::string> lines = Export();
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[0], ResultsChecksum(meet, 9300));
    // Hopp Large 1 rows come first (slot order); the members have no result there.
    EXPECT_EQ(lines[5], "12-2026 Vårstevnet|AG-LagS||40.00| |200|LAG-7|9001|Lynet|1|93.00|0.00|0|0|0.00|N|N|J|N|N|N|N|N|N");
}

TEST_F(ClubResultsTest, CertificateColumnsNeedAClubMeetAndALevel3Class) {
    const struct {
        int meetForm;
        int slot;
        int award;
        const char* columns;  // NAPP|CERT|STORCERT|CHAMP|CACIAC|RCACIAC
    } cases[] = {
        {1, kHoppLarge3, kAwardCert, "N|J|N|N|N|N"},    {1, kHoppLarge3, kAwardChampion, "N|N|N|J|N|N"},
        {1, kHoppLarge3, kAwardCaciac, "N|N|N|N|J|N"},  {1, kHoppLarge3, kAwardReserveCaciac, "N|N|N|N|N|J"},
        {0, kHoppLarge3, kAwardCert, "N|N|N|N|N|N"},    {0, kHoppLarge3, kAwardCaciac, "N|N|N|N|N|N"},
        {1, kHoppLarge1, kAwardCert, "N|N|N|N|N|N"},    {0, kHoppLarge1, kAwardNapp, "J|N|N|N|N|N"},
    };
    for (const auto& c : cases) {
        SetUp();
        meet.info.meetForm = c.meetForm;
        const int e = Dog("NO-A", c.slot, 8001);
        SetRun(meet, e, c.slot, 0, 4500, 2);  // faults: no Napp of its own
        meet.equipages[static_cast<size_t>(e)].entries[kEntryHopp].awards[c.award] = 1;
        const std::vector<std::string> lines = Export();
        ASSERT_EQ(lines.size(), 3u);
        const std::string& line = lines[2];
        EXPECT_EQ(line.substr(line.size() - 11), c.columns) << "meetForm " << c.meetForm << " slot " << c.slot
                                                             << " award " << c.award;
    }
}

TEST_F(ClubResultsTest, OnlyTheFirstRunIsWrittenAndTheCurrentRunIsKept) {
    HoppLarge1();
    meet.info.singleRun = 0;
    meet.info.currentRun = 1;
    meet.classes[kHoppLarge1].inRun[1] = 1;
    meet.classes[kHoppLarge1].standardTime[1] = 3000;
    Enter(meet, 0, kHoppLarge1, 1);
    SetRun(meet, 0, kHoppLarge1, 1, 2999);
    const std::vector<std::string> lines = Export();
    EXPECT_EQ(meet.info.currentRun, 1);
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines[0], ResultsChecksum(meet, 3512 + 6500));
    EXPECT_NE(lines[2].find("|40.00|60.00|180|NO-A|8001| |1|35.12|"), std::string::npos);
}

TEST_F(ClubResultsTest, AMeetWithOpenClassResultsOnlyGivesTheHeadOfTheFile) {
    SetRun(meet, Dog("NO-O", kHoppLargeOpen, 8200), kHoppLargeOpen, 0, 2000);
    SetRun(meet, Dog("NO-P", 23, 8201), 23, 0, 3000);
    const std::string text = Text(ClubResultsBytes(meet));
    const std::string checksum = *Sha1Hex("k#%Rq!w^Zb12.00");  // the meet identifier's 12 alone
    EXPECT_EQ(text, checksum + kEnd + kHeader + kEnd);
}

TEST(ResultsChecksum, TheMeetIdentifiersLeadingNumber) {
    const struct {
        const char* meetId;
        int32_t number;
    } cases[] = {
        {"12", 12},          {"12-2026 Vårstevnet", 12}, {"Vårstevnet 12", 0}, {"", 0},
        {"  +34x", 34},      {"-7", -7},                 {"- 7", -7},          {"-+7", -7},
        {"+-7", 0},          {"99999999999999999999999999999999999999", INT32_MAX},
        {"-99999999999", INT32_MIN},
    };
    for (const auto& c : cases) EXPECT_EQ(MeetIdNumber(c.meetId), c.number) << c.meetId;
}

TEST(ResultsChecksum, TheHashedTextIsTheSaltAndTheShiftedTotal) {
    const struct {
        int32_t total;
        int32_t number;
        const char* text;
    } cases[] = {
        {950, 12, "k#%Rq!w^Zb21.50"},        {0, 0, "k#%Rq!w^Zb0.00"},  {1234567, 0, "k#%Rq!w^Zb12345.67"},
        {5, -1, "k#%Rq!w^Zb0.-95"},          // C's %d.%02d of -95
        {0, INT32_MAX, "k#%Rq!w^Zb-1.00"},   // 100 x number wraps at 32 bits
    };
    for (const auto& c : cases) EXPECT_EQ(ChecksumText(c.total, c.number), c.text) << c.total << " " << c.number;
}

TEST(ResultsChecksum, IsTheLowerCaseHexSha1OfThatText) {
    EXPECT_EQ(Sha1Hex("abc"), "a9993e364706816aba3e25717850c26c9cd0d89d");
    EXPECT_EQ(Sha1Hex(""), "da39a3ee5e6b4b0d3255bfef95601890afd80709");
    MeetState meet;
    MakeFreshMeet(meet);
    CopyText(meet.info.meetId, "12 Stevne");
    EXPECT_EQ(ResultsChecksum(meet, 950), *Sha1Hex("k#%Rq!w^Zb21.50"));
}

// The club's side of the checksum, worked out by another program from the
// written file alone: the sum of the TID column and the meet identifier.
TEST_F(ClubResultsTest, AnIndependentSha1OfTheWrittenFileAgrees) {
    HoppLarge1();
    const auto folder = MakeTempFolder("club-results");
    const std::string path = (folder / "resultater.agr").string();
    ASSERT_TRUE(ExportClubResults(meet, path));
    const std::string script = (folder / "check.py").string();
    {
        std::FILE* f = std::fopen(script.c_str(), "w");
        ASSERT_NE(f, nullptr);
        std::fputs(
            "import hashlib, re, sys\n"
            "lines = open(sys.argv[1], 'rb').read().split(b'\\r\\n\\x00')\n"
            "assert lines[-1] == b''\n"
            "keys = lines[1].split(b'|')\n"
            "tid = keys.index(b'TID')\n"
            "total = 0\n"
            "for line in lines[2:-1]:\n"
            "    t = line.split(b'|')[tid]\n"
            "    if t: s, h = t.split(b'.'); total += int(s) * 100 + int(h)\n"
            "meet_id = lines[2].split(b'|')[0].decode('cp1252')\n"
            "v = total + 100 * int(re.match(r'\\d*', meet_id).group(0) or 0)\n"
            "text = 'k#%Rq!w^Zb' + '%d.%02d' % (v // 100, v % 100)\n"
            "print(hashlib.sha1(text.encode()).hexdigest() == lines[0].decode())\n",
            f);
        std::fclose(f);
    }
    std::FILE* python = popen(("/usr/bin/python3 " + script + " " + path).c_str(), "r");
    ASSERT_NE(python, nullptr);
    char answer[64] = {};
    const bool read = std::fgets(answer, sizeof answer, python) != nullptr;
    EXPECT_EQ(pclose(python), 0);
    ASSERT_TRUE(read);
    EXPECT_EQ(std::string(answer), "True\n");
}

TEST_F(ClubResultsTest, AFileThatCannotBeCreatedIsReported) {
    HoppLarge1();
    meet.info.currentRun = 1;
    const auto folder = MakeTempFolder("club-results");
    EXPECT_FALSE(ExportClubResults(meet, (folder / "finnes-ikke" / "r.agr").string()));
    EXPECT_EQ(notifier.warnings, std::vector<std::string>{"Filen kan ikke opprettes"});
    EXPECT_EQ(meet.info.currentRun, 1);
    EXPECT_TRUE(std::filesystem::is_empty(folder));
}

}  // namespace
}  // namespace kavalto::test

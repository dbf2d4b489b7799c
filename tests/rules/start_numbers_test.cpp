#include <gtest/gtest.h>

#include <vector>

#include "rules/start_order.h"
#include "support/meet_builder.h"

namespace kavalto {
namespace {

struct NumberCase {
    const char* what;
    int meetForm;
    int classSlot;
    std::vector<std::pair<int, int>> entered;  // class slot, start number already given
    int32_t expected;
};

// A private meet numbers each class from class x 200 + 1; a club meet numbers
// the whole meet from 8000, whatever the class.
TEST(NextStartNumber, PrivateSeriesPerClassAndOneClubSeries) {
    const NumberCase cases[] = {
        {"private, first in class 13", 0, 13, {}, 2601},
        {"private, second in class 13", 0, 13, {{13, 2601}}, 2602},
        {"private, class 0 starts at 1", 0, 0, {}, 1},
        {"private, class 1", 0, 1, {{0, 5}}, 201},
        {"private, class 12", 0, 12, {}, 2401},
        {"private, other classes do not count", 0, 13, {{14, 2805}, {12, 2410}}, 2601},
        {"private, a hand-set number above the series", 0, 2, {{2, 700}}, 701},
        {"club, empty meet", 1, 5, {}, 8000},
        {"club, one series across classes", 1, 20, {{3, 8000}, {9, 8004}}, 8005},
        {"club, numbers below the series do not matter", 1, 0, {{3, 12}}, 8000},
    };
    for (const NumberCase& c : cases) {
        MeetState meet;
        test::MakeFreshMeet(meet);
        meet.info.meetForm = c.meetForm;
        for (auto [slot, startNo] : c.entered) test::Enter(meet, test::AddEquipage(meet, "Hund"), slot, 0, startNo);
        EXPECT_EQ(NextStartNumber(meet, c.classSlot), c.expected) << c.what;
    }
}

TEST(NextStartNumber, TeamsCountInTheirOwnSeries) {
    MeetState meet;
    test::MakeFreshMeet(meet);
    meet.info.meetForm = 0;
    EXPECT_EQ(NextStartNumber(meet, 24), 4801);
    const int team = test::AddTeam(meet, "Lag", 24);
    meet.teams[team].startNo = 4801;
    EXPECT_EQ(NextStartNumber(meet, 24), 4802);
    EXPECT_EQ(NextStartNumber(meet, 25), 5001);

    // The club series also counts team numbers, but not the dogs' team entries.
    meet.info.meetForm = 1;
    meet.teams[team].startNo = 8100;
    const int dog = test::AddEquipage(meet, "Hund");
    meet.equipages[dog].entries[kEntryTeam].startNo = 9000;
    EXPECT_EQ(NextStartNumber(meet, 0), 8101);
}

}  // namespace
}  // namespace kavalto

// The results list sorts each entrant once. This test holds it against the
// list built the slow, literal way (pick the best remaining entrant, again
// and again) on random meets full of ties.
#include <gtest/gtest.h>

#include <vector>

#include "rules/result_list.h"
#include "rules/scoring.h"
#include "rules_fixture.h"

namespace kavalto::test {
namespace {

struct Reference {
    std::vector<ResultRow> rows;
    int32_t placed = 0;
    int32_t placedOrEliminated = 0;
    int32_t placedTeams = 0;
};

int64_t FaultsAndRefusals(const RunScore& s) { return int64_t{s.faults} + s.refusals; }

// Lower total faults, then faults plus refusals, then time; "or equal" lets a
// later entrant take a full tie, as the selection always did.
bool BetterOrEqual(const RunScore& a, const RunScore& b) {
    if (a.totalFaults != b.totalFaults) return a.totalFaults < b.totalFaults;
    if (FaultsAndRefusals(a) != FaultsAndRefusals(b)) return FaultsAndRefusals(a) < FaultsAndRefusals(b);
    return a.time <= b.time;
}

bool Same(const RunScore& a, const RunScore& b) {
    return a.totalFaults == b.totalFaults && a.time == b.time && FaultsAndRefusals(a) == FaultsAndRefusals(b);
}

bool InGroup(const RunScore& s, int group) {
    const int32_t counts[4] = {s.threeRefusals, s.overMaxTime, s.disqualified, s.notPresent};
    return counts[group] != 0;
}

// Builds the list of a class the literal way; score(i) scores entrant i and
// rows(i, place) appends its rows.
template <typename Score, typename Rows>
Reference Literal(std::vector<int> marks, Score score, Rows rows) {
    Reference ref;
    RunScore previous{};
    int number = 0;
    for (;;) {
        int best = -1;
        RunScore bestScore{};
        for (size_t i = 0; i < marks.size(); ++i) {
            if (marks[i] != 1) continue;
            const RunScore s = score(static_cast<int>(i));
            if (!IsPlaceable(s)) continue;
            if (best < 0 || BetterOrEqual(s, bestScore)) {
                best = static_cast<int>(i);
                bestScore = s;
            }
        }
        if (best < 0) break;
        marks[static_cast<size_t>(best)] = 2;
        ++number;
        const int place = (number > 1 && Same(bestScore, previous)) ? ref.rows[ref.rows.size() - 1].place : number;
        previous = bestScore;
        rows(ref, best, place);
    }
    ref.placedTeams = number;
    ref.placed = static_cast<int32_t>(ref.rows.size());
    for (int group = 0; group <= 4; ++group) {
        if (group == 4) ref.placedOrEliminated = static_cast<int32_t>(ref.rows.size());
        for (size_t i = 0; i < marks.size(); ++i) {
            if (marks[i] != 1) continue;
            if (group < 4 && !InGroup(score(static_cast<int>(i)), group)) continue;
            marks[i] = 2;
            rows(ref, static_cast<int>(i), -1);
        }
    }
    return ref;
}

class ResultListReference : public RulesTest {
protected:
    uint32_t random = 1;
    int Next(int range) {
        random = random * 1103515245u + 12345u;
        return static_cast<int>((random >> 8) % static_cast<uint32_t>(range));
    }

    // A run drawn from a few values, so that many runs tie.
    Outcome RandomRun() {
        Outcome o;
        const int kind = Next(20);
        if (kind == 0) o.notPresent = 1;
        if (kind == 1) o.disqualified = 1;
        if (kind == 2) o.disqualified = o.notPresent = 1;
        if (kind == 3) return o;  // not run yet
        if (kind == 4) o.faults = 2;  // faults but no time
        if (kind >= 4) {
            const int times[] = {0, 3500, 3600, 4000, 4100, 4500, 6100};
            o.time = times[Next(7)];
            o.faults = Next(3);
            o.refusals = Next(10) == 0 ? 3 : Next(2);
        }
        return o;
    }

    void MakeRandomMeet(uint32_t seed) {
        Reset();
        random = seed;
        meet.info.singleRun = 0;
        meet.classes[kHopp].maxTimeOn = 1;
        for (int slot : {kHopp, kAgility, kTeam}) meet.classes[slot].inRun[1] = 1;
        for (int i = 0; i < 120; ++i) {
            const int e = AddEquipage(meet, "Hund", 2);
            for (int slot : {kHopp, kAgility, kTeam}) {
                if (Next(5) == 0) continue;
                for (int run = 0; run < 2; ++run) {
                    Enter(meet, e, slot, run);
                    Record(e, slot, RandomRun(), run);
                }
            }
        }
        for (int t = 0; t < 30; ++t) {
            int members[4] = {-1, -1, -1, -1};
            const int size = 2 + Next(3);
            for (int m = 0; m < size; ++m) members[m] = Next(meet.equipageCount() + 2);  // a few past the end
            const int team = AddTeam(meet, "Lag", kTeam, members[0], members[1], members[2], members[3]);
            meet.teams[team].inRun[1] = 1;
        }
    }

    Reference IndividualReference(int slot, bool combine) {
        const int run = meet.info.currentRun;
        const int kind = EntryOfClass(slot);
        const int twin = TwinOfClass(slot);
        std::vector<int> marks(static_cast<size_t>(meet.equipageCount()), 0);
        bool anyEntered = false;
        for (int i = 0; i < meet.equipageCount(); ++i) {
            const EquipageRecord& e = meet.equipages[i];
            const ClassEntry& own = e.entries[kind];
            if (own.classSlot != slot || own.entered[run] == 0) continue;
            anyEntered = true;
            auto recorded = [run](const ClassEntry& entry) {
                const RunResult& r = entry.run[run];
                return r.notPresent != 0 || r.disqualified != 0 || r.time != 0;
            };
            const ClassEntry& other = e.entries[EntryOfClass(twin)];
            if (combine && !(recorded(own) && other.classSlot == twin && other.entered[run] != 0 && recorded(other))) {
                continue;
            }
            marks[static_cast<size_t>(i)] = 1;
        }
        if (!anyEntered || meet.classes[slot].inRun[run] == 0) return {};
        return Literal(
            marks,
            [&](int i) {
                ScoreWithTwin(meet, run, i, slot, combine);
                return meet.runScore;
            },
            [](Reference& ref, int i, int place) {
                ref.rows.push_back({-1, i, place >= 0 ? place : static_cast<int32_t>(ref.rows.size())});
            });
    }

    Reference TeamReference(int slot, bool combine) {
        const int run = meet.info.currentRun;
        std::vector<int> marks(static_cast<size_t>(meet.teamCount()), 0);
        for (int t = 0; t < meet.teamCount(); ++t) {
            marks[static_cast<size_t>(t)] = meet.teams[t].inRun[run] != 0 && meet.teams[t].classSlot == slot;
        }
        int number = 0;
        return Literal(
            marks,
            [&](int t) {
                ScoreTeamBothRuns(meet, run, t, slot, combine);
                return meet.teamScore;
            },
            [&](Reference& ref, int t, int place) {
                ++number;
                ref.rows.push_back({t, -1, place >= 0 ? place : number});
                for (int32_t member : meet.teams[t].members) {
                    if (member >= 0 && member < meet.equipageCount()) ref.rows.push_back({t, member, 0});
                }
            });
    }

    void ExpectSameList(const Reference& ref, bool team) {
        const ResultList& list = meet.resultList;
        ASSERT_EQ(list.rows.size(), ref.rows.size());
        for (size_t i = 0; i < ref.rows.size(); ++i) {
            EXPECT_EQ(list.rows[i].team, ref.rows[i].team) << i;
            EXPECT_EQ(list.rows[i].equipage, ref.rows[i].equipage) << i;
            if (i < static_cast<size_t>(ref.placed)) {
                EXPECT_EQ(list.rows[i].place, ref.rows[i].place) << i;
            }
        }
        EXPECT_EQ(list.placedCount, ref.placed);
        EXPECT_EQ(list.placedOrEliminatedCount, ref.placedOrEliminated);
        EXPECT_EQ(list.allCount, static_cast<int32_t>(ref.rows.size()));
        if (team) {
            EXPECT_EQ(list.placedTeams, ref.placedTeams);
        }
    }
};

TEST_F(ResultListReference, EveryListMatchesTheLiteralSelection) {
    for (uint32_t seed = 1; seed <= 25; ++seed) {
        SCOPED_TRACE(seed);
        MakeRandomMeet(seed);
        for (int run = 0; run < 2; ++run) {
            meet.info.currentRun = run;
            for (bool combine : {false, true}) {
                for (int slot : {kHopp, kAgility}) {
                    const Reference ref = IndividualReference(slot, combine);
                    BuildResultList(meet, slot, combine);
                    ExpectSameList(ref, false);
                }
                const Reference ref = TeamReference(kTeam, combine);
                BuildResultList(meet, kTeam, combine);
                ExpectSameList(ref, true);
            }
        }
    }
}

}  // namespace
}  // namespace kavalto::test

#include <cstddef>

#include "meet/class_catalogue.h"
#include "rules/scoring.h"

namespace kavalto {
namespace {

constexpr int kCountedMembers = 3;  // a team's result is the sum of its best three

// How the team's members ended up; each eliminated member is counted once,
// in the first of the four groups that applies.
struct MemberTally {
    int members = 0;
    int chosen = 0;
    int notPresent = 0;
    int disqualified = 0;
    int overMaxTime = 0;
    int threeRefusals = 0;
    int eliminated() const { return notPresent + disqualified + overMaxTime + threeRefusals; }
};

// An empty score carrying the first elimination flag that applies.
RunScore FlaggedScore(const MemberTally& tally, bool notPresent) {
    RunScore score{};
    if (notPresent) {
        score.notPresent = 1;
    } else if (tally.disqualified > 0) {
        score.disqualified = 1;
    } else if (tally.overMaxTime > 0) {
        score.overMaxTime = 1;
    } else if (tally.threeRefusals > 0) {
        score.threeRefusals = 1;
    }
    return score;
}

}  // namespace

bool ScoreTeam(MeetState& meet, int run, int team, int classSlot) {
    meet.teamScore = TeamScore{};
    const int current = meet.info.currentRun;
    if (team < 0 || team >= meet.teamCount() || !IsRunIndex(current)) return false;
    const TeamRecord& record = meet.teams[static_cast<size_t>(team)];
    // Whether the team takes part is asked of the current run, whatever run is scored.
    if (record.inRun[current] == 0 || record.classSlot != classSlot) return false;

    MemberTally tally;
    RunScore scores[kTeamMembers] = {};
    EquipageRecord* members[kTeamMembers] = {};
    for (int place = 0; place < kTeamMembers; ++place) {
        members[place] = MemberEquipage(meet, record, place);
        if (members[place] == nullptr) continue;
        ScoreRun(meet, run, record.members[place], kEntryTeam, classSlot);
        scores[place] = meet.runScore;
        ++tally.members;
        members[place]->workMark = 0;
        const RunScore& s = scores[place];
        if (s.notPresent != 0) {
            ++tally.notPresent;
        } else if (s.disqualified != 0) {
            ++tally.disqualified;
        } else if (s.overMaxTime != 0) {
            ++tally.overMaxTime;
        } else if (s.threeRefusals != 0) {
            ++tally.threeRefusals;
        }
    }

    // Four rounds pick the best unchosen placeable member (lowest total
    // faults, then lowest time; an earlier place wins ties); the first three
    // picks count. The marks live on the equipage, so a dog listed twice in
    // one team is counted once.
    for (int round = 0; round < kTeamMembers; ++round) {
        int best = -1;
        for (int place = 0; place < kTeamMembers; ++place) {
            if (members[place] == nullptr || members[place]->workMark != 0 || !IsPlaceable(scores[place])) continue;
            if (best < 0 || scores[place].totalFaults < scores[best].totalFaults ||
                (scores[place].totalFaults == scores[best].totalFaults && scores[place].time < scores[best].time)) {
                best = place;
            }
        }
        if (best >= 0 && tally.chosen < kCountedMembers) {
            members[best]->workMark = 1;
            AddScores(meet.teamScore, scores[best]);
            ++tally.chosen;
        }
    }

    const int m = tally.members;
    const int e = tally.eliminated();
    TeamScore& score = meet.teamScore;
    if (tally.chosen + e == 0) {
        if (m == 0) score.notPresent = 1;
        return false;
    }
    if (m < 3) {
        score = TeamScore{};
        score.disqualified = 1;
        return false;
    }
    if (m == 3 && e > 0) {
        score = FlaggedScore(tally, tally.notPresent > 0);
        return false;
    }
    // Four members tolerate one elimination; two or more are absent as a
    // team when two are absent, else take the first flag that applies.
    if (m == 4 && e >= 2) {
        score = FlaggedScore(tally, tally.notPresent >= 2);
        return false;
    }
    if (tally.chosen == kCountedMembers) return true;
    score = TeamScore{};
    return false;
}

bool ScoreTeamBothRuns(MeetState& meet, int run, int team, int classSlot, bool combine) {
    const bool scored = ScoreTeam(meet, run, team, classSlot);
    if (!combine || !scored) return scored;
    const TeamScore first = meet.teamScore;
    if (!ScoreTeam(meet, 1 - run, team, classSlot)) {
        meet.teamScore = TeamScore{};
        return false;
    }
    AddScores(meet.teamScore, first);
    return true;
}

}  // namespace kavalto

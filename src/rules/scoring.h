// Scoring of one run and of a team. Every call overwrites the meet's one
// scratch RunScore (meet.runScore) or TeamScore (meet.teamScore); callers read
// it right after the call.
#pragma once

#include <cstddef>
#include <cstdint>

#include "meet/meet_state.h"

namespace kavalto {

constexpr bool IsRunIndex(int run) { return run == 0 || run == 1; }

// The entry holds the class and is entered in the run.
inline bool IsEnteredIn(const ClassEntry& entry, int classSlot, int run) {
    return entry.classSlot == classSlot && IsRunIndex(run) && entry.entered[run] != 0;
}

// The class takes part in the run ("Klasser som deltar").
inline bool TakesPart(const MeetState& meet, int classSlot, int run) {
    return classSlot >= 0 && classSlot < kClassCount && IsRunIndex(run) &&
           meet.classes[static_cast<size_t>(classSlot)].inRun[run] != 0;
}

// A club meet ("VHX stevne") awards certificates and "Napp"; a private one does not.
inline bool IsClubMeet(const MeetState& meet) { return meet.info.meetForm == 1; }

// Time, faults and elimination counts of one entry's run; time faults, total
// faults, over max time and three refusals are derived from the class. All
// zero, answering false, when the entry is not entered in that run (or the
// indices are out of range).
bool ScoreRun(MeetState& meet, int run, int equipage, int entryKind, int classSlot);

// The class's own score; with combine, plus the twin class in the same run
// (individual classes) or plus the other run (team classes), field by field.
// The sum is made even when one side is not entered. Answers whether the
// class's own entry is entered.
bool ScoreWithTwin(MeetState& meet, int run, int equipage, int classSlot, bool combine);

// Adds all nine fields, the elimination counts too.
void AddScores(RunScore& sum, const RunScore& more);

// A run counts for placing when it has a time and no elimination.
bool IsPlaceable(const RunScore& score);

// Writes time, faults, refusals, disqualified and not present of
// meet.runScore into the entry's result of the current run. The derived
// fields are never stored.
void StoreRunScore(MeetState& meet, int equipage, int classSlot);

// The team's score, the sum of its best three members (meet.teamScore).
// False when the team has no countable result; the score may then carry one
// elimination flag. Uses the members' workMark.
bool ScoreTeam(MeetState& meet, int run, int team, int classSlot);

// ScoreTeam of the run; with combine also of the other run, added. When the
// other run has no countable result the whole score is zero.
bool ScoreTeamBothRuns(MeetState& meet, int run, int team, int classSlot, bool combine);

}  // namespace kavalto

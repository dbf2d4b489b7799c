// A small meet for the rules tests: a club meet, single run, with Hopp Large 1
// (slot 8, standard time 40.00, maximum time 60.00 when switched on) and its
// Agility twin (slot 20).
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "meet/class_catalogue.h"
#include "meet/meet_state.h"
#include "support/meet_builder.h"

namespace kavalto::test {

inline constexpr int kHopp = 8;
inline constexpr int kAgility = 20;
inline constexpr int kTeam = 26;

struct Outcome {
    int time = 0;
    int faults = 0;
    int refusals = 0;
    int disqualified = 0;
    int notPresent = 0;
};

class RulesTest : public ::testing::Test {
protected:
    std::unique_ptr<MeetState> owned = std::make_unique<MeetState>();
    MeetState& meet = *owned;

    void SetUp() override { Reset(); }

    // A fresh meet with the three classes set up.
    void Reset() {
        MakeFreshMeet(meet);
        for (int slot : {kHopp, kAgility, kTeam}) {
            ClassRecord& c = meet.classes[slot];
            c.standardTime[0] = c.standardTime[1] = 4000;
            c.maxTime[0] = c.maxTime[1] = 6000;
            c.courseLength[0] = c.courseLength[1] = 180;
        }
    }

    // An equipage entered in a class with a recorded run; returns its index.
    int Starter(int slot, const Outcome& run, int runIndex = 0, int startNo = 0) {
        const int e = AddEquipage(meet, "Hund " + std::to_string(meet.equipageCount()), 2);
        Enter(meet, e, slot, runIndex, startNo);
        Record(e, slot, run, runIndex);
        return e;
    }

    void Record(int equipage, int slot, const Outcome& run, int runIndex = 0) {
        SetRun(meet, equipage, slot, runIndex, run.time, run.faults, run.refusals, run.disqualified, run.notPresent);
    }

    ClassEntry& EntryOf(int equipage, int slot) { return meet.equipages[equipage].entries[EntryOfClass(slot)]; }
};

}  // namespace kavalto::test

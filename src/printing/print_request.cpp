#include "printing/print_request.h"

#include <new>
#include <string_view>

#include "meet/class_catalogue.h"
#include "meet/text_field.h"
#include "rules/class_counts.h"
#include "rules/result_list.h"
#include "rules/scoring.h"
#include "rules/start_order.h"

namespace kavalto {
namespace {

constexpr int kJudgesListSize = 10;

struct Expansion {
    MeetState& meet;
    const PrintRequest& request;
    std::vector<PrintItem>& items;
    int run;

    void Add(int32_t type, int32_t first = 0, int32_t second = 0, int32_t third = 0) {
        items.push_back({type, first, second, third, 0});
    }
    bool Wanted(int slot) const { return request.all || request.classSlot == slot; }
    bool TakesPartNow(int slot) const { return TakesPart(meet, slot, run); }
};

bool IsTeamIndex(const MeetState& meet, int32_t team) { return team >= 0 && team < meet.teamCount(); }

// The team has a time or an elimination in the run and is not absent.
bool TeamHasJudgeableResult(MeetState& meet, int run, int32_t team) {
    const TeamRecord& t = meet.teams[static_cast<size_t>(team)];
    ScoreTeam(meet, run, team, t.classSlot);
    const TeamScore& s = meet.teamScore;
    return s.notPresent == 0 && (s.time != 0 || s.disqualified != 0 || s.overMaxTime != 0 || s.threeRefusals != 0);
}

void ExpandTeamEntryForms(Expansion& x) {
    if (x.request.team < 0) {
        x.Add(kFormTeamEntry, 0, -1);
    } else if (x.request.all) {
        for (int32_t t = 0; t < x.meet.teamCount(); ++t) x.Add(kFormTeamEntry, 0, t);
    } else if (IsTeamIndex(x.meet, x.request.team)) {
        x.Add(kFormTeamEntry, 0, x.request.team);
    }
}

bool EnteredInRun(const EquipageRecord& e, int run) {
    for (const ClassEntry& entry : e.entries) {
        if (entry.entered[run] != 0) return true;
    }
    return false;
}

void ExpandCards(Expansion& x) {
    MeetState& meet = x.meet;
    if (x.request.team >= 0) {
        if (x.request.all) {
            for (int32_t t = 0; t < meet.teamCount(); ++t) x.Add(kFormTeamCards, 0, t);
        } else if (IsTeamIndex(meet, x.request.team)) {
            x.Add(kFormTeamCards, 0, x.request.team);
        }
        return;
    }
    if (x.request.lateOnly) {
        for (int32_t i = 0; i < meet.equipageCount(); ++i) {
            const EquipageRecord& e = meet.equipages[static_cast<size_t>(i)];
            if (e.lateEntry != 0 && EnteredInRun(e, x.run)) x.Add(kFormEquipageCards, 0, i);
        }
    } else if (x.request.all) {
        for (int32_t i = 0; i < meet.equipageCount(); ++i) x.Add(kFormEquipageCards, 0, i);
    } else if (IsEquipageIndex(meet, x.request.equipage)) {
        x.Add(kFormEquipageCards, 0, x.request.equipage);
    }
}

// The teams of a team class in start order.
std::vector<int32_t> TeamsInStartOrder(MeetState& meet, int slot) {
    std::vector<int32_t> teams;
    const int32_t count = CountTeamEntrants(meet, slot);
    for (int32_t position = 0; position < count; ++position) {
        const int32_t t = TeamAtPosition(meet, slot, position);
        if (t >= 0) teams.push_back(t);
    }
    return teams;
}

void ExpandScribeForms(Expansion& x) {
    MeetState& meet = x.meet;
    const PrintRequest& r = x.request;
    if (r.oneEquipage) {
        if (!IsEquipageIndex(meet, r.equipage)) return;
        const EquipageRecord& e = meet.equipages[static_cast<size_t>(r.equipage)];
        for (int kind = kEntryHopp; kind <= kEntryAgilityOpen; ++kind) {
            if (e.entries[kind].entered[x.run] != 0) x.Add(kFormEquipageScribe, e.entries[kind].classSlot, r.equipage, kind);
        }
        return;
    }
    if (r.equipage < 0 && r.team >= 0) {
        if (IsTeamIndex(meet, r.team)) x.Add(kFormTeamScribe, meet.teams[static_cast<size_t>(r.team)].classSlot, r.team);
        return;
    }
    for (int slot = 0; slot < kClassCount; ++slot) {
        if (!x.TakesPartNow(slot)) continue;
        if (!IsTeamClass(slot)) {
            if (r.teamsOnly) continue;
            const int kind = EntryOfClass(slot);
            const StartOrderWalk walk = BeginStartOrder(meet, slot);
            for (int32_t i = NextInStartOrder(meet, walk); i >= 0; i = NextInStartOrder(meet, walk)) {
                const bool pass = r.lateOnly ? meet.equipages[static_cast<size_t>(i)].lateEntry != 0 : x.Wanted(slot);
                if (pass) x.Add(kFormEquipageScribe, slot, i, kind);
            }
        } else {
            if (r.individualsOnly) continue;
            for (int32_t t : TeamsInStartOrder(meet, slot)) {
                const bool pass = r.lateOnly ? meet.teams[static_cast<size_t>(t)].lateEntry != 0 : x.Wanted(slot);
                if (pass) x.Add(kFormTeamScribe, slot, t);
            }
        }
    }
}

void ExpandStartLists(Expansion& x) {
    const PrintRequest& r = x.request;
    for (int slot = 0; slot < kClassCount; ++slot) {
        if (!x.TakesPartNow(slot) || !x.Wanted(slot)) continue;
        if (x.run == 1 && !IsTeamClass(slot)) {
            // The second run lists the final's own discipline only.
            const bool agilityFinal = x.meet.info.agilityFinal != 0;
            if (agilityFinal ? !IsAgilityClass(slot) : !IsHoppClass(slot)) continue;
        }
        if (IsTeamClass(slot) ? r.individualsOnly : r.teamsOnly) continue;
        x.Add(kFormStartList, slot);
    }
}

void ClearRingMarks(MeetState& meet) {
    for (ClassRecord& c : meet.classes) c.ringMark = 0;
}

void ExpandResults(Expansion& x) {
    ClearRingMarks(x.meet);
    for (int slot = 0; slot < kClassCount; ++slot) {
        if (!x.TakesPartNow(slot) || !x.Wanted(slot)) continue;
        x.meet.classes[static_cast<size_t>(slot)].ringMark = 1;
        x.Add(IsTeamClass(slot) ? kFormTeamResults : kFormResults, slot);
    }
}

void ExpandCombined(Expansion& x) {
    MeetState& meet = x.meet;
    ClearRingMarks(meet);
    for (int slot = 0; slot < kClassCount; ++slot) {
        if (!x.Wanted(slot) || !CombinedAvailable(meet, slot)) continue;
        const int twin = TwinOfClass(slot);
        if (IsClassSlot(twin) && meet.classes[static_cast<size_t>(twin)].ringMark != 0) continue;
        meet.classes[static_cast<size_t>(slot)].ringMark = 1;
        x.Add(IsTeamClass(slot) ? kFormTeamCombined : kFormCombined, slot);
    }
}

void ExpandJudgeLists(Expansion& x) {
    MeetState& meet = x.meet;
    if (x.request.judge < 0 || x.request.judge >= kJudgesListSize) return;
    const std::string judge(FieldText(meet.texts.judges[x.request.judge]));
    const int32_t savedRun = meet.info.currentRun;
    for (int run = 0; run <= 1; ++run) {
        for (int slot = 0; slot < kClassCount; ++slot) {
            const ClassRecord& c = meet.classes[static_cast<size_t>(slot)];
            if (c.inRun[run] == 0 || FieldText(c.judge) != judge) continue;
            meet.info.currentRun = run;
            BuildResultList(meet, slot, false);
            meet.info.currentRun = savedRun;
            if (meet.resultList.placedOrEliminatedCount == 0) continue;
            x.Add(IsTeamClass(slot) ? kFormTeamJudgeList : kFormJudgeList, slot, run);
        }
    }
    meet.info.currentRun = savedRun;
}

void ExpandJudgeSheets(Expansion& x) {
    MeetState& meet = x.meet;
    const PrintRequest& r = x.request;
    if (!r.all && !r.byClass) {
        if (IsEquipageIndex(meet, r.equipage)) {
            const EquipageRecord& e = meet.equipages[static_cast<size_t>(r.equipage)];
            for (int kind = kEntryHopp; kind <= kEntryAgilityOpen; ++kind) {
                if (HasRunResult(meet, r.equipage, kind)) x.Add(kFormJudgeSheet, e.entries[kind].classSlot, r.equipage, kind);
            }
        } else if (r.equipage < 0 && IsTeamIndex(meet, r.team) && TeamHasJudgeableResult(meet, x.run, r.team)) {
            x.Add(kFormTeamJudgeSheet, 0, r.team);
        }
        return;
    }
    for (int slot = 0; slot < kClassCount; ++slot) {
        if (!x.TakesPartNow(slot) || !x.Wanted(slot)) continue;
        if (!IsTeamClass(slot)) {
            if (r.teamsOnly) continue;
            for (int32_t i = 0; i < meet.equipageCount(); ++i) {
                const EquipageRecord& e = meet.equipages[static_cast<size_t>(i)];
                for (int kind = kEntryHopp; kind <= kEntryAgilityOpen; ++kind) {
                    if (e.entries[kind].classSlot == slot && HasRunResult(meet, i, kind)) x.Add(kFormJudgeSheet, slot, i, kind);
                }
            }
        } else {
            if (r.individualsOnly) continue;
            for (int32_t t = 0; t < meet.teamCount(); ++t) {
                const TeamRecord& team = meet.teams[static_cast<size_t>(t)];
                if (team.classSlot != slot || team.inRun[x.run] == 0) continue;
                if (TeamHasJudgeableResult(meet, x.run, t)) x.Add(kFormTeamJudgeSheet, 0, t);
            }
        }
    }
}

void Expand(Expansion& x) {
    switch (x.request.kind) {
        case kPrintEquipageEntryForm: x.Add(kFormEquipageEntry); break;
        case kPrintTeamEntryForms: ExpandTeamEntryForms(x); break;
        case kPrintStatistics: x.Add(kFormStatistics); break;
        case kPrintStartCards: ExpandCards(x); break;
        case kPrintScribeForms: ExpandScribeForms(x); break;
        case kPrintStartLists: ExpandStartLists(x); break;
        case kPrintResults: ExpandResults(x); break;
        case kPrintCombined: ExpandCombined(x); break;
        case kPrintJudgeLists: ExpandJudgeLists(x); break;
        case kPrintJudgeSheets: ExpandJudgeSheets(x); break;
        default: break;
    }
}

}  // namespace

void BuildPrintItems(MeetState& meet, PrintRequest& request) {
    request.items.clear();
    request.current = 0;
    const int run = meet.info.currentRun;
    if (!IsRunIndex(run)) return;
    try {
        std::vector<PrintItem> items;
        Expansion x{meet, request, items, run};
        Expand(x);
        request.items = std::move(items);
    } catch (const std::bad_alloc&) {
        request.items.clear();
        ReportOutOfMemory(*meet.notifier);
    }
}

int CollectJudges(MeetState& meet) {
    for (auto& judge : meet.texts.judges) judge[0] = '\0';
    const int run = meet.info.currentRun;
    int count = 0;
    for (int slot = 0; slot < kClassCount && count < kJudgesListSize; ++slot) {
        if (!TakesPart(meet, slot, run)) continue;
        const std::string_view judge = FieldText(meet.classes[static_cast<size_t>(slot)].judge);
        bool known = false;
        for (int i = 0; i < count; ++i) known = known || FieldText(meet.texts.judges[i]) == judge;
        if (!known) CopyText(meet.texts.judges[count++], judge);
    }
    return count;
}

}  // namespace kavalto

#include "printing/print_run.h"

#include "printing/forms.h"
#include "rules/scoring.h"

namespace kavalto {
namespace {

// A form that keeps answering "not done" must still end the counting pass.
constexpr int kMaxPagesPerItem = 5000;

bool Dispatch(MeetState& meet, PrintEngine& engine, const PrintItem& item) {
    switch (item.type) {
        case kFormEquipageEntry: return RenderEquipageEntryForm(meet, engine, item);
        case kFormTeamEntry: return RenderTeamEntryForm(meet, engine, item);
        case kFormEquipageCards: return RenderEquipageCards(meet, engine, item);
        case kFormTeamCards: return RenderTeamCards(meet, engine, item);
        case kFormEquipageScribe: return RenderEquipageScribeForm(meet, engine, item);
        case kFormTeamScribe: return RenderTeamScribeForm(meet, engine, item);
        case kFormStartList: return RenderStartList(meet, engine, item);
        case kFormResults:
        case kFormTeamResults:
        case kFormJudgeList:
        case kFormTeamJudgeList: return RenderResultsList(meet, engine, item);
        case kFormCombined: return RenderCombinedResults(meet, engine, item);
        case kFormTeamCombined: return RenderTeamCombinedResults(meet, engine, item);
        case kFormJudgeSheet: return RenderJudgeSheet(meet, engine, item);
        case kFormTeamJudgeSheet: return RenderTeamJudgeSheet(meet, engine, item);
        case kFormStatistics: return RenderStatistics(meet, engine, item);
        default: return true;  // an unknown form has nothing to print
    }
}

bool IsJudgeList(const PrintItem& item) { return item.type == kFormJudgeList || item.type == kFormTeamJudgeList; }

}  // namespace

bool RenderItemPage(MeetState& meet, PrintEngine& engine, const PrintItem& item) {
    // The forms index the classes' figures by the run.
    if (!IsRunIndex(meet.info.currentRun)) return true;
    if (!IsJudgeList(item)) {
        engine.signature = false;
        return Dispatch(meet, engine, item);
    }
    engine.signature = true;
    const int32_t run = meet.info.currentRun;
    if (IsRunIndex(item.second)) meet.info.currentRun = item.second;
    const bool done = Dispatch(meet, engine, item);
    meet.info.currentRun = run;
    return done;
}

void CountPages(MeetState& meet, PrintEngine& engine, PrintTarget& target, std::span<PrintItem> items) {
    AttachTarget(engine, target);
    engine.counting = true;
    for (PrintItem& item : items) {
        engine.progress = 0;
        engine.pageIndex = 0;
        engine.pageCount = 0;
        int pages = 1;
        while (!RenderItemPage(meet, engine, item) && pages < kMaxPagesPerItem) {
            ++pages;
            ++engine.pageIndex;
        }
        item.pageCount = pages;
    }
}

bool RunItems(MeetState& meet, PrintEngine& engine, PrintTarget& target, bool all, int current,
              std::span<const PrintItem> items) {
    AttachTarget(engine, target);
    engine.counting = false;
    size_t first = 0;
    size_t end = items.size();
    if (!all) {
        if (current < 0 || static_cast<size_t>(current) >= items.size()) return true;
        first = static_cast<size_t>(current);
        end = first + 1;
    }
    const int copies = target.Kind() == TargetKind::kPrinter && engine.copies > 1 ? engine.copies : 1;
    for (size_t i = first; i < end; ++i) {
        const PrintItem& item = items[i];
        engine.pageCount = item.pageCount;
        if (!target.BeginItem(item.pageCount)) return false;
        for (int copy = 0; copy < copies; ++copy) {
            engine.pageIndex = 0;
            engine.progress = 0;
            for (int page = 0; page < item.pageCount; ++page) {
                if (!target.BeginSheet(engine.pageIndex)) return false;
                RenderItemPage(meet, engine, item);
                target.EndSheet();
                ++engine.pageIndex;
            }
        }
    }
    return true;
}

}  // namespace kavalto

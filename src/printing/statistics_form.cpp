// The statistics sheet: per class of the run entered, started, fault-free,
// eliminated and the average speed, with a total line.
#include <algorithm>
#include <string>

#include "printing/form_texts.h"
#include "printing/forms.h"
#include "printing/page_frame.h"
#include "rules/class_counts.h"
#include "rules/hundredths.h"
#include "rules/result_list.h"
#include "rules/scoring.h"
#include "rules/statistics.h"

namespace kavalto {
namespace {

std::string Percent(int64_t count, int64_t of) {
    if (of == 0) of = 1;
    return Number(count * 100 / of) + "%";
}

}  // namespace

bool RenderStatistics(MeetState& meet, PrintEngine& engine, const PrintItem& /*item*/) {
    std::string title = ButtonWord(meet, words::kStatisticsButton);
    if (meet.info.singleRun == 0) {
        title += " - " + ListWord(meet, meet.info.currentRun == 1 ? words::kFinal : words::kQualification);
    }
    BeginPageFrame(meet, engine, title);
    const PrintMetrics& m = engine.metrics;
    const int run = meet.info.currentRun;
    engine.y += m.l[3];

    ComputeClassStatistics(meet);
    const int w = MeasureText(engine, kStyleSmallBold, " 888");
    const int speedX = m.x[14] + 2 * w;
    DrawText(engine, kStyleSmallBold, m.x[0], LabelWord(meet, words::kClass));
    DrawText(engine, kStyleSmallBold, m.x[5], ListWord(meet, words::kCount));
    DrawText(engine, kStyleSmallBold, m.x[8], ListWord(meet, words::kStarted));
    DrawText(engine, kStyleSmallBold, m.x[10], ListWord(meet, words::kFaultFree));
    DrawText(engine, kStyleSmallBold, m.x[12], ListWord(meet, words::kEliminated));
    DrawText(engine, kStyleSmallBold, speedX, ListWord(meet, words::kMeanSpeed));
    if (meet.statistics.total == 0) return true;

    engine.y += 2 * m.l[4];
    // Two lines apart as a rule; closer when all classes and the total line
    // would not fit above the bottom of the one page (many classes under a banner).
    int lines = 0;
    for (int slot = 0; slot < kClassCount; ++slot) lines += TakesPart(meet, slot, run) ? 1 : 0;
    int step = 2 * m.l[3];
    if (lines > 0 && engine.y + lines * step + m.l[3] > m.bottom) {
        step = std::max(m.l[3], (m.bottom - engine.y - m.l[3]) / lines);
    }
    for (int slot = 0; slot < kClassCount; ++slot) {
        if (!TakesPart(meet, slot, run)) continue;
        BuildResultList(meet, slot, false);
        const ClassStatistics& s = meet.statistics;
        DrawText(engine, kStyleSmallBold, m.x[0], ClassName(meet, slot));
        DrawText(engine, kStyleSmallBold, m.x[5], Number(s.entered[slot]));
        DrawText(engine, kStyleSmallBold, m.x[5] + w, Percent(s.entered[slot], s.total));
        DrawText(engine, kStyleSmallBold, m.x[8], Number(s.started[slot]));
        DrawText(engine, kStyleSmallBold, m.x[8] + w, Percent(s.started[slot], s.entered[slot]));
        DrawText(engine, kStyleSmallBold, m.x[10], Number(s.faultFree[slot]));
        DrawText(engine, kStyleSmallBold, m.x[10] + w, Percent(s.faultFree[slot], s.started[slot]));
        DrawText(engine, kStyleSmallBold, m.x[12], Number(s.eliminated[slot]));
        DrawText(engine, kStyleSmallBold, m.x[12] + w, Percent(s.eliminated[slot], s.started[slot]));
        DrawText(engine, kStyleSmallBold, speedX, FormatHundredths(AverageSpeed(meet, slot)));
        engine.y += step;
    }

    const StatisticsTotals totals = SumClassStatistics(meet);
    engine.y += m.l[3];
    DrawText(engine, kStyleSmallBold, m.x[0], ListWord(meet, words::kTotal) + ":");
    DrawText(engine, kStyleSmallBold, m.x[5], Number(totals.entered));
    DrawText(engine, kStyleSmallBold, m.x[5] + w, "100%");
    DrawText(engine, kStyleSmallBold, m.x[8], Number(totals.started));
    DrawText(engine, kStyleSmallBold, m.x[8] + w, Percent(totals.started, totals.entered));
    DrawText(engine, kStyleSmallBold, m.x[10], Number(totals.faultFree));
    DrawText(engine, kStyleSmallBold, m.x[10] + w, Percent(totals.faultFree, totals.started));
    DrawText(engine, kStyleSmallBold, m.x[12], Number(totals.eliminated));
    DrawText(engine, kStyleSmallBold, m.x[12] + w, Percent(totals.eliminated, totals.started));
    DrawText(engine, kStyleSmallBold, speedX, FormatHundredths(totals.meanSpeed));
    return true;
}

}  // namespace kavalto

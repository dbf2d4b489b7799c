#include "printing/page_frame.h"

#include <string>

#include "meet/text_field.h"
#include "printing/form_texts.h"

namespace kavalto {
namespace {

void DrawHeader(MeetState& meet, PrintEngine& engine) {
    const PrintMetrics& m = engine.metrics;
    const std::string_view name = FieldText(meet.info.meetName);
    DrawText(engine, kStyleSmall, m.margin, FieldText(meet.info.organiser));
    DrawText(engine, kStyleSmall, m.half - MeasureText(engine, kStyleSmall, name) / 2, name);

    std::string right;
    if (meet.info.meetForm == 1) right = "ID: " + std::string(FieldText(meet.info.meetId)) + "  ";
    right += "Dato: " + std::string(FieldText(meet.info.meetDate));
    DrawText(engine, kStyleSmall, m.headerRight - MeasureText(engine, kStyleSmall, right), right);
}

// Draws the sponsor below the header line e; answers the new e.
int DrawSponsor(MeetState& meet, PrintEngine& engine, int e) {
    const PrintMetrics& m = engine.metrics;
    if (meet.info.hasSponsor == 0) return e;
    if (meet.info.sponsorWantsBanner == 0) {
        const std::string_view text = FieldText(meet.info.sponsorText);
        if (text.empty()) return e;
        const int y = engine.y;
        engine.y = e;
        DrawTextColoured(engine, kStyleLargerBold, TextColour::kBlue,
                         m.half - MeasureText(engine, kStyleLargeBold, text) / 2, text);
        engine.y = y;
        return e + m.v;
    }
    if (!meet.banner) return e;
    const PrintTarget::BannerSize size = engine.target->Banner();
    if (size.width > 0 && size.height > 0 && !engine.counting) {
        engine.target->DrawBanner(m.half - size.width / 2, e);
    }
    return e + size.height - m.l[2];
}

void DrawFooter(MeetState& meet, PrintEngine& engine) {
    const PrintMetrics& m = engine.metrics;
    engine.y = m.l[4] + m.bottom;
    DrawHLine(engine, m.thinLine, m.ruleLeft, m.ruleRight, engine.y);
    engine.y += m.footerStep;
    if (engine.pageCount > 1) {
        const std::string text = ListWord(meet, words::kPage) + " " + " " + Number(engine.pageIndex + 1) + " " +
                                 ListWord(meet, words::kOf) + " " + Number(engine.pageCount);
        DrawText(engine, kStyleSmall, m.margin, text);
    }
    if (engine.signature) {
        engine.y -= m.smallStep;
        DrawText(engine, kStyleSmallBold, m.x[2], ListWord(meet, words::kDate) + ":");
        DrawHLine(engine, m.thinLine, m.x[3], m.x[3] + m.eighth, engine.y + m.t1);
        DrawText(engine, kStyleSmallBold, m.x[7], ListWord(meet, words::kSignJudge) + ":");
        DrawHLine(engine, m.thinLine, m.x[10], m.x[9] + m.third, engine.y + m.t1);
    }
}

}  // namespace

void BeginPageFrame(MeetState& meet, PrintEngine& engine, std::string_view title) {
    const PrintMetrics& m = engine.metrics;
    if (!engine.counting && engine.target != nullptr) engine.target->AddPage();

    engine.y = m.firstLine;
    DrawHeader(meet, engine);
    engine.y += m.l[4];

    const int e = DrawSponsor(meet, engine, engine.y);
    engine.y = e + m.l[4];
    DrawHLine(engine, 3 * m.thinLine, m.ruleLeft, m.ruleRight, engine.y);
    engine.y += m.l[2];
    DrawText(engine, kStyleLargeBold, m.half - MeasureText(engine, kStyleLargeBold, title) / 2, title);
    engine.y += m.l[7];
    const int belowTitle = engine.y;

    if (!engine.counting && (engine.signature || engine.pageCount > 1)) DrawFooter(meet, engine);
    engine.y = belowTitle;
}

}  // namespace kavalto

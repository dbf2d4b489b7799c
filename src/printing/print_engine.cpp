#include "printing/print_engine.h"

namespace kavalto {

void AttachTarget(PrintEngine& engine, PrintTarget& target) {
    engine.target = &target;
    engine.metrics = ComputeMetrics(target.Kind(), target.PageWidth(), target.PageHeight());
}

void DrawHLine(PrintEngine& engine, int width, int x1, int x2, int y) {
    if (engine.counting || engine.target == nullptr) return;
    engine.target->DrawLine(width, x1, x2, y);
}

void DrawBox(PrintEngine& engine, int kind, int x) {
    if (engine.counting || engine.target == nullptr) return;
    const PrintMetrics& m = engine.metrics;
    int width = m.boxUnit;
    int height = m.l[5];
    switch (kind) {
        case kBoxUnit: break;
        case kBoxThreeUnits: width = 3 * m.boxUnit; break;
        case kBoxHalfPage: width = m.half; break;
        case kBoxHalfPageTall: width = m.half; height = 3 * m.l[5]; break;
        case kBoxTally: width = m.half; height = m.third; break;
        case kBoxThreeAndHalfUnits: width = 3 * m.boxUnit + m.boxUnit / 2; break;
        default: break;
    }
    engine.target->DrawRect(x, engine.y - m.halfStep, width, height);
}

int MeasureText(PrintEngine& engine, int style, std::string_view cp1252) {
    if (engine.target == nullptr) return 0;
    return engine.target->MeasureText(MeasuringFont(engine.metrics, style), cp1252);
}

void DrawText(PrintEngine& engine, int style, int x, std::string_view cp1252, bool clip, int maxWidth) {
    if (engine.counting || engine.target == nullptr) return;
    engine.target->DrawText(DrawingFont(engine.metrics, style), TextColour::kBlack, x, engine.y, cp1252,
                            clip ? maxWidth : -1);
}

void DrawTextColoured(PrintEngine& engine, int style, TextColour colour, int x, std::string_view cp1252) {
    if (engine.counting || engine.target == nullptr) return;
    engine.target->DrawText(DrawingFont(engine.metrics, style), colour, x, engine.y, cp1252, -1);
}

}  // namespace kavalto

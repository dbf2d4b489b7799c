#include "printing/print_metrics.h"

namespace kavalto {
namespace {

struct TargetConstants {
    int thinLine, separatorLine, ruleInset, firstLine, margin, headerRightInset, smallStep, gap, indent;
};

TargetConstants ConstantsOf(TargetKind kind) {
    switch (kind) {
        case TargetKind::kPrinter: return {2, 5, 25, 100, 100, 100, 20, 50, 150};
        case TargetKind::kPdf: return {1, 3, 10, 20, 20, 20, 2, 4, 16};
        case TargetKind::kPreview: return {1, 1, 5, 10, 20, 20, 2, 4, 10};
    }
    return {1, 1, 5, 10, 20, 20, 2, 4, 10};
}

}  // namespace

PrintMetrics ComputeMetrics(TargetKind kind, int width, int height) {
    const TargetConstants c = ConstantsOf(kind);
    PrintMetrics m;
    m.width = width;
    m.height = height;
    m.thinLine = c.thinLine;
    m.separatorLine = c.separatorLine;
    m.ruleLeft = c.ruleInset;
    m.ruleRight = width - c.ruleInset;
    m.firstLine = c.firstLine;
    m.margin = c.margin;
    m.indent = c.indent;
    m.headerRight = width - c.headerRightInset - c.indent;
    m.smallStep = c.smallStep;
    m.gap = c.gap;

    m.t1 = height / 85;
    m.t2 = height / 69;
    m.t3 = height / 60;
    m.t4 = height / 55;
    m.t6 = height / 8;
    m.v = height / 200;
    for (int n = 2; n <= 9; ++n) m.l[n] = n * m.v;
    m.halfStep = m.v / 2;
    m.bannerLimit = 18 * m.v;

    m.unit = width / 21;
    for (int i = 0; i < 19; ++i) m.x[i] = m.margin + (i + 1) * m.unit;
    m.halfColumn = m.margin + m.unit / 2;
    m.boxUnit = width / 24;
    m.eighth = width / 8;
    m.third = width / 3;
    m.half = width / 2;

    m.bottom = height - m.l[9];
    if (kind != TargetKind::kPrinter) m.bottom -= m.l[2];
    m.footerStep = kind == TargetKind::kPrinter ? m.l[3] : m.l[2];
    return m;
}

PreviewPage PreviewPageSize(bool fitToWidth, int areaWidth, int areaHeight) {
    if (fitToWidth) return {areaWidth - 70, (4 * areaWidth - 280) / 3};
    return {(3 * areaHeight - 60) / 4, areaHeight - 20};
}

TextFont DrawingFont(const PrintMetrics& m, int style) {
    switch (style) {
        case kStyleSmall: return {m.t1, false};
        case kStyleSmallBold: return {m.t1, true};
        case kStyleMediumBold: return {m.t2, true};
        case kStyleLargeBold: return {m.t3, true};
        case kStyleLargerBold: return {m.t4, true};
        case kStyleStartNumber: return {m.t6, true};
        default: return {m.t1, false};
    }
}

TextFont MeasuringFont(const PrintMetrics& m, int style) {
    if (style == kStyleSmall) return {m.t1, false};
    if (style == kStyleLargeBold) return {m.t3, true};
    return {m.t2, false};
}

}  // namespace kavalto

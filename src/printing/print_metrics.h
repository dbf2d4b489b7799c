// The page geometry of a target: line widths, margins, text sizes, line
// steps and the column grid, all derived from the page size.
#pragma once

#include "printing/print_target.h"

namespace kavalto {

struct PrintMetrics {
    int width = 0;               // W
    int height = 0;              // H
    // Constants of the target.
    int thinLine = 0;
    int separatorLine = 0;
    int ruleLeft = 0;
    int ruleRight = 0;
    int firstLine = 0;
    int margin = 0;              // header left text x, m
    int headerRight = 0;         // where the header's right text ends
    int smallStep = 0;
    int gap = 0;
    int indent = 0;
    int footerStep = 0;          // from the footer rule down to its texts
    // Text sizes T1, T2, T3, T4, T6.
    int t1 = 0, t2 = 0, t3 = 0, t4 = 0, t6 = 0;
    // Line steps: v, L2..L9 and the half step.
    int v = 0;
    int l[10] = {};              // l[n] = n × v for n 2..9
    int halfStep = 0;
    int bannerLimit = 0;
    int unit = 0;                // column unit u
    int x[19] = {};              // column grid x0..x18
    int halfColumn = 0;
    int boxUnit = 0;             // W/24
    int eighth = 0;              // W/8
    int third = 0;               // W/3
    int half = 0;                // W/2, also the centre line
    int bottom = 0;              // the bottom limit of rows
};

PrintMetrics ComputeMetrics(TargetKind kind, int width, int height);

// The preview page inside the print list page's preview area: 3 wide by 4 high.
struct PreviewPage {
    int width = 0;
    int height = 0;
};
PreviewPage PreviewPageSize(bool fitToWidth, int areaWidth, int areaHeight);

// Text styles of DrawText and MeasureText.
enum TextStyle : int {
    kStyleSmall = 1,             // T1 normal
    kStyleSmallBold = 2,         // T1 bold
    kStyleMediumBold = 3,        // T2 bold
    kStyleLargeBold = 4,         // T3 bold
    kStyleLargerBold = 5,        // T4 bold
    kStyleStartNumber = 6,       // T6 bold
};
TextFont DrawingFont(const PrintMetrics& metrics, int style);
// Measuring knows three fonts: style 1, style 4, and T2 normal for the rest.
TextFont MeasuringFont(const PrintMetrics& metrics, int style);

}  // namespace kavalto

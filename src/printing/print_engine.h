// The print engine: the state of one printing run and the drawing
// primitives every form draws with. Forms move the current line y
// themselves and draw through DrawText, MeasureText, DrawBox and DrawHLine;
// in the counting pass nothing reaches the target.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "printing/print_metrics.h"
#include "printing/print_target.h"
#include "rules/start_order.h"

namespace kavalto {

struct PrintEngine {
    PrintTarget* target = nullptr;
    PrintMetrics metrics;
    int copies = 1;              // "Ant. Kopier"; the printer only
    int pageCount = 0;           // of the current item; 0 in the mail PDF
    int pageIndex = 0;           // within the current item
    int progress = 0;            // the next row of a list; reset per item and copy
    bool counting = false;       // nothing is drawn
    bool signature = false;      // judge lists: the footer has "Dato" and "Sign Dommer"
    int y = 0;                   // current line, page units from the top

    // The start list's walk, begun on the first page of its item.
    StartOrderWalk walk;
    int32_t walkNext = -1;       // the entrant the next row shows, -1 at the end
    int32_t lastTeam = -1;       // the team of the previous row of a team start list
};

// Prepares the engine for a run on the target: the metrics of its page.
void AttachTarget(PrintEngine& engine, PrintTarget& target);

// Box kinds of DrawBox.
enum BoxKind : int {
    kBoxUnit = 1,                // one box unit wide
    kBoxThreeUnits = 2,
    kBoxHalfPage = 3,
    kBoxHalfPageTall = 4,        // three lines high
    kBoxTally = 5,               // W/2 wide, W/3 high
    kBoxThreeAndHalfUnits = 6,
};

void DrawHLine(PrintEngine& engine, int width, int x1, int x2, int y);
// An empty rectangle whose top is a half step above the current line.
void DrawBox(PrintEngine& engine, int kind, int x);
int MeasureText(PrintEngine& engine, int style, std::string_view cp1252);
// Text with its top at the current line; with clip, cut to maxWidth.
void DrawText(PrintEngine& engine, int style, int x, std::string_view cp1252, bool clip = false, int maxWidth = 0);
void DrawTextColoured(PrintEngine& engine, int style, TextColour colour, int x, std::string_view cp1252);

}  // namespace kavalto

// The document loop: the counting pass and the run that draws every page
// of the items on a target.
#pragma once

#include <span>

#include "meet/meet_state.h"
#include "printing/print_engine.h"
#include "printing/print_item.h"

namespace kavalto {

// Calls the item's renderer for the next page; true when the item is complete.
// Judge lists are drawn with the signature footer and in their own run.
bool RenderItemPage(MeetState& meet, PrintEngine& engine, const PrintItem& item);

// Fills every item's page count: the renderer is called until it answers
// done, with nothing drawn, written or added.
void CountPages(MeetState& meet, PrintEngine& engine, PrintTarget& target, std::span<PrintItem> items);

// Draws the pages of all items, or of the current one only, on the target;
// each item as many pages as counted, as many copies as set for the
// printer. False when the target refuses an item or a sheet.
bool RunItems(MeetState& meet, PrintEngine& engine, PrintTarget& target, bool all, int current,
              std::span<const PrintItem> items);

}  // namespace kavalto

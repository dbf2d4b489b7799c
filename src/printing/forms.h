// The renderers of the printed forms. Each draws the next page of its item
// (the engine's progress counter says where a list goes on) and answers
// true when the item is complete, false when another page follows.
#pragma once

#include "meet/meet_state.h"
#include "printing/print_engine.h"
#include "printing/print_item.h"

namespace kavalto {

bool RenderEquipageEntryForm(MeetState& meet, PrintEngine& engine, const PrintItem& item);
bool RenderTeamEntryForm(MeetState& meet, PrintEngine& engine, const PrintItem& item);
bool RenderEquipageCards(MeetState& meet, PrintEngine& engine, const PrintItem& item);
bool RenderTeamCards(MeetState& meet, PrintEngine& engine, const PrintItem& item);
bool RenderEquipageScribeForm(MeetState& meet, PrintEngine& engine, const PrintItem& item);
bool RenderTeamScribeForm(MeetState& meet, PrintEngine& engine, const PrintItem& item);
bool RenderStartList(MeetState& meet, PrintEngine& engine, const PrintItem& item);
// Results lists and judge lists (types 10, 11, 14, 15).
bool RenderResultsList(MeetState& meet, PrintEngine& engine, const PrintItem& item);
bool RenderCombinedResults(MeetState& meet, PrintEngine& engine, const PrintItem& item);
bool RenderTeamCombinedResults(MeetState& meet, PrintEngine& engine, const PrintItem& item);
bool RenderJudgeSheet(MeetState& meet, PrintEngine& engine, const PrintItem& item);
bool RenderTeamJudgeSheet(MeetState& meet, PrintEngine& engine, const PrintItem& item);
bool RenderStatistics(MeetState& meet, PrintEngine& engine, const PrintItem& item);

}  // namespace kavalto

#include "printing/forms.h"
#include "printing/page_frame.h"

namespace kavalto {
bool RenderEquipageEntryForm(MeetState&, PrintEngine&, const PrintItem&) { return true; }
bool RenderTeamEntryForm(MeetState&, PrintEngine&, const PrintItem&) { return true; }
bool RenderEquipageCards(MeetState&, PrintEngine&, const PrintItem&) { return true; }
bool RenderTeamCards(MeetState&, PrintEngine&, const PrintItem&) { return true; }
bool RenderEquipageScribeForm(MeetState&, PrintEngine&, const PrintItem&) { return true; }
bool RenderTeamScribeForm(MeetState&, PrintEngine&, const PrintItem&) { return true; }
bool RenderStartList(MeetState&, PrintEngine&, const PrintItem&) { return true; }
bool RenderJudgeSheet(MeetState&, PrintEngine&, const PrintItem&) { return true; }
bool RenderTeamJudgeSheet(MeetState&, PrintEngine&, const PrintItem&) { return true; }
}  // namespace kavalto

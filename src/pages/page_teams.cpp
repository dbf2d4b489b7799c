// Page 4: team registration.
#include "app/app_state.h"
#include "meet/class_catalogue.h"
#include "pages/page_counter.h"
#include "pages/pages.h"
#include "pages/record_stepping.h"
#include "ui/ui_context.h"

namespace kavalto {
namespace {

void Activate(PageContext& page, bool on) {
    if (on) LoadPage(page, kPageTeams, nullptr, 0);
}

void Handle(PageContext&, const PageEvent&) {}

void Leave(PageContext& page) {
    // PAGE 4: the edited text taken over and autosaved, then the start order of the team classes.
    Activate(page, false);
}

void Paint(PageContext& page) {
    const MeetState& meet = page.app.meet;
    DrawRecordCounter(page, meet.currentTeam, meet.teamCount(), 17);
}

void Key(PageContext& page, int32_t key) {
    MeetState& meet = page.app.meet;
    const int32_t next = SteppedRecord(meet.currentTeam, meet.teamCount(), key);
    if (next == meet.currentTeam) return;
    meet.currentTeam = next;
    // The team's class becomes the current class (a team without a class
    // leaves it as it was).
    const int32_t slot = meet.teams[static_cast<size_t>(next)].classSlot;
    if (IsClassSlot(slot)) meet.currentClass = slot;
    // PAGE 4: the fields loaded from the team now shown.
    RequestRepaint(page.ui);
}

}  // namespace

PageFunctions TeamsPage() {
    return {.activate = Activate, .handle = Handle, .leave = Leave, .paint = Paint, .key = Key};
}

}  // namespace kavalto

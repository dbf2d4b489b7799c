// Page 3: equipage registration.
#include "app/app_state.h"
#include "pages/page_counter.h"
#include "pages/pages.h"
#include "pages/record_stepping.h"
#include "ui/ui_context.h"

namespace kavalto {
namespace {

void Activate(PageContext& page, bool on) {
    if (on) LoadPage(page, kPageEquipages, nullptr, 0);
}

void Handle(PageContext&, const PageEvent&) {}

void Paint(PageContext& page) {
    const MeetState& meet = page.app.meet;
    DrawRecordCounter(page, meet.currentEquipage, meet.equipageCount(), 23);
}

void Key(PageContext& page, int32_t key) {
    MeetState& meet = page.app.meet;
    const int32_t next = SteppedRecord(meet.currentEquipage, meet.equipageCount(), key);
    if (next == meet.currentEquipage) return;
    meet.currentEquipage = next;
    // PAGE 3: the fields loaded from the equipage now shown.
    RequestRepaint(page.ui);
}

}  // namespace

PageFunctions EquipagesPage() { return {.activate = Activate, .handle = Handle, .paint = Paint, .key = Key}; }

}  // namespace kavalto

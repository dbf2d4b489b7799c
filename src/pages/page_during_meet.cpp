// Page 5: during the meet.
#include "pages/pages.h"
#include "ui/list_panel.h"

namespace kavalto {
namespace {

void Activate(PageContext& page, bool on) {
    if (on) LoadPage(page, kPageDuringMeet, nullptr, 0);
}

void Handle(PageContext&, const PageEvent&) {}

void Leave(PageContext& page) {
    // PAGE 5: the current class kept as the page's remembered class.
    page.panel.shown = false;
    Activate(page, false);
}

void Paint(PageContext&) {
    // PAGE 5: the entry panel and the class's lists in the list panel.
}

void Key(PageContext&, int32_t) {
    // PAGE 5: Up and Down move the current starter within the start list.
}

}  // namespace

PageFunctions DuringMeetPage() {
    return {.activate = Activate, .handle = Handle, .leave = Leave, .paint = Paint, .key = Key};
}

}  // namespace kavalto

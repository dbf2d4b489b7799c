// Page 6: after the meet.
#include "pages/pages.h"

namespace kavalto {
namespace {

void Activate(PageContext& page, bool on) {
    if (on) LoadPage(page, kPageAfterMeet, nullptr, 0);
}

void Handle(PageContext&, const PageEvent&) {}

// Nothing to finish: every function of the page completes at its button.
void Leave(PageContext&) {}

}  // namespace

PageFunctions AfterMeetPage() { return {.activate = Activate, .handle = Handle, .leave = Leave}; }

}  // namespace kavalto

// Page 1: meet registration.
#include "pages/pages.h"

namespace kavalto {
namespace {

void Activate(PageContext& page, bool on) {
    if (on) LoadPage(page, kPageMeet, nullptr, 0);
}

void Handle(PageContext&, const PageEvent&) {}

void Leave(PageContext& page) {
    // PAGE 1: the edited text taken over, the autosave, the first-activation flag cleared.
    Activate(page, false);
}

void Paint(PageContext&) {
    // PAGE 1: the sponsor banner.
}

}  // namespace

PageFunctions MeetPage() { return {.activate = Activate, .handle = Handle, .leave = Leave, .paint = Paint}; }

}  // namespace kavalto

// Page 7: sorted participant list and search.
#include "pages/pages.h"

namespace kavalto {
namespace {

void Activate(PageContext& page, bool on) {
    if (on) LoadPage(page, kPageParticipants, nullptr, 0);
}

void Handle(PageContext&, const PageEvent&) {}

void Paint(PageContext&) {
    // PAGE 7: the participant list in the list panel.
}

}  // namespace

PageFunctions ParticipantsPage() { return {.activate = Activate, .handle = Handle, .paint = Paint}; }

}  // namespace kavalto

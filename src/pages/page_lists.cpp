// Page 9: miscellaneous lists.
#include "pages/pages.h"

namespace kavalto {
namespace {

void Activate(PageContext& page, bool on) {
    if (on) LoadPage(page, kPageLists, nullptr, 0);
}

void Handle(PageContext&, const PageEvent&) {}

void Paint(PageContext&) {
    // PAGE 9: the chosen list in the list panel.
}

}  // namespace

PageFunctions ListsPage() { return {.activate = Activate, .handle = Handle, .paint = Paint}; }

}  // namespace kavalto

// Page 9: miscellaneous lists.
#include "pages/pages.h"

namespace kavalto {
namespace {

void Activate(PageContext& page, bool on) {
    if (on) LoadPage(page, kPageLists, nullptr, 0);
}

void Handle(PageContext&, const PageEvent&) {}

}  // namespace

PageFunctions ListsPage() { return {.activate = Activate, .handle = Handle}; }

}  // namespace kavalto

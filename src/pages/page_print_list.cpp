// Page 10: print list and preview.
#include "pages/pages.h"

namespace kavalto {
namespace {

void Activate(PageContext& page, bool on) {
    if (on) LoadPage(page, kPagePrintList, nullptr, 0);
}

void Handle(PageContext&, const PageEvent&) {}

void Paint(PageContext&) {
    // PAGE 10: the progress text 705, the preview picture rendered, the list panel in picture mode on grid row 3.
}

void Key(PageContext&, int32_t) {
    // PAGE 10: every key goes to the print list.
}

}  // namespace

PageFunctions PrintListPage() { return {.activate = Activate, .handle = Handle, .paint = Paint, .key = Key}; }

}  // namespace kavalto

// Page 11: start list editor.
#include "pages/pages.h"

namespace kavalto {
namespace {

void Activate(PageContext& page, bool on) {
    if (on) LoadPage(page, kPageStartListEditor, nullptr, 0);
}

void Handle(PageContext&, const PageEvent&) {}

void Paint(PageContext&) {
    // PAGE 11: the start list in the list panel.
}

}  // namespace

PageFunctions StartListEditorPage() { return {.activate = Activate, .handle = Handle, .paint = Paint}; }

}  // namespace kavalto

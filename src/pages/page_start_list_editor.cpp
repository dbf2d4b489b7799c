// Page 11: start list editor.
#include "pages/pages.h"

namespace kavalto {
namespace {

void Activate(PageContext& page, bool on) {
    if (on) LoadPage(page, kPageStartListEditor, nullptr, 0);
}

void Handle(PageContext&, const PageEvent&) {}

}  // namespace

PageFunctions StartListEditorPage() { return {.activate = Activate, .handle = Handle}; }

}  // namespace kavalto

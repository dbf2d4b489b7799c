// Page 8: results by e-mail.
#include "pages/pages.h"

namespace kavalto {
namespace {

void Activate(PageContext& page, bool on) {
    if (on) LoadPage(page, kPageMail, nullptr, 0);
}

void Handle(PageContext&, const PageEvent&) {}

void Paint(PageContext&) {
    // PAGE 8: the recipients in the list panel.
}

}  // namespace

PageFunctions MailPage() { return {.activate = Activate, .handle = Handle, .paint = Paint}; }

}  // namespace kavalto

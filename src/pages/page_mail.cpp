// Page 8: results by e-mail.
#include "pages/pages.h"

namespace kavalto {
namespace {

void Activate(PageContext& page, bool on) {
    if (on) LoadPage(page, kPageMail, nullptr, 0);
}

void Handle(PageContext&, const PageEvent&) {}

}  // namespace

PageFunctions MailPage() { return {.activate = Activate, .handle = Handle}; }

}  // namespace kavalto

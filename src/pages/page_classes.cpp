// Page 2: class registration.
#include "pages/pages.h"

namespace kavalto {
namespace {

void Activate(PageContext& page, bool on) {
    if (on) LoadPage(page, kPageClasses, nullptr, 0);
}

void Handle(PageContext&, const PageEvent&) {}

void Leave(PageContext& page) {
    // PAGE 2: the current class and run of the arrival put back.
    Activate(page, false);
}

void Key(PageContext&, int32_t) {
    // PAGE 2: Delete takes the chosen class out of the meet.
}

void Paint(PageContext&) {
    // PAGE 2: the current class's name.
}

}  // namespace

PageFunctions ClassesPage() {
    return {.activate = Activate, .handle = Handle, .leave = Leave, .paint = Paint, .key = Key};
}

}  // namespace kavalto

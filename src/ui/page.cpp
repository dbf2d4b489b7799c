#include "ui/page.h"

#include "ui/button_bar.h"
#include "ui/navigation_buttons.h"

namespace kavalto {

void LoadPage(PageContext& page, int32_t pageNumber, const Button* buttons, int32_t n) {
    LoadPageButtons(page.bar, buttons, n);
    const int32_t tab = NavigationTab(pageNumber);
    if (tab != 0) Select(page.bar, page.ui, tab);
}

}  // namespace kavalto

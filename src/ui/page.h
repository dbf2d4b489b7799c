// The eleven pages of the view. A page is a set of plain functions with a
// state record of its own: Activate (on / off), Handle (every event of the
// widgets that the dispatcher does not take), and optionally its leaving
// rule, its part of the paint and its keys. The view holds one table of
// them, indexed by page number.
#pragma once

#include <array>
#include <cstdint>

#include "ui/page_event.h"

namespace kavalto {

struct AppState;
struct ButtonBar;
struct ListPanel;
struct UiContext;
struct WidgetSet;
class CKavaltoView;

enum PageNumber : int32_t {
    kPageMeet = 1,             // meet registration
    kPageClasses = 2,          // class registration
    kPageEquipages = 3,        // equipage registration
    kPageTeams = 4,            // team registration
    kPageDuringMeet = 5,
    kPageAfterMeet = 6,
    kPageParticipants = 7,     // sorted participant list and search
    kPageMail = 8,             // results by e-mail
    kPageLists = 9,            // miscellaneous lists
    kPagePrintList = 10,       // print list and preview
    kPageStartListEditor = 11,
};
inline constexpr int32_t kPageCount = 11;

inline bool IsPage(int32_t page) { return page >= 1 && page <= kPageCount; }

// Everything a page works with. The view makes one and hands it to every
// page function.
struct PageContext {
    AppState& app;
    UiContext& ui;
    ButtonBar& bar;
    ListPanel& panel;
    CKavaltoView& view;        // page switches, the meet clock
    WidgetSet& widgets;        // the page's layout items
};

struct PageFunctions {
    void (*activate)(PageContext&, bool on) = nullptr;
    void (*handle)(PageContext&, const PageEvent&) = nullptr;
    // What leaving the page does (a page switch, and the window's close);
    // none: Activate(off).
    void (*leave)(PageContext&) = nullptr;
    // The page's own header or body picture, drawn after the panel header
    // and before the layout items.
    void (*paint)(PageContext&) = nullptr;
    // A key pressed while no text field is being edited (a Qt::Key value).
    void (*key)(PageContext&, int32_t key) = nullptr;
};

// Page n at index n - 1.
using PageTable = std::array<PageFunctions, kPageCount>;

struct Button;

// An activation's buttons: the navigation kept, the page's own after them,
// and the page's navigation tab (if it has one) chosen.
void LoadPage(PageContext& page, int32_t pageNumber, const Button* buttons, int32_t n);

}  // namespace kavalto

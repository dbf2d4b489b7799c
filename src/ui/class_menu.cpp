#include "ui/class_menu.h"

#include <string>

#include "app/text_tables.h"
#include "meet/class_catalogue.h"
#include "meet/meet_state.h"
#include "ui/popup_menu.h"
#include "ui/ui_context.h"

namespace kavalto {
namespace {

bool InRun(const MeetState& meet, int32_t slot, int32_t run) {
    return meet.classes[static_cast<size_t>(slot)].inRun[run] != 0;
}

bool Offered(const MeetState& meet, int32_t slot, int32_t run, bool pairsOnly, bool individualOnly, bool teamOnly) {
    if (!InRun(meet, slot, run)) return false;
    const bool team = IsTeamClass(slot);
    if (individualOnly && team) return false;
    if (teamOnly && !team) return false;
    if (run == 1 && !team) {
        const bool agilityFinal = meet.info.agilityFinal != 0;
        if (agilityFinal ? IsHoppClass(slot) : IsAgilityClass(slot)) return false;
    }
    if (pairsOnly) {
        if (team) return run == 1 && InRun(meet, slot, 0) && InRun(meet, slot, 1);
        const int32_t paired = slot < kFirstAgilityClass ? slot + 12 : slot - 12;
        if (!InRun(meet, paired, run)) return false;
    }
    return true;
}

}  // namespace

bool OpenClassMenu(ButtonBar& bar, UiContext& ui, int32_t popupId, bool pairsOnly, bool individualOnly,
                   bool teamOnly) {
    if (ui.meet == nullptr) return false;
    MeetState& meet = *ui.meet;
    const int32_t run = meet.info.currentRun == 1 ? 1 : 0;
    PopupEntry entries[kMaxPopupEntries - 1];
    int32_t n = 0;
    for (int32_t slot = 0; slot < kClassCount && n < kMaxPopupEntries - 1; ++slot) {
        if (!Offered(meet, slot, run, pairsOnly, individualOnly, teamOnly)) continue;
        entries[n++] = PopupEntry{kClassCodeBase + slot, 0, 0, 1};
    }
    if (n == 0) return false;
    const std::string title = LookupListText(meet, kClassMenuTitle);
    return OpenPopup(bar, ui, popupId, title, entries, n);
}

}  // namespace kavalto

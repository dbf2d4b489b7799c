#include "pages/pages.h"

namespace kavalto {

PageTable ProgramPages() {
    return PageTable{
        MeetPage(),          ClassesPage(),       EquipagesPage(), TeamsPage(),
        DuringMeetPage(),    AfterMeetPage(),     ParticipantsPage(), MailPage(),
        ListsPage(),         PrintListPage(),     StartListEditorPage(),
    };
}

}  // namespace kavalto

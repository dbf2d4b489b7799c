// The program's pages. Each page file gives its functions; the table puts
// them in page order.
#pragma once

#include "ui/page.h"

namespace kavalto {

PageFunctions MeetPage();
PageFunctions ClassesPage();
PageFunctions EquipagesPage();
PageFunctions TeamsPage();
PageFunctions DuringMeetPage();
PageFunctions AfterMeetPage();
PageFunctions ParticipantsPage();
PageFunctions MailPage();
PageFunctions ListsPage();
PageFunctions PrintListPage();
PageFunctions StartListEditorPage();

// Page n at index n - 1.
PageTable ProgramPages();

}  // namespace kavalto

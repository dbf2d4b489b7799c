// What each open and save dialog shows: title, filters, default extension,
// and the folder it starts in.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/platform.h"

namespace kavalto {

struct FileDialogSetup {
    std::string title;                 // UTF-8
    std::vector<std::string> filters;  // Qt name filters: "Stevne data (*.ags)"
    std::string defaultExtension;      // without the dot; empty: none
};

FileDialogSetup OpenDialogSetup(FileKind kind);
FileDialogSetup SaveDialogSetup(FileKind kind);
FileDialogSetup PictureDialogSetup();

// A file name without an extension gets ".extension"; a name with any
// extension is kept as typed.
std::string WithDefaultExtension(const std::string& path, std::string_view extension);

// The folder a dialog starts in: the remembered path itself when it is a
// folder, else the folder that holds it; empty when neither exists.
std::string StartFolder(const std::string& rememberedPath);

}  // namespace kavalto

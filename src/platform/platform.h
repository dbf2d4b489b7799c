// What the program asks of the desktop beyond its own window: message
// boxes, file dialogs, the shell's "open", monitors, key state and the
// default printer. The desktop program answers through Qt (QtPlatform);
// GUI tests install a scripted stand-in of the same interface.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "meet/notifier.h"

namespace kavalto {

// The kinds of file the open and save dialogs offer; each has its filter
// and, when saving, its default extension.
enum class FileKind { kMeet, kResults, kEntries, kPdf };

struct ScreenRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const ScreenRect&) const = default;
};

struct MonitorInfo {
    std::vector<ScreenRect> screens;  // the primary screen first
    ScreenRect virtualScreen;         // the bounding box of all screens

    int count() const { return static_cast<int>(screens.size()); }
    ScreenRect primary() const { return screens.empty() ? ScreenRect{} : screens.front(); }
};

struct PrinterInfo {
    std::string name;
};

class Platform : public Notifier {
public:
    // Warn: a warning box; Ask: a Yes/No question (Notifier).

    // The open dialog: starts in the folder of rememberedPath and, on OK,
    // stores the chosen full path there. Empty when cancelled. Texts UTF-8.
    virtual std::string ChooseFileToOpen(FileKind kind, std::string& rememberedPath) = 0;
    // The save dialog: asks before overwriting; a name typed without an
    // extension gets the kind's default extension.
    virtual std::string ChooseFileToSave(FileKind kind, std::string& rememberedPath) = 0;
    // The sponsor banner's picture dialog.
    virtual std::string ChoosePicture(std::string& rememberedPath) = 0;

    // The shell's "open": a local file with its registered program, or an
    // address (http:, mailto:) with the user's browser or mail program.
    virtual bool OpenFile(const std::string& path) = 0;
    virtual bool OpenAddress(const std::string& address) = 0;

    // The user's documents folder; empty when the desktop cannot tell.
    virtual std::string DocumentsFolder() = 0;
    // The folder of the running executable.
    virtual std::string ProgramFolder() = 0;
    virtual MonitorInfo Monitors() = 0;

    // True while a Ctrl key is held down.
    virtual bool CtrlHeld() = 0;
    // For long batches: true when Esc was pressed since the last call.
    // Other input that arrives meanwhile is dropped, so nothing else runs
    // in the middle of the batch.
    virtual bool EscapePressed() = 0;

    virtual std::optional<PrinterInfo> DefaultPrinter() = 0;
};

// Opens the user's mail program on "mailto:" and the address, at most 199
// characters in all.
bool OpenMailClient(Platform& platform, const std::string& address);

}  // namespace kavalto

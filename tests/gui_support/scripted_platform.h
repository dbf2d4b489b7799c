// The platform for GUI tests: records every message, dialog and "open",
// and answers from a script. Dialog answers are full paths; an empty one
// stands for Cancel. Nothing is asked of the desktop.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "platform/file_dialogs.h"
#include "platform/platform.h"
#include "support/recording_notifier.h"

namespace kavalto::test {

class ScriptedPlatform final : public Platform {
public:
    struct Dialog {
        enum class Type { kOpen, kSave, kPicture } type;
        FileKind kind;
        std::string startFolder;
    };

    std::vector<std::string> warnings;
    std::vector<std::string> questions;
    std::deque<bool> answers;  // no when empty

    std::vector<Dialog> dialogs;
    std::deque<std::string> dialogAnswers;

    std::vector<std::string> openedFiles;
    std::vector<std::string> openedAddresses;

    std::string documentsFolder;  // empty: the desktop cannot tell
    std::string programFolder = "/opt/kavalto";
    MonitorInfo monitors{{{0, 0, 1920, 1080}}, {0, 0, 1920, 1080}};
    bool ctrlHeld = false;
    int escapeAfterCalls = -1;  // Esc is seen at this call (counting from 1); -1 never
    int escapeCalls = 0;
    std::optional<PrinterInfo> printer;

    void Warn(const std::string& text) override { warnings.push_back(text); }
    bool Ask(const std::string& question) override {
        questions.push_back(question);
        return NextAnswer(answers);
    }

    std::string ChooseFileToOpen(FileKind kind, std::string& rememberedPath) override {
        return Answer({Dialog::Type::kOpen, kind, StartFolder(rememberedPath)}, rememberedPath, {});
    }
    std::string ChooseFileToSave(FileKind kind, std::string& rememberedPath) override {
        return Answer({Dialog::Type::kSave, kind, StartFolder(rememberedPath)}, rememberedPath,
                      SaveDialogSetup(kind).defaultExtension);
    }
    std::string ChoosePicture(std::string& rememberedPath) override {
        return Answer({Dialog::Type::kPicture, FileKind::kMeet, StartFolder(rememberedPath)}, rememberedPath, {});
    }

    bool OpenFile(const std::string& path) override {
        openedFiles.push_back(path);
        return true;
    }
    bool OpenAddress(const std::string& address) override {
        openedAddresses.push_back(address);
        return true;
    }
    std::string DocumentsFolder() override { return documentsFolder; }
    std::string ProgramFolder() override { return programFolder; }
    MonitorInfo Monitors() override { return monitors; }
    bool CtrlHeld() override { return ctrlHeld; }
    bool EscapePressed() override { return ++escapeCalls == escapeAfterCalls; }
    std::optional<PrinterInfo> DefaultPrinter() override { return printer; }

private:
    std::string Answer(Dialog dialog, std::string& rememberedPath, const std::string& extension) {
        dialogs.push_back(std::move(dialog));
        if (dialogAnswers.empty()) return {};
        std::string chosen = WithDefaultExtension(dialogAnswers.front(), extension);
        dialogAnswers.pop_front();
        if (!chosen.empty()) rememberedPath = chosen;
        return chosen;
    }
};

}  // namespace kavalto::test

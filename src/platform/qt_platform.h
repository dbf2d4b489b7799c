// The platform as the desktop program has it: Qt message boxes and file
// dialogs, QDesktopServices, the screens, the keyboard and the printers.
#pragma once

#include <QPointer>
#include <QWidget>

#include "platform/platform.h"

namespace kavalto {

class QtPlatform final : public Platform {
public:
    // Message boxes and dialogs open over this window (none: the active one).
    void SetParentWindow(QWidget* window) { parent_ = window; }

    void Warn(const std::string& text) override;
    bool Ask(const std::string& question) override;

    std::string ChooseFileToOpen(FileKind kind, std::string& rememberedPath) override;
    std::string ChooseFileToSave(FileKind kind, std::string& rememberedPath) override;
    std::string ChoosePicture(std::string& rememberedPath) override;

    bool OpenFile(const std::string& path) override;
    bool OpenAddress(const std::string& address) override;
    std::string DocumentsFolder() override;
    std::string ProgramFolder() override;
    MonitorInfo Monitors() override;

    bool CtrlHeld() override;
    bool EscapePressed() override;

    std::optional<PrinterInfo> DefaultPrinter() override;

private:
    QWidget* Parent() const;
    QPointer<QWidget> parent_;
};

}  // namespace kavalto

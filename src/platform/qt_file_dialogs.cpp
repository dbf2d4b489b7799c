#include <QFileDialog>
#include <QStringList>

#include "platform/file_dialogs.h"
#include "platform/qt_platform.h"
#include "platform/qt_text.h"

namespace kavalto {
namespace {

enum class Mode { kOpen, kSave };

// Qt's own dialog on every desktop, so filters, default extension and the
// overwrite question behave the same everywhere; file names match their
// filter in either case ("BANNER.JPG").
std::string RunDialog(QWidget* parent, const FileDialogSetup& setup, Mode mode, std::string& rememberedPath) {
    QFileDialog dialog(parent, ToQString(setup.title), ToQString(StartFolder(rememberedPath)));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFilter(dialog.filter() & ~QDir::CaseSensitive);
    QStringList filters;
    for (const std::string& filter : setup.filters) filters << ToQString(filter);
    dialog.setNameFilters(filters);
    if (mode == Mode::kOpen) {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setDefaultSuffix(ToQString(setup.defaultExtension));
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    std::string chosen = ToUtf8(dialog.selectedFiles().constFirst());
    if (mode == Mode::kSave) chosen = WithDefaultExtension(chosen, setup.defaultExtension);
    rememberedPath = chosen;
    return chosen;
}

}  // namespace

std::string QtPlatform::ChooseFileToOpen(FileKind kind, std::string& rememberedPath) {
    return RunDialog(Parent(), OpenDialogSetup(kind), Mode::kOpen, rememberedPath);
}

std::string QtPlatform::ChooseFileToSave(FileKind kind, std::string& rememberedPath) {
    return RunDialog(Parent(), SaveDialogSetup(kind), Mode::kSave, rememberedPath);
}

std::string QtPlatform::ChoosePicture(std::string& rememberedPath) {
    return RunDialog(Parent(), PictureDialogSetup(), Mode::kOpen, rememberedPath);
}

}  // namespace kavalto

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
std::string RunDialog(QWidget* parent, const FileDialogSpec& spec, Mode mode, std::string& rememberedPath) {
    QFileDialog dialog(parent, ToQString(spec.title), ToQString(StartFolder(rememberedPath)));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFilter(dialog.filter() & ~QDir::CaseSensitive);
    QStringList filters;
    for (const std::string& filter : spec.filters) filters << ToQString(filter);
    dialog.setNameFilters(filters);
    if (mode == Mode::kOpen) {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setDefaultSuffix(ToQString(spec.defaultExtension));
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    std::string chosen = ToUtf8(dialog.selectedFiles().constFirst());
    if (mode == Mode::kSave) chosen = WithDefaultExtension(chosen, spec.defaultExtension);
    rememberedPath = chosen;
    return chosen;
}

}  // namespace

std::string QtPlatform::ChooseFileToOpen(FileKind kind, std::string& rememberedPath) {
    return RunDialog(Parent(), OpenDialogSpec(kind), Mode::kOpen, rememberedPath);
}

std::string QtPlatform::ChooseFileToSave(FileKind kind, std::string& rememberedPath) {
    return RunDialog(Parent(), SaveDialogSpec(kind), Mode::kSave, rememberedPath);
}

std::string QtPlatform::ChoosePicture(std::string& rememberedPath) {
    return RunDialog(Parent(), PictureDialogSpec(), Mode::kOpen, rememberedPath);
}

}  // namespace kavalto

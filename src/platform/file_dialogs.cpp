#include "platform/file_dialogs.h"

#include <filesystem>

#include "app/text_table_rows.h"

namespace kavalto {
namespace {

constexpr TextId kOpenTitle = 459;  // "Åpne Stevne Data", for every kind
constexpr TextId kSaveTitle = 460;  // "Lagre Stevne Data"
constexpr TextId kBannerButton = 4056;

std::string TableText(const TextRow* table, TextId id) {
    for (const TextRow* row = table; row->id != -1; ++row) {
        if (row->id == id) return row->text;
    }
    return {};
}

std::string FilterOf(FileKind kind) {
    switch (kind) {
    case FileKind::kMeet: return "Stevne data (*.ags)";
    case FileKind::kResults: return "Resultater (*.agr)";
    case FileKind::kEntries: return "Påmeldinger (*.vhx)";
    case FileKind::kPdf: return "PDF fil (*.pdf)";
    }
    return {};
}

std::string ExtensionOf(FileKind kind) {
    switch (kind) {
    case FileKind::kMeet: return "ags";
    case FileKind::kResults: return "agr";
    case FileKind::kEntries: return "vhx";
    case FileKind::kPdf: return "pdf";
    }
    return {};
}

}  // namespace

FileDialogSetup OpenDialogSetup(FileKind kind) { return {TableText(kTableC, kOpenTitle), {FilterOf(kind)}, {}}; }

FileDialogSetup SaveDialogSetup(FileKind kind) {
    return {TableText(kTableC, kSaveTitle), {FilterOf(kind)}, ExtensionOf(kind)};
}

FileDialogSetup PictureDialogSetup() {
    // Qt reads the patterns from the parentheses, so they are written the way
    // it parses them: separated by spaces, "*" for every file.
    return {TableText(kTableA, kBannerButton),
            {"All Files (*)", "JPEG Compliant (*.jpg *.jpeg)", "Portable Network Graphics (*.png)",
             "Compuserve Graphics Interchange (*.gif)", "Tagged Image File Format (*.tif *.tiff)",
             "Windows or OS/2 Bitmap (*.bmp)"},
            {}};
}

std::string WithDefaultExtension(const std::string& path, std::string_view extension) {
    if (extension.empty() || path.empty()) return path;
    const std::string name = std::filesystem::path(path).filename().string();
    // A leading dot names a hidden file, not an extension.
    if (name.find('.', 1) != std::string::npos) return path;
    return path + "." + std::string(extension);
}

std::string StartFolder(const std::string& rememberedPath) {
    if (rememberedPath.empty()) return {};
    std::error_code error;
    const std::filesystem::path remembered(rememberedPath);
    if (std::filesystem::is_directory(remembered, error)) return rememberedPath;
    const std::filesystem::path parent = remembered.parent_path();
    if (!parent.empty() && std::filesystem::is_directory(parent, error)) return parent.string();
    return {};
}

}  // namespace kavalto

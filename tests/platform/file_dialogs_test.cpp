#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "platform/file_dialogs.h"
#include "support/meet_builder.h"

namespace kavalto {
namespace {

TEST(FileDialogs, DefaultExtensionOnlyForNamesWithoutOne) {
    const struct {
        const char* typed;
        const char* extension;
        const char* chosen;
    } cases[] = {
        {"/m/stevne", "ags", "/m/stevne.ags"},
        {"/m/stevne.ags", "ags", "/m/stevne.ags"},
        {"/m/stevne.txt", "ags", "/m/stevne.txt"},
        {"/m/stevne.AGS", "ags", "/m/stevne.AGS"},
        {"/m/resultater", "agr", "/m/resultater.agr"},
        {"/m/liste", "pdf", "/m/liste.pdf"},
        {"/m.d/stevne", "ags", "/m.d/stevne.ags"},  // a dot in a folder is no extension
        {"/m/.skjult", "ags", "/m/.skjult.ags"},
        {"/m/stevne", "", "/m/stevne"},
    };
    for (const auto& c : cases) EXPECT_EQ(WithDefaultExtension(c.typed, c.extension), c.chosen) << c.typed;
}

TEST(FileDialogs, TitlesFiltersAndExtensionsOfEachKind) {
    const struct {
        FileKind kind;
        const char* filter;
        const char* extension;
    } cases[] = {
        {FileKind::kMeet, "Stevne data (*.ags)", "ags"},
        {FileKind::kResults, "Resultater (*.agr)", "agr"},
        {FileKind::kEntries, "Påmeldinger (*.vhx)", "vhx"},
        {FileKind::kPdf, "PDF fil (*.pdf)", "pdf"},
    };
    for (const auto& c : cases) {
        const FileDialogSetup open = OpenDialogSetup(c.kind);
        EXPECT_EQ(open.title, "Åpne Stevne Data");
        EXPECT_EQ(open.filters, std::vector<std::string>{c.filter});
        const FileDialogSetup save = SaveDialogSetup(c.kind);
        EXPECT_EQ(save.title, "Lagre Stevne Data");
        EXPECT_EQ(save.filters, std::vector<std::string>{c.filter});
        EXPECT_EQ(save.defaultExtension, c.extension);
    }
    const FileDialogSetup picture = PictureDialogSetup();
    EXPECT_EQ(picture.title, "Åpne et Sponsor Banner");
    ASSERT_EQ(picture.filters.size(), 6u);
    EXPECT_EQ(picture.filters[1], "JPEG Compliant (*.jpg *.jpeg)");
    EXPECT_EQ(picture.filters[4], "Tagged Image File Format (*.tif *.tiff)");
}

TEST(FileDialogs, StartFolderIsTheRememberedFolderOrTheFileItHolds) {
    const auto root = test::MakeTempFolder("start-folder");
    const std::string meet = (root / "stevne.ags").string();
    std::ofstream(meet) << "x";
    EXPECT_EQ(StartFolder(root.string()), root.string());
    EXPECT_EQ(StartFolder(meet), root.string());
    EXPECT_EQ(StartFolder((root / "borte.ags").string()), root.string());  // file deleted since
    EXPECT_EQ(StartFolder("/finnes/ikke/stevne.ags"), "");
    EXPECT_EQ(StartFolder(""), "");
    std::filesystem::remove_all(root);
}

}  // namespace
}  // namespace kavalto

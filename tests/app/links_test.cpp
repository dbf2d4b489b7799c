#include <fstream>

#include <gtest/gtest.h>

#include "app/links.h"
#include "shell_fixture.h"

namespace kavalto {
namespace {

using Links_ = test::ShellTest;

TEST_F(Links_, UserGuideOpensFromTheProgramFolder) {
    Start();
    const std::string guide = platform.programFolder + "/Kavalto Brukerveiledning.pdf";
    std::ofstream(guide) << "%PDF-1.4";
    OpenUserGuide(*app);
    EXPECT_EQ(platform.openedFiles, std::vector<std::string>{guide});
    EXPECT_TRUE(platform.warnings.empty());
}

TEST_F(Links_, AMissingUserGuideIsTold) {
    Start();
    OpenUserGuide(*app);
    EXPECT_TRUE(platform.openedFiles.empty());
    ASSERT_EQ(platform.warnings.size(), 1u);
    EXPECT_NE(platform.warnings[0].find("Finner ikke brukerveiledningen"), std::string::npos);
}

TEST_F(Links_, AddressesComeFromTheSettings) {
    Start();
    OpenClubWebSite(*app);
    EXPECT_EQ(platform.openedAddresses, std::vector<std::string>{kDefaultWebAddress});

    QSettings settings(kSettingsOrganisation, kSettingsApplication);
    settings.setValue("Links/WebAddress", "https://klubb.example");
    settings.setValue("Links/UserGuide", "https://klubb.example/veiledning.pdf");
    settings.sync();
    Start();
    platform.openedAddresses.clear();
    OpenClubWebSite(*app);
    OpenUserGuide(*app);
    EXPECT_EQ(platform.openedAddresses,
              (std::vector<std::string>{"https://klubb.example", "https://klubb.example/veiledning.pdf"}));

    // "-r" touches no settings at start.
    Start({"kavalto", "-r"});
    EXPECT_EQ(app->links.webAddress, kDefaultWebAddress);
}

}  // namespace
}  // namespace kavalto

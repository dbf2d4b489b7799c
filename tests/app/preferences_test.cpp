#include <QSettings>
#include <QStringList>

#include <gtest/gtest.h>

#include "app/preferences.h"
#include "shell_fixture.h"

namespace kavalto {
namespace {

using Preferences_ = test::ShellTest;

const QStringList kAllValues = {"FirstTimeRunning", "bPrintPreviewAsWidth", "MailNavn",     "MailAdr",
                                "MailEmne",         "MailText",             "InputPath",    "OutputPath",
                                "BSWith",           "BSHeight",             "KavaltoLeft",  "KavaltoTop",
                                "KavaltoWith",      "KavaltoHeight",        "Maximized"};

Preferences Changed() {
    Preferences prefs;
    prefs.firstTimeRunning = 0;
    prefs.printPreviewAsWidth = 0;
    prefs.mailName = "Ås Hundeklubb";
    prefs.mailAddress = "post@ås.no";
    prefs.mailSubject = "Resultater";
    prefs.mailText = "Hei!\nHer er resultatene fra stevnet.";
    prefs.inputPath = "/home/sekretær/Påmeldinger/vår.vhx";
    prefs.outputPath = "/home/sekretær/stevne.ags";
    prefs.bigScreenWidth = 1280;
    prefs.bigScreenHeight = 720;
    prefs.window = {40, 30, 1200, 900, 1};
    return prefs;
}

void ExpectSame(const Preferences& a, const Preferences& b) {
    EXPECT_EQ(a.firstTimeRunning, b.firstTimeRunning);
    EXPECT_EQ(a.printPreviewAsWidth, b.printPreviewAsWidth);
    EXPECT_EQ(a.mailName, b.mailName);
    EXPECT_EQ(a.mailAddress, b.mailAddress);
    EXPECT_EQ(a.mailSubject, b.mailSubject);
    EXPECT_EQ(a.mailText, b.mailText);
    EXPECT_EQ(a.inputPath, b.inputPath);
    EXPECT_EQ(a.outputPath, b.outputPath);
    EXPECT_EQ(a.bigScreenWidth, b.bigScreenWidth);
    EXPECT_EQ(a.bigScreenHeight, b.bigScreenHeight);
    EXPECT_EQ(a.window.left, b.window.left);
    EXPECT_EQ(a.window.top, b.window.top);
    EXPECT_EQ(a.window.width, b.window.width);
    EXPECT_EQ(a.window.height, b.window.height);
    EXPECT_EQ(a.window.maximized, b.window.maximized);
}

std::string Repeat(const std::string& piece, int times) {
    std::string text;
    for (int i = 0; i < times; ++i) text += piece;
    return text;
}

TEST_F(Preferences_, NothingStoredKeepsEveryDefault) {
    Preferences prefs;
    ReadPreferences(prefs);
    ExpectSame(prefs, Preferences{});
}

TEST_F(Preferences_, WrittenValuesReadBackUnchanged) {
    Preferences written = Changed();
    WritePreferences(written);
    Preferences read;
    ReadPreferences(read);
    ExpectSame(read, written);
    EXPECT_EQ(Stored()->childKeys().size(), kAllValues.size());
}

TEST_F(Preferences_, StoredFirstTimeRunningOfOneIgnoresTheRest) {
    Preferences changed = Changed();
    WritePreferences(changed);
    Stored()->setValue("FirstTimeRunning", 1);

    Preferences read;
    ReadPreferences(read);
    Preferences expected;
    ExpectSame(read, expected);

    // The exit then writes this run's values over the stored ones.
    read.firstTimeRunning = 0;
    WritePreferences(read);
    Preferences again;
    ReadPreferences(again);
    expected.firstTimeRunning = 0;
    ExpectSame(again, expected);
}

TEST_F(Preferences_, WhileTheFlagIsOneOnlyTheFlagIsWritten) {
    Preferences prefs = Changed();
    prefs.firstTimeRunning = 1;
    WritePreferences(prefs);
    EXPECT_EQ(Stored()->childKeys(), QStringList{"FirstTimeRunning"});
}

// A text of 519 characters or more is neither written nor read; shorter
// texts are. Characters, not bytes: "ø" takes two bytes in UTF-8.
TEST_F(Preferences_, LongTextsAreNeitherWrittenNorRead) {
    struct Case {
        std::string text;
        bool stored;
    };
    const Case cases[] = {
        {Repeat("a", 518), true},
        {Repeat("ø", 518), true},
        {Repeat("a", 519), false},
        {Repeat("a", 600), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.size());
        Stored()->remove("MailText");
        Preferences prefs;
        prefs.firstTimeRunning = 0;
        prefs.mailText = c.text;
        WritePreferences(prefs);
        EXPECT_EQ(Stored()->contains("MailText"), c.stored);

        Stored()->setValue("MailText", "lagret");
        ReadPreferences(prefs);
        EXPECT_EQ(prefs.mailText, c.stored ? "lagret" : c.text);
    }
}

TEST_F(Preferences_, StoredTextsLongerThanTheirSettingAreCut) {
    struct Case {
        const char* name;
        std::string Preferences::*text;
        int longest;
    };
    const Case cases[] = {
        {"MailNavn", &Preferences::mailName, 99},       {"MailAdr", &Preferences::mailAddress, 99},
        {"MailEmne", &Preferences::mailSubject, 99},    {"MailText", &Preferences::mailText, 999},
        {"InputPath", &Preferences::inputPath, 259},    {"OutputPath", &Preferences::outputPath, 259},
    };
    Stored()->setValue("FirstTimeRunning", 0);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Stored()->setValue(c.name, QString::fromStdString(Repeat("æ", c.longest + 300)));
        Preferences prefs;
        ReadPreferences(prefs);
        EXPECT_EQ(prefs.*c.text, Repeat("æ", c.longest));
    }
}

TEST_F(Preferences_, UnreadableNumbersKeepTheirDefault) {
    Stored()->setValue("FirstTimeRunning", 0);
    Stored()->setValue("KavaltoWith", "bred");
    Stored()->setValue("BSHeight", "99999999999");
    Stored()->setValue("KavaltoTop", 12);
    Preferences prefs;
    ReadPreferences(prefs);
    EXPECT_EQ(prefs.window.width, 1024);
    EXPECT_EQ(prefs.bigScreenHeight, 600);
    EXPECT_EQ(prefs.window.top, 12);
}

}  // namespace
}  // namespace kavalto

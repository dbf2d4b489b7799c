#include <QAbstractButton>
#include <QApplication>
#include <QCoreApplication>
#include <QFileDialog>
#include <QKeyEvent>
#include <QMessageBox>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <functional>

#include <gtest/gtest.h>

#include "gui_support/scripted_platform.h"
#include "platform/qt_platform.h"
#include "support/meet_builder.h"

namespace kavalto {
namespace {

// Runs `answer` on the modal window as soon as it is shown.
template <typename Modal>
void WhenShown(std::function<void(Modal&)> answer) {
    QTimer::singleShot(0, [answer] {
        auto* modal = qobject_cast<Modal*>(QApplication::activeModalWidget());
        ASSERT_NE(modal, nullptr);
        answer(*modal);
    });
}

TEST(QtMessageBoxes, WarningsAndQuestionsCarryTheProgramCaption) {
    QtPlatform platform;
    QString caption;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString text;
    WhenShown<QMessageBox>([&](QMessageBox& box) {
        caption = box.windowTitle();
        icon = box.icon();
        text = box.text();
        box.button(QMessageBox::Ok)->click();
    });
    platform.Warn("Filen kan ikke opprettes");
    EXPECT_EQ(caption, "Kavalto");
    EXPECT_EQ(icon, QMessageBox::Warning);
    EXPECT_EQ(text, "Filen kan ikke opprettes");

    for (const bool yes : {true, false}) {
        QMessageBox::StandardButtons buttons;
        WhenShown<QMessageBox>([&](QMessageBox& box) {
            caption = box.windowTitle();
            icon = box.icon();
            buttons = box.standardButtons();
            box.button(yes ? QMessageBox::Yes : QMessageBox::No)->click();
        });
        EXPECT_EQ(platform.Ask("Er du sikker?"), yes);
        EXPECT_EQ(caption, "Kavalto");
        EXPECT_EQ(icon, QMessageBox::Question);
        EXPECT_EQ(buttons, QMessageBox::Yes | QMessageBox::No);
    }
}

class QtFileDialogs : public ::testing::Test {
protected:
    void SetUp() override {
        root = test::MakeTempFolder("dialogs");
        std::ofstream(root / "stevne.ags") << "x";
    }
    void TearDown() override { std::filesystem::remove_all(root); }
    QString Path(const char* name) const { return QString::fromStdString((root / name).string()); }

    std::filesystem::path root;
    QtPlatform platform;
};

TEST_F(QtFileDialogs, OpenStartsInTheRememberedFolderAndRemembersTheChoice) {
    std::string remembered = root.string();
    QString title;
    QStringList filters;
    QString folder;
    QFileDialog::FileMode mode = QFileDialog::AnyFile;
    WhenShown<QFileDialog>([&](QFileDialog& dialog) {
        title = dialog.windowTitle();
        filters = dialog.nameFilters();
        folder = dialog.directory().absolutePath();
        mode = dialog.fileMode();
        dialog.selectFile(Path("stevne.ags"));
        static_cast<QDialog&>(dialog).accept();
    });
    EXPECT_EQ(platform.ChooseFileToOpen(FileKind::kMeet, remembered), (root / "stevne.ags").string());
    EXPECT_EQ(remembered, (root / "stevne.ags").string());
    EXPECT_EQ(title, "Åpne Stevne Data");
    EXPECT_EQ(filters, QStringList{"Stevne data (*.ags)"});
    EXPECT_EQ(folder.toStdString(), root.string());
    EXPECT_EQ(mode, QFileDialog::ExistingFile);
}

TEST_F(QtFileDialogs, CancelKeepsTheRememberedPath) {
    std::string remembered = (root / "stevne.ags").string();
    WhenShown<QFileDialog>([](QFileDialog& dialog) { dialog.reject(); });
    EXPECT_EQ(platform.ChooseFileToOpen(FileKind::kEntries, remembered), "");
    EXPECT_EQ(remembered, (root / "stevne.ags").string());
}

TEST_F(QtFileDialogs, SaveAppendsTheDefaultExtension) {
    std::string remembered = root.string();
    QString title;
    WhenShown<QFileDialog>([&](QFileDialog& dialog) {
        title = dialog.windowTitle();
        dialog.selectFile(Path("lørdag"));
        static_cast<QDialog&>(dialog).accept();
    });
    EXPECT_EQ(platform.ChooseFileToSave(FileKind::kMeet, remembered), (root / "lørdag.ags").string());
    EXPECT_EQ(remembered, (root / "lørdag.ags").string());
    EXPECT_EQ(title, "Lagre Stevne Data");
}

TEST(QtKeyState, EscapeDuringABatchIsSeenAndOtherInputDropped) {
    QtPlatform platform;
    QWidget window;
    window.show();
    int keysDelivered = 0;
    struct Counter : QObject {
        int* count;
        explicit Counter(int* c) : count(c) {}
        bool eventFilter(QObject*, QEvent* event) override {
            if (event->type() == QEvent::KeyPress) ++*count;
            return false;
        }
    } counter(&keysDelivered);
    window.installEventFilter(&counter);

    EXPECT_FALSE(platform.EscapePressed());
    QCoreApplication::postEvent(&window, new QKeyEvent(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a"));
    EXPECT_FALSE(platform.EscapePressed());
    QCoreApplication::postEvent(&window, new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
    EXPECT_TRUE(platform.EscapePressed());
    EXPECT_FALSE(platform.EscapePressed());
    EXPECT_EQ(keysDelivered, 0);

    // Outside a batch keys reach the window again.
    QKeyEvent key(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a");
    QCoreApplication::sendEvent(&window, &key);
    EXPECT_EQ(keysDelivered, 1);
}

TEST(QtMonitors, PrimaryScreenFirstInsideTheVirtualScreen) {
    QtPlatform platform;
    const MonitorInfo monitors = platform.Monitors();
    ASSERT_GE(monitors.count(), 1);
    const ScreenRect primary = monitors.primary();
    EXPECT_GT(primary.width, 0);
    EXPECT_GT(primary.height, 0);
    EXPECT_LE(monitors.virtualScreen.left, primary.left);
    EXPECT_GE(monitors.virtualScreen.left + monitors.virtualScreen.width, primary.left + primary.width);
}

TEST(MailClient, OpensMailtoCutTo199Characters) {
    test::ScriptedPlatform platform;
    OpenMailClient(platform, "ole@klubb.no");
    OpenMailClient(platform, std::string(300, 'x') + "@klubb.no");
    OpenMailClient(platform, std::string(191, 'x') + "ø@a.no");
    ASSERT_EQ(platform.openedAddresses.size(), 3u);
    EXPECT_EQ(platform.openedAddresses[0], "mailto:ole@klubb.no");
    EXPECT_EQ(platform.openedAddresses[1], "mailto:" + std::string(192, 'x'));
    EXPECT_EQ(platform.openedAddresses[2], "mailto:" + std::string(191, 'x') + "ø");
}

}  // namespace
}  // namespace kavalto

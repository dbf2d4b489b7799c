#include <QCoreApplication>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QPrinterInfo>
#include <QScreen>
#include <QStandardPaths>
#include <QUrl>

#include "platform/qt_platform.h"
#include "platform/qt_text.h"

namespace kavalto {
namespace {

ScreenRect ToScreenRect(const QRect& rect) { return {rect.left(), rect.top(), rect.width(), rect.height()}; }

}  // namespace

bool QtPlatform::OpenFile(const std::string& path) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(ToQString(path)));
}

bool QtPlatform::OpenAddress(const std::string& address) {
    return QDesktopServices::openUrl(QUrl(ToQString(address)));
}

std::string QtPlatform::DocumentsFolder() {
    return ToUtf8(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
}

std::string QtPlatform::ProgramFolder() { return ToUtf8(QCoreApplication::applicationDirPath()); }

MonitorInfo QtPlatform::Monitors() {
    MonitorInfo info;
    QScreen* primary = QGuiApplication::primaryScreen();
    if (primary == nullptr) return info;
    info.screens.push_back(ToScreenRect(primary->geometry()));
    for (QScreen* screen : QGuiApplication::screens()) {
        if (screen != primary) info.screens.push_back(ToScreenRect(screen->geometry()));
    }
    info.virtualScreen = ToScreenRect(primary->virtualGeometry());
    return info;
}

std::optional<PrinterInfo> QtPlatform::DefaultPrinter() {
    const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
    if (printer.isNull()) return std::nullopt;
    return PrinterInfo{ToUtf8(printer.printerName())};
}

}  // namespace kavalto

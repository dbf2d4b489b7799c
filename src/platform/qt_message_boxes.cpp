#include <QApplication>
#include <QMessageBox>

#include "app/program_info.h"
#include "platform/qt_platform.h"
#include "platform/qt_text.h"

namespace kavalto {

QWidget* QtPlatform::Parent() const {
    if (parent_ != nullptr) return parent_;
    return QApplication::activeWindow();
}

void QtPlatform::Warn(const std::string& text) {
    QMessageBox box(QMessageBox::Warning, kProgramTitle, ToQString(text), QMessageBox::Ok, Parent());
    box.exec();
}

bool QtPlatform::Ask(const std::string& question) {
    QMessageBox box(QMessageBox::Question, kProgramTitle, ToQString(question), QMessageBox::Yes | QMessageBox::No,
                    Parent());
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

}  // namespace kavalto

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QKeyEvent>

#include "platform/qt_platform.h"

namespace kavalto {
namespace {

// Lets the window repaint while a batch runs, notes Esc and drops every
// other keystroke and click, so no page code runs inside the batch.
class EscapeWatch final : public QObject {
public:
    bool escape = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
        case QEvent::KeyPress:
            if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) escape = true;
            return true;
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::Wheel:
        case QEvent::Close:
            return true;
        default:
            return QObject::eventFilter(watched, event);
        }
    }
};

}  // namespace

bool QtPlatform::CtrlHeld() {
    return (QGuiApplication::queryKeyboardModifiers() & Qt::ControlModifier) != 0;
}

bool QtPlatform::EscapePressed() {
    EscapeWatch watch;
    QCoreApplication::instance()->installEventFilter(&watch);
    QCoreApplication::processEvents();
    QCoreApplication::instance()->removeEventFilter(&watch);
    return watch.escape;
}

}  // namespace kavalto

#include "app/termination_signals.h"

#include <QPointer>
#include <QSocketNotifier>
#include <QWidget>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace kavalto {
namespace {

constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};

// The handler only writes a byte; the event loop does the closing.
int wakeFds[2] = {-1, -1};
QSocketNotifier* notifier = nullptr;

extern "C" void OnTerminationSignal(int) {
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = write(wakeFds[0], &byte, 1);
}

}  // namespace

void CloseOnTerminationSignals(QWidget& window) {
    StopClosingOnTerminationSignals();
    if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, wakeFds) != 0) return;
    notifier = new QSocketNotifier(wakeFds[1], QSocketNotifier::Read);
    QPointer<QWidget> target(&window);
    QObject::connect(notifier, &QSocketNotifier::activated, [target] {
        char bytes[16];
        while (read(wakeFds[1], bytes, sizeof bytes) > 0) {
        }
        if (target != nullptr) target->close();
    });
    struct sigaction action {};
    action.sa_handler = OnTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : kSignals) sigaction(signal, &action, nullptr);
}

void StopClosingOnTerminationSignals() {
    if (notifier == nullptr) return;
    for (const int signal : kSignals) std::signal(signal, SIG_DFL);
    delete notifier;
    notifier = nullptr;
    close(wakeFds[0]);
    close(wakeFds[1]);
    wakeFds[0] = wakeFds[1] = -1;
}

}  // namespace kavalto

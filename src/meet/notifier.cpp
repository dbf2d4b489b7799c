#include "meet/notifier.h"

namespace kavalto {
namespace {

class Silent final : public Notifier {
public:
    void Warn(const std::string&) override {}
    bool Ask(const std::string&) override { return false; }
};

bool outOfMemoryShown = false;

}  // namespace

Notifier& SilentNotifier() {
    static Silent silent;
    return silent;
}

void ReportOutOfMemory(Notifier& notifier) {
    if (outOfMemoryShown) return;
    outOfMemoryShown = true;
    notifier.Warn("Out of memory");
}

void ForgetOutOfMemoryShown() { outOfMemoryShown = false; }

}  // namespace kavalto

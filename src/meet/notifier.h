// How the core tells the operator something or asks a yes/no question.
// The desktop program answers with message boxes (caption "Kavalto"),
// kavalto-cli prints to standard error, tests record and script the calls.
#pragma once

#include <string>

namespace kavalto {

class Notifier {
public:
    virtual ~Notifier() = default;
    // A warning the operator must read; the text is UTF-8.
    virtual void Warn(const std::string& text) = 0;
    // A yes/no question; true means yes.
    virtual bool Ask(const std::string& question) = 0;
};

// Shows nothing and answers no.
Notifier& SilentNotifier();

// "Out of memory" is shown at most once per run of the program.
void ReportOutOfMemory(Notifier& notifier);
// Lets a test see the message again.
void ForgetOutOfMemoryShown();

}  // namespace kavalto

#include <cerrno>
#include <ctime>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

#include "meet/meet_file.h"

namespace kavalto {
namespace {

constexpr const char* kBackupSuffix = ".bak";

// Holds the loader's own warnings back, so the operator gets one message
// that says both why the autosave could not be read and what was done.
class HeldWarnings final : public Notifier {
public:
    explicit HeldWarnings(Notifier& operatorNotifier) : operator_(operatorNotifier) {}
    void Warn(const std::string& text) override {
        if (first.empty()) first = text;
    }
    bool Ask(const std::string& question) override { return operator_.Ask(question); }
    std::string first;

private:
    Notifier& operator_;
};

bool Exists(const std::string& path) {
    struct stat info {};
    return lstat(path.c_str(), &info) == 0;
}

std::string Timestamp() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y%m%d-%H%M%S", &local);
    return text;
}

// Moves the file to a free name; never replaces a file already there.
bool RenameToFreeName(const std::string& from, const std::string& stem, std::string& to) {
    for (int n = 1; n < 1000; ++n) {
        to = stem;
        if (n > 1) to.append("-").append(std::to_string(n));
        to.append(".agi");
        if (link(from.c_str(), to.c_str()) == 0) {
            unlink(from.c_str());
            return true;
        }
        if (errno == EEXIST) continue;
        // No hard links on this file system: rename, having looked first.
        if (Exists(to)) continue;
        return rename(from.c_str(), to.c_str()) == 0;
    }
    return false;
}

bool TryLoad(MeetState& meet, const std::string& path, std::string& reason) {
    Notifier* operatorNotifier = meet.notifier;
    HeldWarnings held(*operatorNotifier);
    meet.notifier = &held;
    const LoadResult result = LoadMeetFile(meet, path);
    meet.notifier = operatorNotifier;
    if (!result) reason = held.first.empty() ? "Filen kan ikke leses." : held.first;
    return result.ok;
}

}  // namespace

std::string AutosavePath(const std::string& dataFolder) {
    return (std::filesystem::path(dataFolder) / kAutosaveName).string();
}

bool SaveAutosave(MeetState& meet, const std::string& dataFolder) {
    const std::string path = AutosavePath(dataFolder);
    return WriteMeetFile(meet, path, path + kBackupSuffix);
}

AutosaveStart LoadAutosaveAtStart(MeetState& meet, const std::string& dataFolder, std::string* setAsidePath) {
    const std::string path = AutosavePath(dataFolder);
    if (!Exists(path)) {
        ResetMeet(meet);
        return AutosaveStart::kMissing;
    }
    std::string reason;
    if (TryLoad(meet, path, reason)) return AutosaveStart::kLoaded;

    const std::string stem = (std::filesystem::path(dataFolder) / ("Current-ulesbar-" + Timestamp())).string();
    std::string aside;
    if (!RenameToFreeName(path, stem, aside)) {
        ResetMeet(meet);
        meet.notifier->Warn("Det autolagrede stevnet (" + std::string(kAutosaveName) + ") kan ikke leses. " + reason +
                            " Filen kan heller ikke flyttes til side, så neste autolagring vil skrive over den. "
                            "Ta en kopi av filen før du fortsetter.");
        return AutosaveStart::kUnreadable;
    }
    if (setAsidePath != nullptr) *setAsidePath = aside;
    const std::string asideName = std::filesystem::path(aside).filename().string();
    const std::string told = "Det autolagrede stevnet (" + std::string(kAutosaveName) + ") kan ikke leses. " + reason +
                             " Filen er tatt vare på som " + asideName + ".";

    std::string backupReason;
    const std::string backup = path + kBackupSuffix;
    if (Exists(backup) && TryLoad(meet, backup, backupReason)) {
        meet.notifier->Warn(told + " Forrige autolagring (" + std::string(kAutosaveName) + kBackupSuffix +
                            ") er lest inn i stedet; den siste endringen kan mangle.");
        return AutosaveStart::kRestoredBackup;
    }
    ResetMeet(meet);
    meet.notifier->Warn(told + " Et tomt stevne er startet.");
    return AutosaveStart::kSetAside;
}

}  // namespace kavalto

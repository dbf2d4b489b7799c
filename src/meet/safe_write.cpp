#include "meet/safe_write.h"

#include "meet/read_file.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace kavalto {
namespace {

// A name beside the target that no other writer (another thread, another
// copy of the program) picks at the same time.
std::string TempName(const std::string& path) {
    static std::atomic<unsigned> counter{0};
    return path + ".tmp-" + std::to_string(getpid()) + "-" + std::to_string(counter++);
}

int CreateTemp(const std::string& path, std::string& tempPath) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        tempPath = TempName(path);
        const int fd = open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

bool WriteAll(int fd, std::span<const uint8_t> bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (n == 0) return false;
        done += static_cast<size_t>(n);
    }
    return true;
}

std::string FolderOf(const std::string& path) {
    const std::filesystem::path folder = std::filesystem::path(path).parent_path();
    return folder.empty() ? std::string(".") : folder.string();
}

// Makes the renames in a folder durable. Some file systems cannot sync a
// folder; the files themselves are complete by then, so that is not an error.
void SyncFolder(const std::string& folder) {
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    (void)fsync(fd);
    close(fd);
}

// Puts the current target under keepPrevious while the target stays where
// it is, so a complete file is always in place. A hard link costs nothing;
// where the file system has none, the bytes are copied.
void KeepPreviousCopy(const std::string& path, const std::string& keepPrevious) {
    const std::string linkPath = TempName(keepPrevious);
    if (link(path.c_str(), linkPath.c_str()) == 0) {
        if (rename(linkPath.c_str(), keepPrevious.c_str()) != 0) unlink(linkPath.c_str());
        if (FolderOf(keepPrevious) != FolderOf(path)) SyncFolder(FolderOf(keepPrevious));
        return;
    }
    std::vector<uint8_t> previous;
    if (ReadWholeFile(path, previous)) (void)WriteFileSafely(keepPrevious, previous);
}

}  // namespace

WriteFailure WriteFileSafely(const std::string& path, std::span<const uint8_t> bytes,
                             const std::string& keepPrevious) {
    if (path.empty()) return WriteFailure::kCannotCreate;
    std::string tempPath;
    const int fd = CreateTemp(path, tempPath);
    if (fd < 0) return WriteFailure::kCannotCreate;

    bool written = WriteAll(fd, bytes);
    written = written && fsync(fd) == 0;
    written = (close(fd) == 0) && written;
    if (!written) {
        unlink(tempPath.c_str());
        return WriteFailure::kCannotWrite;
    }

    struct stat existing {};
    if (!keepPrevious.empty() && stat(path.c_str(), &existing) == 0 && S_ISREG(existing.st_mode)) {
        KeepPreviousCopy(path, keepPrevious);
    }
    if (rename(tempPath.c_str(), path.c_str()) != 0) {
        unlink(tempPath.c_str());
        return WriteFailure::kCannotWrite;
    }
    SyncFolder(FolderOf(path));
    return WriteFailure::kNone;
}

}  // namespace kavalto

#include "meet/reported_write.h"

#include "meet/meet_file_texts.h"
#include "meet/safe_write.h"

namespace kavalto {

bool WriteFileReported(Notifier& notifier, const std::string& path, std::span<const uint8_t> bytes,
                       const std::string& keepPrevious) {
    switch (path.empty() ? WriteFailure::kCannotCreate : WriteFileSafely(path, bytes, keepPrevious)) {
        case WriteFailure::kNone:
            return true;
        case WriteFailure::kCannotCreate:
            notifier.Warn(kTextCannotCreate);
            return false;
        case WriteFailure::kCannotWrite:
            notifier.Warn(kTextCannotWrite);
            return false;
    }
    return false;
}

}  // namespace kavalto

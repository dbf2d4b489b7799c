#include "exchange/exchange_write.h"

#include "meet/meet_file_texts.h"
#include "meet/safe_write.h"

namespace kavalto {

bool WriteExchangeFile(MeetState& meet, const std::string& path, std::span<const uint8_t> bytes) {
    switch (path.empty() ? WriteFailure::kCannotCreate : WriteFileSafely(path, bytes)) {
        case WriteFailure::kNone:
            return true;
        case WriteFailure::kCannotCreate:
            meet.notifier->Warn(kTextCannotCreate);
            return false;
        case WriteFailure::kCannotWrite:
            meet.notifier->Warn(kTextCannotWrite);
            return false;
    }
    return false;
}

}  // namespace kavalto

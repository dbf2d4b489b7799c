// The checksum line of the club results file: SHA-1 over a salt and the
// exported times total shifted by the meet identifier's leading number, so
// the club's system sees whether the file was edited by hand.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "meet/meet_state.h"

namespace kavalto {

// The leading decimal number of a meet identifier: an optional minus sign,
// blanks, an optional plus sign, digits (none: 0). Held within 32 bits.
int32_t MeetIdNumber(std::string_view meetId);

// The text that is hashed: the salt, then total + 100 x number formatted as
// a time (32-bit arithmetic, wrapping as the club's program does).
std::string ChecksumText(int32_t timesTotal, int32_t meetIdNumber);

// 40 lower-case hexadecimal digits of the SHA-1 digest; nothing when the
// digest cannot be computed.
std::optional<std::string> Sha1Hex(std::string_view bytes);

// Line 1 of the club results file for the meet and the times total; empty
// when the digest cannot be computed.
std::string ResultsChecksum(const MeetState& meet, int32_t timesTotal);

}  // namespace kavalto

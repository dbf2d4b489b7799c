#include "exchange/results_checksum.h"

#include <openssl/evp.h>

#include <algorithm>

#include "meet/text_field.h"
#include "rules/hundredths.h"

namespace kavalto {
namespace {
constexpr std::string_view kSalt = "k#%Rq!w^Zb";

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

int32_t Wrap32(int64_t value) { return static_cast<int32_t>(static_cast<uint32_t>(static_cast<uint64_t>(value))); }
}  // namespace

int32_t MeetIdNumber(std::string_view text) {
    size_t i = 0;
    const bool negative = i < text.size() && text[i] == '-';
    if (negative) ++i;
    while (i < text.size() && IsBlank(text[i])) ++i;
    if (i < text.size() && text[i] == '+') ++i;
    constexpr int64_t kLimit = int64_t{INT32_MAX} + 1;
    int64_t value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) value = std::min(kLimit, value * 10 + (text[i] - '0'));
    if (negative) return static_cast<int32_t>(-value);
    return static_cast<int32_t>(std::min<int64_t>(value, INT32_MAX));
}

std::string ChecksumText(int32_t timesTotal, int32_t meetIdNumber) {
    const int32_t value = Wrap32(int64_t{timesTotal} + Wrap32(int64_t{100} * meetIdNumber));
    return std::string(kSalt) + FormatHundredths(value);
}

std::optional<std::string> Sha1Hex(std::string_view bytes) {
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int length = 0;
    if (EVP_Digest(bytes.data(), bytes.size(), digest, &length, EVP_sha1(), nullptr) != 1 || length != 20) {
        return std::nullopt;
    }
    static constexpr char kHex[] = "0123456789abcdef";
    std::string hex;
    for (unsigned int i = 0; i < length; ++i) {
        hex += kHex[digest[i] >> 4];
        hex += kHex[digest[i] & 0x0F];
    }
    return hex;
}

std::string ResultsChecksum(const MeetState& meet, int32_t timesTotal) {
    const std::string text = ChecksumText(timesTotal, MeetIdNumber(FieldText(meet.info.meetId)));
    return Sha1Hex(text).value_or(std::string());
}

}  // namespace kavalto

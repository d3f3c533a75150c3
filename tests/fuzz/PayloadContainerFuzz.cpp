// Fuzzes the payload container decoder. Besides the sanitizers' checks, every
// result is compared with a plain uncompress into a buffer of exactly the
// declared length, which is how the container is defined.

#include "payload/PayloadContainer.h"

#include <zlib.h>

#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {

// The reference only runs where its buffer of the declared length is cheap.
constexpr std::uint32_t kReferenceLimit = 1u << 20;

void Check(bool condition) {
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > UINT32_MAX)
        return 0;
    payload::Decoded decoded = payload::DecodeContainer(data, static_cast<std::uint32_t>(size));
    if (decoded.status != payload::DecodeStatus::Ok) {
        Check(decoded.bytes.empty());
    }
    bool isContainer = size >= 6 && data[0] == 'Z' && data[1] == 'L';
    if (!isContainer) {
        Check(decoded.status == payload::DecodeStatus::NoMagic ||
              decoded.status == payload::DecodeStatus::TooShort);
        return 0;
    }
    std::uint32_t declared = std::uint32_t(data[2]) | std::uint32_t(data[3]) << 8 |
                             std::uint32_t(data[4]) << 16 | std::uint32_t(data[5]) << 24;
    if (decoded.status == payload::DecodeStatus::Ok)
        Check(decoded.bytes.size() <= declared);
    if (declared > kReferenceLimit)
        return 0;

    std::vector<unsigned char> expected(declared);
    uLongf produced = declared;
    int rc = ::uncompress(expected.data(), &produced, data + 6, static_cast<uLong>(size - 6));
    Check((rc == Z_OK) == (decoded.status == payload::DecodeStatus::Ok));
    if (rc == Z_OK) {
        expected.resize(produced);
        Check(decoded.bytes == expected);
    }
    return 0;
}

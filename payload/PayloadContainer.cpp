#include "payload/PayloadContainer.h"

#include <zlib.h>

#include <new>
#include <stdexcept>

namespace payload {

namespace {

constexpr std::uint32_t kHeaderSize = 6;

// Deflate never expands more than 1032 to 1 (a 258-byte match in two bits), so
// no stream of this many input bytes can produce more. A buffer of this size
// behaves exactly like one of any larger declared length, and a forged length
// cannot make us allocate more than the input can justify.
std::uint64_t MostOutputOf(std::uint32_t streamSize) {
    return std::uint64_t(streamSize) * 1032u + 258u;
}

} // namespace

Decoded DecodeContainer(const void* data, std::uint32_t size) {
    Decoded result;
    const unsigned char* bytes = static_cast<const unsigned char*>(data);
    if (bytes == nullptr || size < 2 || bytes[0] != 'Z' || bytes[1] != 'L') {
        result.status = DecodeStatus::NoMagic;
        return result;
    }
    if (size < kHeaderSize) {
        result.status = DecodeStatus::TooShort;
        return result;
    }
    std::uint32_t declared = std::uint32_t(bytes[2]) | std::uint32_t(bytes[3]) << 8 |
                             std::uint32_t(bytes[4]) << 16 | std::uint32_t(bytes[5]) << 24;
    std::uint32_t streamSize = size - kHeaderSize;
    std::uint64_t capacity = declared;
    if (capacity > MostOutputOf(streamSize))
        capacity = MostOutputOf(streamSize);

    try {
        result.bytes.resize(static_cast<std::size_t>(capacity));
    } catch (const std::bad_alloc&) {
        result.status = DecodeStatus::OutOfMemory;
        return result;
    } catch (const std::length_error&) {
        result.status = DecodeStatus::OutOfMemory;
        return result;
    }

    uLongf produced = static_cast<uLongf>(capacity);
    int rc = ::uncompress(result.bytes.data(), &produced, bytes + kHeaderSize, streamSize);
    if (rc != Z_OK) {
        result.bytes = std::vector<unsigned char>();
        result.status = rc == Z_MEM_ERROR ? DecodeStatus::OutOfMemory : DecodeStatus::InflateFailed;
        return result;
    }
    result.bytes.resize(produced);
    result.status = DecodeStatus::Ok;
    return result;
}

} // namespace payload

#pragma once
// The container of one payload resource: the two bytes "ZL", the decompressed
// length as an unsigned 32-bit little-endian number, then a zlib stream that
// runs to the end of the resource. Platform-free.

#include <cstdint>
#include <vector>

namespace payload {

enum class DecodeStatus {
    Ok,
    NoMagic,       // null data, or the first two bytes are not "ZL"
    TooShort,      // "ZL" without the four bytes of the declared length
    InflateFailed, // corrupt or truncated stream, or more bytes than declared
    OutOfMemory,   // no buffer for the output could be allocated
};

struct Decoded {
    DecodeStatus status = DecodeStatus::NoMagic;
    std::vector<unsigned char> bytes; // the file's content; empty unless status is Ok
};

// Inflates the container at data (size bytes) in one call into a buffer that
// holds the declared length, so a stream that inflates to more than declared
// fails as a whole, and one that inflates to fewer gives just what it produced.
Decoded DecodeContainer(const void* data, std::uint32_t size);

} // namespace payload

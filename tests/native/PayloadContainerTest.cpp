#include "payload/PayloadContainer.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <cstdint>
#include <string>
#include <vector>

using payload::DecodeContainer;
using payload::DecodeStatus;
using Bytes = std::vector<unsigned char>;

namespace {

Bytes ToBytes(const std::string& text) {
    return Bytes(text.begin(), text.end());
}

Bytes Deflate(const Bytes& plain, int level = Z_DEFAULT_COMPRESSION) {
    uLongf size = compressBound(plain.size());
    Bytes out(size);
    EXPECT_EQ(compress2(out.data(), &size, plain.data(), plain.size(), level), Z_OK);
    out.resize(size);
    return out;
}

Bytes Container(std::uint32_t declared, const Bytes& stream) {
    Bytes out = {'Z',
                 'L',
                 static_cast<unsigned char>(declared),
                 static_cast<unsigned char>(declared >> 8),
                 static_cast<unsigned char>(declared >> 16),
                 static_cast<unsigned char>(declared >> 24)};
    out.insert(out.end(), stream.begin(), stream.end());
    return out;
}

Bytes Packed(const Bytes& plain) {
    return Container(static_cast<std::uint32_t>(plain.size()), Deflate(plain));
}

payload::Decoded Decode(const Bytes& container) {
    return DecodeContainer(container.data(), static_cast<std::uint32_t>(container.size()));
}

Bytes SampleText() {
    std::string text;
    for (int i = 0; i < 400; ++i)
        text += "line " + std::to_string(i * 7919 % 1000) + " of the sample\r\n";
    return ToBytes(text);
}

TEST(PayloadContainer, ValidContainersGiveTheirExactContent) {
    Bytes noisy(70000);
    std::uint32_t x = 12345;
    for (auto& b : noisy) {
        x = x * 1103515245u + 12345u;
        b = static_cast<unsigned char>(x >> 24);
    }
    const Bytes cases[] = {Bytes(), ToBytes("x"), SampleText(), noisy, Bytes(3, '\0')};
    for (const Bytes& plain : cases) {
        payload::Decoded d = Decode(Packed(plain));
        EXPECT_EQ(d.status, DecodeStatus::Ok) << plain.size();
        EXPECT_EQ(d.bytes, plain) << plain.size();
    }
}

TEST(PayloadContainer, WhatIsNotAContainer) {
    Bytes stream = Deflate(SampleText());
    struct Case {
        const char* what;
        Bytes data;
        DecodeStatus status;
    } cases[] = {
        {"empty", Bytes(), DecodeStatus::NoMagic},
        {"one byte", ToBytes("Z"), DecodeStatus::NoMagic},
        {"bare zlib stream", stream, DecodeStatus::NoMagic},
        {"lower-case magic", ToBytes("zl\x05\0\0\0"), DecodeStatus::NoMagic},
        {"swapped magic", ToBytes("LZ\x05\0\0\0"), DecodeStatus::NoMagic},
        {"magic only", ToBytes("ZL"), DecodeStatus::TooShort},
        {"length cut short", ToBytes("ZL\x05\0\0"), DecodeStatus::TooShort},
    };
    for (const Case& c : cases) {
        payload::Decoded d = Decode(c.data);
        EXPECT_EQ(d.status, c.status) << c.what;
        EXPECT_TRUE(d.bytes.empty()) << c.what;
    }
    payload::Decoded null = DecodeContainer(nullptr, 100);
    EXPECT_EQ(null.status, DecodeStatus::NoMagic);
}

TEST(PayloadContainer, BrokenStreamsFailAsAWhole) {
    Bytes plain = SampleText();
    Bytes stream = Deflate(plain);
    auto size = static_cast<std::uint32_t>(plain.size());
    Bytes corruptBody = stream;
    corruptBody[stream.size() / 2] ^= 0x55;
    Bytes corruptHeader = stream;
    corruptHeader[1] ^= 0x01; // the header check bits no longer match
    Bytes corruptChecksum = stream;
    corruptChecksum.back() ^= 0x01;
    struct Case {
        const char* what;
        Bytes data;
    } cases[] = {
        {"no stream", Container(size, Bytes())},
        {"stream cut in half",
         Container(size, Bytes(stream.begin(), stream.begin() + stream.size() / 2))},
        {"last byte missing", Container(size, Bytes(stream.begin(), stream.end() - 1))},
        {"corrupt body", Container(size, corruptBody)},
        {"corrupt header", Container(size, corruptHeader)},
        {"corrupt checksum", Container(size, corruptChecksum)},
        {"declared one too small", Container(size - 1, stream)},
        {"declared zero", Container(0, stream)},
    };
    for (const Case& c : cases) {
        payload::Decoded d = Decode(c.data);
        EXPECT_EQ(d.status, DecodeStatus::InflateFailed) << c.what;
        EXPECT_TRUE(d.bytes.empty()) << c.what;
    }
}

TEST(PayloadContainer, DeclaredLargerGivesWhatTheStreamInflatesTo) {
    Bytes plain = SampleText();
    Bytes stream = Deflate(plain);
    auto size = static_cast<std::uint32_t>(plain.size());
    for (std::uint32_t declared : {size + 1, size * 3, 0x7FFFFFFFu, 0xFFFFFFFFu}) {
        payload::Decoded d = Decode(Container(declared, stream));
        EXPECT_EQ(d.status, DecodeStatus::Ok) << declared;
        EXPECT_EQ(d.bytes, plain) << declared;
    }
}

// Zeros at the best level come close to deflate's largest ratio, so the output
// buffer must not be bounded below what such a stream produces.
TEST(PayloadContainer, HighlyCompressedStreamsStillFit) {
    Bytes zeros(16u << 20, 0);
    Bytes stream = Deflate(zeros, Z_BEST_COMPRESSION);
    ASSERT_LT(stream.size() * 1000, zeros.size()) << "not a high-ratio sample";
    for (std::uint32_t declared : {static_cast<std::uint32_t>(zeros.size()), 0xFFFFFFFFu}) {
        payload::Decoded d = Decode(Container(declared, stream));
        ASSERT_EQ(d.status, DecodeStatus::Ok) << declared;
        EXPECT_EQ(d.bytes.size(), zeros.size());
        EXPECT_EQ(d.bytes, zeros);
    }
    payload::Decoded small =
        Decode(Container(static_cast<std::uint32_t>(zeros.size() - 1), stream));
    EXPECT_EQ(small.status, DecodeStatus::InflateFailed);
}

} // namespace

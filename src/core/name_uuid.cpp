#include "core/name_uuid.h"

#include <array>
#include <bit>
#include <cstdint>
#include <cstdio>

namespace quillet::core {
namespace {

// Quillet's own namespace for the UUIDs of its cards, chosen once at random.
constexpr UuidNamespace kNamespace = {0x6f, 0x3c, 0x2a, 0x91, 0x5d, 0x4e, 0x4b, 0x07,
                                      0x9e, 0x12, 0xc8, 0x55, 0x0a, 0x7d, 0xe3, 0x64};

using Digest = std::array<unsigned char, 20>;

// SHA-1 (FIPS 180-4) of the bytes.
Digest sha1(std::string_view bytes) {
    std::array<std::uint32_t, 5> h = {0x67452301, 0xEFCDAB89, 0x98BADCFE, 0x10325476, 0xC3D2E1F0};
    std::string message(bytes);
    const std::uint64_t bits = static_cast<std::uint64_t>(bytes.size()) * 8;
    message += '\x80';
    while (message.size() % 64 != 56) {
        message += '\0';
    }
    for (int shift = 56; shift >= 0; shift -= 8) {
        message += static_cast<char>((bits >> shift) & 0xFF);
    }
    for (std::size_t block = 0; block < message.size(); block += 64) {
        std::array<std::uint32_t, 80> w{};
        for (std::size_t i = 0; i < 16; ++i) {
            for (std::size_t b = 0; b < 4; ++b) {
                w[i] = (w[i] << 8) | static_cast<unsigned char>(message[block + 4 * i + b]);
            }
        }
        for (std::size_t i = 16; i < 80; ++i) {
            w[i] = std::rotl(w[i - 3] ^ w[i - 8] ^ w[i - 14] ^ w[i - 16], 1);
        }
        std::uint32_t a = h[0], b = h[1], c = h[2], d = h[3], e = h[4];
        for (std::size_t i = 0; i < 80; ++i) {
            std::uint32_t f = 0;
            std::uint32_t k = 0;
            if (i < 20) {
                f = (b & c) | (~b & d);
                k = 0x5A827999;
            } else if (i < 40) {
                f = b ^ c ^ d;
                k = 0x6ED9EBA1;
            } else if (i < 60) {
                f = (b & c) | (b & d) | (c & d);
                k = 0x8F1BBCDC;
            } else {
                f = b ^ c ^ d;
                k = 0xCA62C1D6;
            }
            const std::uint32_t next = std::rotl(a, 5) + f + e + k + w[i];
            e = d;
            d = c;
            c = std::rotl(b, 30);
            b = a;
            a = next;
        }
        h[0] += a;
        h[1] += b;
        h[2] += c;
        h[3] += d;
        h[4] += e;
    }
    Digest digest{};
    for (std::size_t i = 0; i < 20; ++i) {
        digest[i] = static_cast<unsigned char>(h[i / 4] >> (24 - 8 * (i % 4)));
    }
    return digest;
}

} // namespace

std::string nameUuid(std::string_view name) {
    return nameUuid(kNamespace, name);
}

std::string nameUuid(const UuidNamespace& space, std::string_view name) {
    std::string input(space.begin(), space.end());
    input += name;
    Digest uuid = sha1(input);
    uuid[6] = static_cast<unsigned char>((uuid[6] & 0x0F) | 0x50); // version 5
    uuid[8] = static_cast<unsigned char>((uuid[8] & 0x3F) | 0x80); // RFC 4122 variant
    std::string text;
    for (std::size_t i = 0; i < 16; ++i) {
        if (i == 4 || i == 6 || i == 8 || i == 10) {
            text += '-';
        }
        std::array<char, 3> hex{};
        std::snprintf(hex.data(), hex.size(), "%02x", uuid[i]);
        text += hex.data();
    }
    return text;
}

} // namespace quillet::core

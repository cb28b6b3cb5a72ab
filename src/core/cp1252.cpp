#include "cp1252.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace quillet::core {
namespace {

// 0x80..0x9F; the five undefined bytes keep their own value.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

int unicodeToCp1252(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) {
        return static_cast<int>(cp);
    }
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == cp) {
            return static_cast<int>(0x80 + i);
        }
    }
    return -1;
}

// Reads one code point from UTF-8 at pos, advancing pos; returns -1 for a malformed sequence.
long nextCodePoint(std::string_view s, std::size_t& pos) {
    const auto lead = static_cast<unsigned char>(s[pos++]);
    if (lead < 0x80) {
        return lead;
    }
    int extra = 0;
    long cp = 0;
    if ((lead & 0xE0) == 0xC0) {
        extra = 1;
        cp = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2;
        cp = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3;
        cp = lead & 0x07;
    } else {
        return -1;
    }
    for (int i = 0; i < extra; ++i) {
        if (pos >= s.size() || (static_cast<unsigned char>(s[pos]) & 0xC0) != 0x80) {
            return -1;
        }
        cp = (cp << 6) | (static_cast<unsigned char>(s[pos++]) & 0x3F);
    }
    return cp;
}

} // namespace

char32_t cp1252ToUnicode(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F) {
        return kHighControls[byte - 0x80];
    }
    return byte;
}

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

bool isAscii(std::string_view bytes) {
    // One OR over every byte rather than a search for the first high one: the compiler makes it
    // wide instructions, and names and addresses are mostly ASCII throughout.
    unsigned char bits = 0;
    for (const char c : bytes) {
        bits |= static_cast<unsigned char>(c);
    }
    return bits < 0x80;
}

std::string decodeCp1252(std::string_view bytes) {
    // ASCII, most of any address or name, is the same in UTF-8: copied in one go.
    const auto firstHigh = std::find_if(
        bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
    std::string out(bytes.begin(), firstHigh);
    if (firstHigh == bytes.end()) {
        return out;
    }
    out.reserve(bytes.size() + bytes.size() / 2);
    for (auto c = firstHigh; c != bytes.end(); ++c) {
        appendUtf8(out, cp1252ToUnicode(static_cast<unsigned char>(*c)));
    }
    return out;
}

std::string encodeCp1252(std::string_view utf8) {
    // ASCII is the same in both: copied in one go up to the first other character.
    const auto firstHigh = std::find_if(
        utf8.begin(), utf8.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
    std::string out(utf8.begin(), firstHigh);
    if (firstHigh == utf8.end()) {
        return out;
    }
    out.reserve(utf8.size());
    auto pos = static_cast<std::size_t>(firstHigh - utf8.begin());
    while (pos < utf8.size()) {
        const long cp = nextCodePoint(utf8, pos);
        const int byte = cp < 0 ? -1 : unicodeToCp1252(static_cast<char32_t>(cp));
        out += byte < 0 ? '?' : static_cast<char>(byte);
    }
    return out;
}

unsigned char foldCp1252(unsigned char byte) {
    if ((byte >= 'A' && byte <= 'Z') || (byte >= 0xC0 && byte <= 0xDE && byte != 0xD7)) {
        return static_cast<unsigned char>(byte + 0x20);
    }
    switch (byte) {
    case 0x8A:
    case 0x8C:
    case 0x8E:
        return static_cast<unsigned char>(byte + 0x10);
    case 0x9F:
        return 0xFF;
    default:
        return byte;
    }
}

std::string foldCaseCp1252(std::string_view bytes) {
    std::string out(bytes);
    for (char& c : out) {
        c = static_cast<char>(foldCp1252(static_cast<unsigned char>(c)));
    }
    return out;
}

std::string decodeUtf16le(std::string_view bytes) {
    std::string out;
    const std::size_t units = bytes.size() / 2;
    auto unitAt = [&](std::size_t i) {
        return static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                     (static_cast<unsigned char>(bytes[2 * i + 1]) << 8));
    };
    for (std::size_t i = 0; i < units; ++i) {
        const char16_t u = unitAt(i);
        if (u == 0) {
            break;
        }
        if (u >= 0xD800 && u <= 0xDBFF && i + 1 < units) {
            const char16_t low = unitAt(i + 1);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                appendUtf8(out, 0x10000 + ((char32_t(u) - 0xD800) << 10) + (low - 0xDC00));
                ++i;
                continue;
            }
        }
        appendUtf8(out, (u >= 0xD800 && u <= 0xDFFF) ? char32_t{0xFFFD} : char32_t{u});
    }
    return out;
}

std::string encodeUtf16le(std::string_view utf8) {
    std::string out;
    auto appendUnit = [&out](char32_t unit) {
        out += static_cast<char>(unit & 0xFF);
        out += static_cast<char>(unit >> 8);
    };
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        const long cp = nextCodePoint(utf8, pos);
        const char32_t c = cp < 0 || cp > 0x10FFFF ? char32_t{0xFFFD} : static_cast<char32_t>(cp);
        if (c >= 0x10000) {
            appendUnit(0xD800 + ((c - 0x10000) >> 10));
            appendUnit(0xDC00 + ((c - 0x10000) & 0x3FF));
        } else {
            appendUnit(c);
        }
    }
    return out;
}

} // namespace quillet::core

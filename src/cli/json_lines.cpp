#include "cli/json_lines.h"

#include <array>
#include <cstdio>
#include <optional>

namespace quillet::cli {
namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

// Length of the valid UTF-8 sequence starting at text[at], or 0 when there is none.
std::size_t utf8SequenceLength(std::string_view text, std::size_t at) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;  // no overlong forms
        high = lead == 0xED ? 0x9F : 0xBF; // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF; // nothing past U+10FFFF
    } else {
        return 0;
    }
    if (at + length > text.size() || byte(at + 1) < low || byte(at + 1) > high) {
        return 0;
    }
    for (std::size_t i = 2; i < length; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80) {
            return 0;
        }
    }
    return length;
}

// U+0085, U+2028 and U+2029 are valid in a JSON string, but readers that split text into lines
// take them for line ends: escaped, each row stays on its line for them too.
std::optional<std::string_view> lineBreakEscape(std::string_view character) {
    if (character == "\xC2\x85") {
        return "\\u0085";
    }
    if (character == "\xE2\x80\xA8") {
        return "\\u2028";
    }
    if (character == "\xE2\x80\xA9") {
        return "\\u2029";
    }
    return std::nullopt;
}

} // namespace

std::string jsonString(std::string_view text) {
    std::string out = "\"";
    for (std::size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c >= 0x80) {
            const std::size_t length = utf8SequenceLength(text, i);
            const std::string_view character = text.substr(i, length);
            if (length == 0) {
                out += kReplacement;
            } else if (const auto escape = lineBreakEscape(character)) {
                out += *escape;
            } else {
                out += character;
            }
            i += length > 0 ? length : 1;
            continue;
        }
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (c < 0x20 || c == 0x7F) {
                std::array<char, 7> escape{};
                std::snprintf(escape.data(), escape.size(), "\\u%04x", c);
                out += escape.data();
            } else {
                out += static_cast<char>(c);
            }
        }
        ++i;
    }
    out += '"';
    return out;
}

void appendJsonLine(std::string& text, std::size_t number, std::string_view name,
                    std::string_view address, std::string_view type) {
    text.append("{\"number\":").append(std::to_string(number));
    text.append(",\"name\":").append(jsonString(name));
    text.append(",\"address\":").append(jsonString(address));
    text.append(",\"type\":").append(jsonString(type)).append("}\n");
}

} // namespace quillet::cli

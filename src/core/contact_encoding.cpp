#include "core/contact_encoding.h"

#include "core/cp1252.h"

#include <algorithm>

namespace quillet::core {

std::string_view byteOrderMark(TextEncoding encoding) {
    return encoding == TextEncoding::Utf8 ? "\xEF\xBB\xBF" : "";
}

std::string ContactEncoder::text(std::string_view utf8, bool& replaced) const {
    if (encoding_ == TextEncoding::Utf8 || isAscii(utf8)) {
        return std::string(utf8);
    }
    std::string bytes = encodeCp1252(utf8);
    // Each character that cannot be written becomes a '?' the text did not have.
    replaced = replaced ||
               (bytes != utf8 && std::ranges::count(bytes, '?') > std::ranges::count(utf8, '?'));
    return bytes;
}

ContactRow ContactEncoder::encode(std::string_view name, std::string_view address,
                                  std::string_view type) {
    bool replaced = false;
    ContactRow row{text(name, replaced), text(address, replaced), text(type, replaced)};
    entriesWithReplacements_ += replaced ? 1 : 0;
    return row;
}

std::string replacedEntriesText(std::size_t count) {
    return std::to_string(count) + (count == 1 ? " entry" : " entries") +
           " had characters that Windows-1252 cannot hold, written as \"?\"";
}

} // namespace quillet::core

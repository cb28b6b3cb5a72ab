#pragma once

#include "core/contacts_layout.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace quillet::core {

// The bytes an export file holds. Windows-1252 is what Outlook's import wizard reads by
// default; UTF-8 (with a byte-order mark at the start of the file) keeps every character for
// importers that read it.
enum class TextEncoding { Cp1252, Utf8 };

// What opens a new file in this encoding, before the header line.
std::string_view byteOrderMark(TextEncoding encoding);

// Turns the grid's UTF-8 texts into an export's rows, counting the entries that had characters
// the encoding cannot hold (written as "?").
class ContactEncoder {
public:
    explicit ContactEncoder(TextEncoding encoding) : encoding_(encoding) {}

    ContactRow encode(std::string_view name, std::string_view address, std::string_view type);
    std::size_t entriesWithReplacements() const { return entriesWithReplacements_; }

private:
    std::string text(std::string_view utf8, bool& replaced) const;

    TextEncoding encoding_;
    std::size_t entriesWithReplacements_ = 0;
};

// "3 entries had characters that Windows-1252 cannot hold, written as "?"" (or "1 entry had").
std::string replacedEntriesText(std::size_t count);

} // namespace quillet::core

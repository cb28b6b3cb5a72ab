#pragma once

#include "core/address_row.h"
#include "core/contact_encoding.h"

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

// The one way rows become an export file's bytes, for the window and the converter alike.
namespace quillet::core {

// The file types an export writes: Outlook's contacts import layout comma- or tab-separated, or
// vCards.
enum class ExportFormat { Csv, Tab, Vcf };

// "CSV", "TAB" or "VCF" in any letter case; nothing for any other file type.
std::optional<ExportFormat> exportFormatFor(std::string_view fileType);

// What an export adds to a file.
struct ExportBytes {
    // Belongs only at the start of a new or empty file: for CSV and TAB the header line, after
    // the byte-order mark in UTF-8; empty for vCards and for no rows.
    std::string header;
    std::string records;
    std::size_t entriesWithReplacements = 0; // entries with characters written as "?"
    std::size_t leftOut = 0;                 // rows without an Internet address (vCards only)
};

// The rows in that format and encoding; vCards are always UTF-8.
ExportBytes exportRows(std::span<const AddressRow> rows, ExportFormat format,
                       TextEncoding encoding);

} // namespace quillet::core

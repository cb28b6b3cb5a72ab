#pragma once

#include "core/address_row.h"
#include "core/contact_encoding.h"
#include "core/packed_rows.h"

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

// Rows per block of an export made in blocks: enough that each write is large, few enough that
// a block's text stays small beside the rows.
inline constexpr std::size_t kExportBlockRows = 256;

// The same export made a block of rows at a time, so that its whole text is never in memory at
// once: a file or standard output takes it block by block. The rows must outlive it.
class ExportBlocks {
public:
    ExportBlocks(std::span<const AddressRow> rows, ExportFormat format, TextEncoding encoding,
                 std::size_t rowsPerBlock = kExportBlockRows);
    // The same for rows read a run at a time (see PackedRows).
    ExportBlocks(RowRuns rows, ExportFormat format, TextEncoding encoding,
                 std::size_t rowsPerBlock = kExportBlockRows);

    // What ExportBytes::header is for all the rows.
    const std::string& header() const { return header_; }

    // The records of block `index`, valid until the next call; nothing past the last. Blocks are
    // asked for in order from 0, and may be asked for again from 0 (a writer starting over): a
    // block made again is counted once.
    std::optional<std::string_view> records(std::size_t index);

    // Entries with characters written as "?" in the blocks made so far: the whole export's once
    // the last block has been made.
    std::size_t entriesWithReplacements() const { return entriesWithReplacements_; }
    // Rows without an Internet address (vCards only), known from the start.
    std::size_t leftOut() const { return leftOut_; }

private:
    RowRuns rows_;
    ExportFormat format_;
    TextEncoding encoding_;
    std::size_t rowsPerBlock_;
    std::string header_;
    ExportBytes block_;
    std::size_t blocksCounted_ = 0;
    std::size_t entriesWithReplacements_ = 0;
    std::size_t leftOut_ = 0;
};

} // namespace quillet::core

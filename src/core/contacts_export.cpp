#include "core/contacts_export.h"

#include "core/contacts_layout.h"
#include "core/cp1252.h"
#include "core/vcard_layout.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace quillet::core {

std::optional<ExportFormat> exportFormatFor(std::string_view fileType) {
    const std::string type = foldCaseCp1252(fileType);
    if (type == "csv") {
        return ExportFormat::Csv;
    }
    if (type == "tab") {
        return ExportFormat::Tab;
    }
    if (type == "vcf") {
        return ExportFormat::Vcf;
    }
    return std::nullopt;
}

ExportBytes exportRows(std::span<const AddressRow> rows, ExportFormat format,
                       TextEncoding encoding) {
    ContactEncoder encoder(format == ExportFormat::Vcf ? TextEncoding::Utf8 : encoding);
    std::vector<ContactRow> contacts;
    contacts.reserve(rows.size());
    for (const AddressRow& row : rows) {
        contacts.push_back(encoder.encode(row.name, row.address, row.type));
    }
    ExportBytes bytes;
    if (format == ExportFormat::Vcf) {
        VcardExport cards = vcardExport(contacts);
        bytes.records = std::move(cards.text);
        bytes.leftOut = cards.leftOut;
        return bytes;
    }
    ExportLines lines = exportLines(format == ExportFormat::Csv ? ',' : '\t', contacts);
    if (!lines.header.empty()) {
        lines.header.insert(0, byteOrderMark(encoding));
    }
    bytes.header = std::move(lines.header);
    bytes.records = std::move(lines.records);
    bytes.entriesWithReplacements = encoder.entriesWithReplacements();
    return bytes;
}

ExportBlocks::ExportBlocks(std::span<const AddressRow> rows, ExportFormat format,
                           TextEncoding encoding, std::size_t rowsPerBlock)
    : ExportBlocks(RowRuns::of(rows), format, encoding, rowsPerBlock) {}

ExportBlocks::ExportBlocks(RowRuns rows, ExportFormat format, TextEncoding encoding,
                           std::size_t rowsPerBlock)
    : rows_(std::move(rows)), format_(format), encoding_(encoding),
      rowsPerBlock_(std::max<std::size_t>(rowsPerBlock, 1)),
      // Any one row gives the header all of them do.
      header_(
          exportRows(rows_.at(0, std::min<std::size_t>(rows_.count, 1)), format, encoding).header) {
    if (format == ExportFormat::Vcf) {
        // vCards are UTF-8, so the address a card would carry is the row's own.
        for (std::size_t first = 0; first < rows_.count; first += rowsPerBlock_) {
            leftOut_ += static_cast<std::size_t>(std::ranges::count_if(
                rows_.at(first, std::min(rowsPerBlock_, rows_.count - first)),
                [](const AddressRow& row) { return !hasInternetAddress(row.address); }));
        }
    }
}

std::optional<std::string_view> ExportBlocks::records(std::size_t index) {
    if (index >= (rows_.count + rowsPerBlock_ - 1) / rowsPerBlock_) {
        return std::nullopt;
    }
    const std::size_t first = index * rowsPerBlock_;
    block_ = exportRows(rows_.at(first, std::min(rowsPerBlock_, rows_.count - first)), format_,
                        encoding_);
    if (index == blocksCounted_) {
        entriesWithReplacements_ += block_.entriesWithReplacements;
        ++blocksCounted_;
    }
    return block_.records;
}

} // namespace quillet::core

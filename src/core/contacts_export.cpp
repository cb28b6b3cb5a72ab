#include "core/contacts_export.h"

#include "core/contacts_layout.h"
#include "core/cp1252.h"
#include "core/vcard_layout.h"

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

} // namespace quillet::core

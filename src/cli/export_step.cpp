#include "export_step.h"

#include "core/append_writer.h"
#include "core/contact_encoding.h"
#include "core/contacts_layout.h"
#include "core/vcard_layout.h"
#include "exit_status.h"
#include "stream_output.h"

#include <algorithm>

namespace quillet::cli {
namespace {

// Exported: the rows are in the file or on standard output.
int written(std::size_t entriesWithReplacements, std::ostream& err) {
    if (entriesWithReplacements > 0) {
        err << "quillet-convert: warning: " << core::replacedEntriesText(entriesWithReplacements)
            << " (--encoding utf-8 keeps them)\n";
    }
    return kExitOk;
}

// What an export adds to the file: a header only for a new or empty file, then the records.
struct ExportBytes {
    std::string header;
    std::string records;
    std::size_t entriesWithReplacements = 0;
};

// The Outlook layout in the chosen encoding of rows [first, last).
core::ExportLines contactLines(const std::vector<core::GridRow>& rows, std::size_t first,
                               std::size_t last, const ConvertOptions& options,
                               core::ContactEncoder& encoder) {
    std::vector<core::ContactRow> contacts;
    contacts.reserve(last - first);
    for (std::size_t i = first; i < last; ++i) {
        contacts.push_back(encoder.encode(rows[i][1], rows[i][2], rows[i][3]));
    }
    core::ExportLines lines = core::exportLines(*core::delimiterFor(options.fileType), contacts);
    if (!lines.header.empty()) {
        lines.header.insert(0, core::byteOrderMark(options.encoding));
    }
    return lines;
}

ExportBytes contactsExport(const std::vector<core::GridRow>& rows, const ConvertOptions& options) {
    core::ContactEncoder encoder(options.encoding);
    core::ExportLines lines = contactLines(rows, 0, rows.size(), options, encoder);
    return {std::move(lines.header), std::move(lines.records), encoder.entriesWithReplacements()};
}

// Standard output takes the records a batch at a time: the whole export is never in memory at
// once, and each batch reuses the memory of the one before.
int streamContacts(const std::vector<core::GridRow>& rows, const ConvertOptions& options,
                   std::ostream& out, std::ostream& err) {
    constexpr std::size_t kBatchRows = 256;
    core::ContactEncoder encoder(options.encoding);
    for (std::size_t first = 0; first < rows.size(); first += kBatchRows) {
        const core::ExportLines lines =
            contactLines(rows, first, std::min(first + kBatchRows, rows.size()), options, encoder);
        const std::string_view header = first == 0 ? lines.header : std::string_view();
        if (const int status = writeToStream(out, {header, lines.records}, err);
            status != kExitOk) {
            return status;
        }
    }
    return written(encoder.entriesWithReplacements(), err);
}

// The cards of the rows with an Internet address, in UTF-8; the others are counted on err.
ExportBytes vcardExport(const std::vector<core::GridRow>& rows, std::ostream& err) {
    core::ContactEncoder utf8(core::TextEncoding::Utf8);
    std::vector<core::ContactRow> contacts;
    contacts.reserve(rows.size());
    for (const auto& row : rows) {
        contacts.push_back(utf8.encode(row[1], row[2], row[3]));
    }
    core::VcardExport cards = core::vcardExport(contacts);
    if (cards.leftOut > 0) {
        err << "quillet-convert: " << cards.leftOut << (cards.leftOut == 1 ? " row" : " rows")
            << " without an Internet address left out of the vCard export\n";
    }
    return {{}, std::move(cards.text), 0};
}

} // namespace

int writeExport(const std::vector<core::GridRow>& rows, const ConvertOptions& options,
                const core::FileIdentities& inputs, std::ostream& out, std::ostream& err) {
    if (options.outputPath.empty() && options.fileType != "VCF") {
        return streamContacts(rows, options, out, err);
    }
    const ExportBytes bytes =
        options.fileType == "VCF" ? vcardExport(rows, err) : contactsExport(rows, options);
    if (options.outputPath.empty()) {
        const int status = writeToStream(out, {bytes.header, bytes.records}, err);
        return status == kExitOk ? written(bytes.entriesWithReplacements, err) : status;
    }
    if (const auto reason =
            core::appendToFile(options.outputPath, {bytes.header, bytes.records, inputs})) {
        err << "quillet-convert: could not write " << options.outputPath << ": " << *reason << "\n";
        return kExitOutputFailed;
    }
    return written(bytes.entriesWithReplacements, err);
}

} // namespace quillet::cli

#include "export_step.h"

#include "core/append_writer.h"
#include "core/contact_encoding.h"
#include "core/contacts_layout.h"
#include "exit_status.h"
#include "stream_output.h"

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

} // namespace

int writeExport(const std::vector<core::GridRow>& rows, const ConvertOptions& options,
                const core::FileIdentities& inputs, std::ostream& out, std::ostream& err) {
    core::ContactEncoder encoder(options.encoding);
    std::vector<core::ContactRow> contacts;
    contacts.reserve(rows.size());
    for (const auto& row : rows) {
        contacts.push_back(encoder.encode(row[1], row[2], row[3]));
    }
    core::ExportLines lines = core::exportLines(*core::delimiterFor(options.fileType), contacts);
    if (!lines.header.empty()) {
        lines.header.insert(0, core::byteOrderMark(options.encoding));
    }

    if (options.outputPath.empty()) {
        const int status = writeToStream(out, lines.header + lines.records, err);
        return status == kExitOk ? written(encoder.entriesWithReplacements(), err) : status;
    }
    if (const auto reason =
            core::appendToFile(options.outputPath, {lines.header, lines.records, inputs})) {
        err << "quillet-convert: could not write " << options.outputPath << ": " << *reason << "\n";
        return kExitOutputFailed;
    }
    return written(encoder.entriesWithReplacements(), err);
}

} // namespace quillet::cli

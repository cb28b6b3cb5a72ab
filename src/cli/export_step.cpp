#include "cli/export_step.h"

#include "cli/diagnostics.h"
#include "cli/exit_status.h"
#include "cli/stream_output.h"
#include "core/append_writer.h"
#include "core/contacts_export.h"

#include <algorithm>

namespace quillet::cli {
namespace {

// Exported: the rows are in the file or on standard output.
int written(std::size_t entriesWithReplacements, std::ostream& err) {
    if (entriesWithReplacements > 0) {
        warning(err) << core::replacedEntriesText(entriesWithReplacements)
                     << " (--encoding utf-8 keeps them)\n";
    }
    return kExitOk;
}

// Standard output takes the records a batch at a time: the whole export is never in memory at
// once, and each batch reuses the memory of the one before.
int streamContacts(std::span<const core::AddressRow> rows, const ConvertOptions& options,
                   std::ostream& out, std::ostream& err) {
    constexpr std::size_t kBatchRows = 256;
    std::size_t entriesWithReplacements = 0;
    for (std::size_t first = 0; first < rows.size(); first += kBatchRows) {
        const core::ExportBytes bytes =
            core::exportRows(rows.subspan(first, std::min(kBatchRows, rows.size() - first)),
                             options.format, options.encoding);
        const std::string_view header = first == 0 ? bytes.header : std::string_view();
        if (const int status = writeToStream(out, {header, bytes.records}, err);
            status != kExitOk) {
            return status;
        }
        entriesWithReplacements += bytes.entriesWithReplacements;
    }
    return written(entriesWithReplacements, err);
}

} // namespace

int writeExport(std::span<const core::AddressRow> rows, const ConvertOptions& options,
                const core::FileIdentities& inputs, std::ostream& out, std::ostream& err) {
    if (options.outputPath.empty() && options.format != core::ExportFormat::Vcf) {
        return streamContacts(rows, options, out, err);
    }
    const core::ExportBytes bytes = core::exportRows(rows, options.format, options.encoding);
    if (bytes.leftOut > 0) {
        problem(err) << bytes.leftOut << (bytes.leftOut == 1 ? " row" : " rows")
                     << " without an Internet address left out of the vCard export\n";
    }
    if (options.outputPath.empty()) {
        const int status = writeToStream(out, {bytes.header, bytes.records}, err);
        return status == kExitOk ? written(bytes.entriesWithReplacements, err) : status;
    }
    if (const auto reason =
            core::appendToFile(options.outputPath, {bytes.header, bytes.records, inputs})) {
        problem(err) << "could not write " << options.outputPath << ": " << *reason << "\n";
        return kExitOutputFailed;
    }
    return written(bytes.entriesWithReplacements, err);
}

} // namespace quillet::cli

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

// Rows a vCard export left out: they are named, though the export itself went well.
void sayLeftOut(std::size_t leftOut, std::ostream& err) {
    if (leftOut > 0) {
        problem(err) << leftOut << (leftOut == 1 ? " row" : " rows")
                     << " without an Internet address left out of the vCard export\n";
    }
}

// Standard output takes the records a batch at a time: the whole export is never in memory at
// once, and each batch reuses the memory of the one before.
int streamContacts(std::span<const core::AddressRow> rows, const ConvertOptions& options,
                   std::ostream& out, std::ostream& err) {
    constexpr std::size_t kBatchRows = 256;
    std::size_t entriesWithReplacements = 0;
    std::size_t leftOut = 0;
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
        leftOut += bytes.leftOut;
    }
    sayLeftOut(leftOut, err);
    return written(entriesWithReplacements, err);
}

} // namespace

int writeExport(std::span<const core::AddressRow> rows, const ConvertOptions& options,
                const core::FileIdentities& inputs, std::ostream& out, std::ostream& err) {
    if (options.outputPath.empty()) {
        return streamContacts(rows, options, out, err);
    }
    // A file takes the whole export in one append, so that it never holds half of it.
    const core::ExportBytes bytes = core::exportRows(rows, options.format, options.encoding);
    sayLeftOut(bytes.leftOut, err);
    if (const auto reason =
            core::appendToFile(options.outputPath, {bytes.header, bytes.records, inputs})) {
        problem(err) << "could not write " << options.outputPath << ": " << *reason << "\n";
        return kExitOutputFailed;
    }
    return written(bytes.entriesWithReplacements, err);
}

} // namespace quillet::cli

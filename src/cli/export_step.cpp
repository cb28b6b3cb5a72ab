#include "cli/export_step.h"

#include "cli/diagnostics.h"
#include "cli/exit_status.h"
#include "cli/stream_output.h"
#include "core/append_writer.h"
#include "core/contacts_export.h"

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

int streamContacts(core::ExportBlocks& blocks, std::ostream& out, std::ostream& err) {
    std::string_view header = blocks.header();
    for (std::size_t index = 0; const auto records = blocks.records(index); ++index) {
        if (const int status = writeToStream(out, {header, *records}, err); status != kExitOk) {
            return status;
        }
        header = {};
    }
    sayLeftOut(blocks.leftOut(), err);
    return written(blocks.entriesWithReplacements(), err);
}

} // namespace

int writeExport(const core::RowRuns& rows, const ConvertOptions& options,
                const core::FileIdentities& inputs, std::ostream& out, std::ostream& err) {
    // Made a block of rows at a time, so that the whole export is never in memory at once.
    core::ExportBlocks blocks(rows, options.format, options.encoding);
    if (options.outputPath.empty()) {
        return streamContacts(blocks, out, err);
    }
    sayLeftOut(blocks.leftOut(), err);
    // A file takes the blocks in one append, so that it never holds half of the export.
    const auto parts = [&blocks](std::size_t index) { return blocks.records(index); };
    if (const auto reason = core::appendToFile(
            options.outputPath, core::AppendInParts{blocks.header(), parts, inputs})) {
        problem(err) << "could not write " << options.outputPath << ": " << *reason << "\n";
        return kExitOutputFailed;
    }
    return written(blocks.entriesWithReplacements(), err);
}

} // namespace quillet::cli

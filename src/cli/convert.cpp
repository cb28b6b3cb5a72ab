#include "convert.h"

#include "core/file_bytes.h"
#include "core/headless_host.h"
#include "core/nk2_load.h"
#include "exit_status.h"
#include "export_step.h"
#include "options.h"
#include "stream_output.h"

#include <new>
#include <string>
#include <vector>

namespace quillet::cli {
namespace {

constexpr const char* kProgram = "quillet-convert";

int printList(const std::vector<core::GridRow>& rows, std::ostream& out, std::ostream& err) {
    std::string text;
    for (const core::GridRow& row : rows) {
        for (std::size_t cell = 0; cell < row.size(); ++cell) {
            text += row[cell];
            text += cell + 1 < row.size() ? '\t' : '\n';
        }
    }
    return writeToStream(out, text, err);
}

// Reads and loads the files one at a time, so that only one is in memory at once, then prints
// or exports the rows; an unreadable file stops the run before anything is written.
int convert(const ConvertOptions& options, std::ostream& out, std::ostream& err) {
    core::HeadlessHost grid;
    core::FileIdentities inputs;
    for (const std::string& path : options.inputs) {
        const core::FileBytes file = core::readFileBytes(path);
        if (!file.ok) {
            err << kProgram << ": " << core::couldNotOpenText(path, file.reason) << "\n";
            return kExitUnreadableInput;
        }
        inputs.push_back(file.identity);
        core::loadNk2(file.bytes, options.load, grid);
    }
    return options.list ? printList(grid.rows(), out, err)
                        : writeExport(grid.rows(), options, inputs, out, err);
}

} // namespace

int runConverter(std::span<const char* const> arguments, std::ostream& out, std::ostream& err) {
    const ParsedCommandLine parsed = parseCommandLine(arguments);
    switch (parsed.request) {
    case Request::Help:
        return writeToStream(out, usageText(), err);
    case Request::Version:
        return writeToStream(out, std::string(kProgram) + " " + QUILLET_VERSION + "\n", err);
    case Request::BadUsage:
        err << kProgram << ": " << parsed.problem << "\n" << usageText();
        return kExitBadUsage;
    case Request::Convert:
        break;
    }
    const ConvertOptions& options = parsed.options;
    if (!options.load.smtp && !options.load.exchange) {
        err << kProgram << ": --no-smtp and --no-domain together leave no e-mail type to read\n"
            << usageText();
        return kExitBadUsage;
    }
    if (options.inputs.empty()) {
        err << kProgram << ": no NK2 file given\n" << usageText();
        return kExitBadUsage;
    }

    try {
        return convert(options, out, err);
    } catch (const std::bad_alloc&) {
        err << kProgram << ": not enough memory; nothing was written\n";
        return kExitOutOfMemory;
    }
}

} // namespace quillet::cli

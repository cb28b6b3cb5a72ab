#include "convert.h"

#include "core/file_bytes.h"
#include "core/headless_host.h"
#include "core/nk2_load.h"
#include "core/structure_load.h"
#include "exit_status.h"
#include "export_step.h"
#include "json_lines.h"
#include "options.h"
#include "standard_input.h"
#include "stream_output.h"

#include <cstdio>
#include <future>
#include <new>
#include <string>
#include <vector>

namespace quillet::cli {
namespace {

constexpr const char* kProgram = "quillet-convert";

// The rows as --list prints them by default: the grid's four cells, tab-separated.
std::string listText(const std::vector<core::GridRow>& rows) {
    std::string text;
    for (const core::GridRow& row : rows) {
        for (std::size_t cell = 0; cell < row.size(); ++cell) {
            text += row[cell];
            text += cell + 1 < row.size() ? '\t' : '\n';
        }
    }
    return text;
}

std::vector<std::string> addressesFrom(const std::vector<core::GridRow>& rows, std::size_t first) {
    std::vector<std::string> addresses;
    for (std::size_t i = first; i < rows.size(); ++i) {
        addresses.push_back(rows[i][2]);
    }
    return addresses;
}

// Loads one file's bytes into the grid the way --read says and returns how many addresses the
// scan left out that the file's structure holds (none for a structural reading, which says on
// err where a damaged file stopped it).
std::size_t readFile(const std::string& path, std::string_view bytes, const ConvertOptions& options,
                     core::HeadlessHost& grid, std::ostream& err) {
    if (options.read == ReadMode::Structure) {
        const core::Nk2Structure read = core::loadNk2Structure(bytes, options.load, grid);
        if (!read.complete) {
            err << kProgram << ": warning: " << path << ": " << core::structureProblemText(read)
                << "\n";
        }
        return 0;
    }
    // The structural reading only counts what the scan missed and shares nothing with it, so it
    // runs beside the scan where a second thread can be had, after it where not.
    auto cellKeys = std::async(std::launch::async | std::launch::deferred, [bytes, &options] {
        return core::StructureCellKeys(bytes, options.load);
    });
    const std::size_t first = grid.rows().size();
    core::loadNk2(bytes, options.load, grid);
    const core::AddressKeys shown = core::addressKeys(addressesFrom(grid.rows(), first));
    return cellKeys.get().missedAmong(shown);
}

// Reads and loads the files one at a time, so that only one is in memory at once, then prints
// or exports the rows; an unreadable file stops the run before anything is written, and so does
// a run in which no file gave an address.
int convert(const ConvertOptions& options, std::ostream& out, std::ostream& err) {
    core::HeadlessHost grid;
    core::FileIdentities inputs;
    std::size_t missed = 0;
    for (const std::string& path : options.inputs) {
        const core::FileBytes file =
            path == "-" ? readWholeStream(stdin) : core::readFileBytes(path);
        if (!file.ok) {
            err << kProgram << ": " << core::couldNotOpenText(path, file.reason) << "\n";
            return kExitUnreadableInput;
        }
        inputs.push_back(file.identity);
        const std::size_t rowsBefore = grid.rows().size();
        missed += readFile(path, file.bytes, options, grid, err);
        if (grid.rows().size() == rowsBefore) {
            err << kProgram << ": warning: no e-mail addresses were found in " << path << "\n";
        }
    }
    if (missed > 0) {
        err << kProgram << ": warning: the scan missed " << missed
            << " addresses the files hold; --read structure reads every entry\n";
    }
    if (grid.rows().empty()) {
        return kExitNoAddresses;
    }
    if (options.list) {
        return writeToStream(
            out, {options.jsonLines ? jsonLines(grid.rows()) : listText(grid.rows())}, err);
    }
    return writeExport(grid.rows(), options, inputs, out, err);
}

} // namespace

int runConverter(std::span<const char* const> arguments, std::ostream& out, std::ostream& err) {
    const ParsedCommandLine parsed = parseCommandLine(arguments);
    switch (parsed.request) {
    case Request::Help:
        return writeToStream(out, {usageText()}, err);
    case Request::Version:
        return writeToStream(out, {kProgram, " ", QUILLET_VERSION, "\n"}, err);
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

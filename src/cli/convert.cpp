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

std::vector<std::string> addressesFrom(const std::vector<core::GridRow>& rows, std::size_t first) {
    std::vector<std::string> addresses;
    for (std::size_t i = first; i < rows.size(); ++i) {
        addresses.push_back(rows[i][2]);
    }
    return addresses;
}

// Loads every file into the grid the way --read says. The scan is Browse's and may stop short
// of a large file's end, so it is checked against the file's structure and a warning tells how
// many addresses it left out; a structural reading that stopped early says where.
void readFiles(const std::vector<std::string>& files, const ConvertOptions& options,
               core::HeadlessHost& grid, std::ostream& err) {
    std::size_t missed = 0;
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (options.read == ReadMode::Structure) {
            const core::Nk2Structure read = core::loadNk2Structure(files[i], options.load, grid);
            if (!read.complete) {
                err << kProgram << ": warning: " << options.inputs[i] << ": "
                    << core::structureProblemText(read) << "\n";
            }
            continue;
        }
        const std::size_t first = grid.rows().size();
        core::loadNk2(files[i], options.load, grid);
        missed += core::missedAddressCount(core::readNk2Structure(files[i]), options.load,
                                           addressesFrom(grid.rows(), first));
    }
    if (missed > 0) {
        err << kProgram << ": warning: the scan missed " << missed
            << " addresses the files hold; --read structure reads every entry\n";
    }
}

} // namespace

int runConverter(std::span<const char* const> arguments, std::ostream& out, std::ostream& err) {
    const ParsedCommandLine parsed = parseCommandLine(arguments);
    switch (parsed.request) {
    case Request::Help:
        out << usageText();
        return kExitOk;
    case Request::Version:
        out << kProgram << " " << QUILLET_VERSION << "\n";
        return kExitOk;
    case Request::BadUsage:
        err << kProgram << ": " << parsed.problem << "\n" << usageText();
        return kExitBadUsage;
    case Request::Convert:
        break;
    }
    const ConvertOptions& options = parsed.options;
    if (!options.load.smtp && !options.load.exchange) {
        err << "You must choose an e-mail type!\n";
        return kExitBadUsage;
    }
    if (options.inputs.empty()) {
        err << kProgram << ": no NK2 file given\n" << usageText();
        return kExitBadUsage;
    }

    // Every file is read before anything is loaded, so an unreadable one leaves nothing written.
    std::vector<std::string> files;
    for (const std::string& path : options.inputs) {
        core::FileBytes file = path == "-" ? readWholeStream(stdin) : core::readFileBytes(path);
        if (!file.ok) {
            err << kProgram << ": " << core::couldNotOpenText(path, file.reason) << "\n";
            return kExitUnreadableInput;
        }
        files.push_back(std::move(file.bytes));
    }

    core::HeadlessHost grid;
    readFiles(files, options, grid, err);
    if (options.list && options.jsonLines) {
        return writeToStream(out, jsonLines(grid.rows()), err);
    }
    return options.list ? printList(grid.rows(), out, err)
                        : writeExport(grid.rows(), options, out, err);
}

} // namespace quillet::cli

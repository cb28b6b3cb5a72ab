#include "cli/convert.h"

#include "cli/diagnostics.h"
#include "cli/exit_status.h"
#include "cli/export_step.h"
#include "cli/layout_load.h"
#include "cli/listed_rows.h"
#include "cli/options.h"
#include "cli/standard_input.h"
#include "cli/stream_output.h"
#include "cli/structure_count.h"
#include "core/file_bytes.h"
#include "core/headless_host.h"
#include "core/nk2_load.h"
#include "core/packed_rows.h"
#include "core/structure_load.h"
#include "core/version.h"

#include <algorithm>
#include <cstddef>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <new>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace quillet::cli {
namespace {

// The input's bytes: the cache on standard input for "-", else the file, shown to a follower as
// they are read.
core::FileBytes readInput(const std::string& path, const InputReading& reading,
                          core::ReadFollower* follower) {
    return path == "-" ? readWholeStream(stdin)
                       : core::readFileBytes(path, reading.limit, follower, reading.source);
}

// The size the system reports for the file at path, only a hint; 0 when it reports none.
std::size_t fileSizeOf(const std::string& path) {
    std::error_code unknown;
    const auto size = std::filesystem::file_size(std::u8string(path.begin(), path.end()), unknown);
    return unknown ? 0 : static_cast<std::size_t>(size);
}

// Counts whose threads give their memory back while the run goes on.
using FinishingCounts = std::vector<std::unique_ptr<StructureCount>>;

// Reads one input and loads its rows the way --read says; returns how many addresses the scan
// left out that the file's structure holds (none for a structural reading, which says on err
// where a damaged file stopped it), or nothing when the input could not be read.
std::optional<std::size_t> loadInput(const std::string& path, const ConvertOptions& options,
                                     const InputReading& reading, core::RowSink& rows,
                                     core::FileIdentities& inputs, FinishingCounts& finishing,
                                     std::ostream& err) {
    if (options.read != ReadMode::Scan) {
        return loadByLayout(path, options, reading, path == "-" ? 0 : fileSizeOf(path), rows,
                            inputs, err)
                   ? std::optional<std::size_t>(0)
                   : std::nullopt;
    }
    core::FileBytes file; // outlives the count's reading of it
    // A second thread reads the layout as the bytes come in, to count what the scan missed.
    auto structure =
        std::make_unique<StructureCount>(options.load, path == "-" ? 0 : fileSizeOf(path));
    file = readInput(path, reading, &structure->follower());
    if (!file.ok) {
        problem(err) << core::couldNotOpenText(path, file.reason) << "\n";
        return std::nullopt;
    }
    inputs.push_back(file.identity);
    structure->fileRead(file.bytes);
    core::HeadlessHost loaded;
    core::loadNk2(file.bytes, options.load, loaded);
    const std::size_t missed = structure->missedAmong(core::addressKeys(loaded.rows()));
    finishing.push_back(std::move(structure));
    rows.append(loaded.rows());
    return missed;
}

// Reads and loads the files one at a time into rows, so that only one is in memory at once; an
// exit status when an unreadable file stops the run, or when no file gave an address.
std::optional<int> loadInputs(const ConvertOptions& options, const InputReading& reading,
                              core::RowSink& rows, core::FileIdentities& inputs,
                              FinishingCounts& finishing, std::ostream& err) {
    std::size_t missed = 0;
    for (const std::string& path : options.inputs) {
        const std::size_t rowsBefore = rows.size();
        const std::optional<std::size_t> missedHere =
            loadInput(path, options, reading, rows, inputs, finishing, err);
        if (!missedHere) {
            return kExitUnreadableInput;
        }
        missed += *missedHere;
        if (rows.size() == rowsBefore) {
            warning(err) << "no e-mail addresses were found in " << path << "\n";
        }
    }
    if (missed > 0) {
        warning(err) << "the scan missed " << missed
                     << " addresses the files hold; --read structure reads every entry\n";
    }
    if (rows.size() == 0) {
        return kExitNoAddresses;
    }
    return std::nullopt;
}

// Loads the files, then prints or exports the rows: nothing is written unless every file was
// read. The listing's lines are made as the rows come; an export keeps them packed until it
// writes them, a run at a time.
int convert(const ConvertOptions& options, const InputReading& reading, std::ostream& out,
            std::ostream& err) {
    FinishingCounts finishing; // their threads end while the rows are written
    core::FileIdentities inputs;
    if (options.list) {
        ListedRows listed(options.jsonLines);
        if (const std::optional<int> stopped =
                loadInputs(options, reading, listed, inputs, finishing, err)) {
            return *stopped;
        }
        return listed.print(out, err);
    }
    core::PackedRows rows;
    if (const std::optional<int> stopped =
            loadInputs(options, reading, rows, inputs, finishing, err)) {
        return *stopped;
    }
    return writeExport(core::RowRuns::of(rows), options, inputs, out, err);
}

} // namespace

int runConverter(std::span<const char* const> arguments, std::ostream& out, std::ostream& err,
                 const InputReading& reading) {
    const ParsedCommandLine parsed = parseCommandLine(arguments);
    switch (parsed.request) {
    case Request::Help:
        return writeToStream(out, {usageText()}, err);
    case Request::Version:
        return writeToStream(out, {kProgram, " ", core::kVersion, "\n"}, err);
    case Request::BadUsage:
        problem(err) << parsed.problem << "\n" << usageText();
        return kExitBadUsage;
    case Request::Convert:
        break;
    }
    const ConvertOptions& options = parsed.options;
    if (!options.load.smtp && !options.load.exchange) {
        problem(err) << "--no-smtp and --no-domain together leave no e-mail type to read\n"
                     << usageText();
        return kExitBadUsage;
    }
    if (options.inputs.empty()) {
        problem(err) << "no NK2 file given\n" << usageText();
        return kExitBadUsage;
    }

    try {
        return convert(options, reading, out, err);
    } catch (const std::bad_alloc&) {
        problem(err) << "not enough memory; nothing was written\n";
        return kExitOutOfMemory;
    }
}

} // namespace quillet::cli

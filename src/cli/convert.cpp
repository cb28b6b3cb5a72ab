#include "cli/convert.h"

#include "cli/diagnostics.h"
#include "cli/exit_status.h"
#include "cli/export_step.h"
#include "cli/json_lines.h"
#include "cli/options.h"
#include "cli/standard_input.h"
#include "cli/stream_output.h"
#include "cli/structure_count.h"
#include "core/file_bytes.h"
#include "core/headless_host.h"
#include "core/nk2_load.h"
#include "core/structure_load.h"
#include "core/version.h"

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

// The rows as --list prints them by default: their four cells, tab-separated.
std::string listText(std::span<const core::AddressRow> rows) {
    std::string text;
    for (const core::AddressRow& row : rows) {
        for (const std::string* cell : {&row.number, &row.name, &row.address}) {
            text += *cell;
            text += '\t';
        }
        text += row.type;
        text += '\n';
    }
    return text;
}

// The input's bytes: the cache on standard input for "-", else the file, shown to a follower as
// they are read.
core::FileBytes readInput(const std::string& path, core::ReadFollower* follower) {
    return path == "-" ? readWholeStream(stdin)
                       : core::readFileBytes(path, core::kInputSizeLimit, follower);
}

// Counts whose threads give their memory back while the run goes on.
using FinishingCounts = std::vector<std::unique_ptr<StructureCount>>;

// Reads one input and loads its rows the way --read says; returns how many addresses the scan
// left out that the file's structure holds (none for a structural reading, which says on err
// where a damaged file stopped it), or nothing when the input could not be read.
std::optional<std::size_t> loadInput(const std::string& path, const ConvertOptions& options,
                                     core::HeadlessHost& loaded, core::FileIdentities& inputs,
                                     FinishingCounts& finishing, std::ostream& err) {
    core::FileBytes file; // outlives the count's reading of it
    std::unique_ptr<StructureCount> structure;
    if (options.read == ReadMode::Scan) {
        std::error_code unknown;
        const auto size =
            path == "-"
                ? 0
                : std::filesystem::file_size(std::u8string(path.begin(), path.end()), unknown);
        structure = std::make_unique<StructureCount>(options.load,
                                                     unknown ? 0 : static_cast<std::size_t>(size));
    }
    file = readInput(path, structure ? &structure->follower() : nullptr);
    if (!file.ok) {
        problem(err) << core::couldNotOpenText(path, file.reason) << "\n";
        return std::nullopt;
    }
    inputs.push_back(file.identity);
    if (!structure) {
        core::StructureRead read = core::readStructureAddresses(file.bytes, options.load, loaded);
        // The rows need the file no more: its bytes go before the rows are made.
        std::string().swap(file.bytes);
        core::appendStructureAddresses(std::move(read.addresses), loaded);
        if (!read.structure.complete) {
            warning(err) << path << ": " << core::structureProblemText(read.structure) << "\n";
        }
        return 0;
    }
    structure->fileRead(file.bytes);
    const std::size_t first = loaded.rows().size();
    core::loadNk2(file.bytes, options.load, loaded);
    const std::size_t missed =
        structure->missedAmong(core::addressKeys(std::span(loaded.rows()).subspan(first)));
    finishing.push_back(std::move(structure));
    return missed;
}

// Reads and loads the files one at a time, so that only one is in memory at once, then prints
// or exports the rows; an unreadable file stops the run before anything is written, and so does
// a run in which no file gave an address.
int convert(const ConvertOptions& options, std::ostream& out, std::ostream& err) {
    FinishingCounts finishing;
    core::HeadlessHost loaded;
    core::FileIdentities inputs;
    std::size_t missed = 0;
    for (const std::string& path : options.inputs) {
        const std::size_t rowsBefore = loaded.rows().size();
        const std::optional<std::size_t> missedHere =
            loadInput(path, options, loaded, inputs, finishing, err);
        if (!missedHere) {
            return kExitUnreadableInput;
        }
        missed += *missedHere;
        if (loaded.rows().size() == rowsBefore) {
            warning(err) << "no e-mail addresses were found in " << path << "\n";
        }
    }
    if (missed > 0) {
        warning(err) << "the scan missed " << missed
                     << " addresses the files hold; --read structure reads every entry\n";
    }
    const core::AddressRows& rows = loaded.rows();
    if (rows.empty()) {
        return kExitNoAddresses;
    }
    if (options.list) {
        return writeToStream(out, {options.jsonLines ? jsonLines(rows) : listText(rows)}, err);
    }
    return writeExport(rows, options, inputs, out, err);
}

} // namespace

int runConverter(std::span<const char* const> arguments, std::ostream& out, std::ostream& err) {
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
        return convert(options, out, err);
    } catch (const std::bad_alloc&) {
        problem(err) << "not enough memory; nothing was written\n";
        return kExitOutOfMemory;
    }
}

} // namespace quillet::cli

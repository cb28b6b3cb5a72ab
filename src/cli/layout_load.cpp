#include "cli/layout_load.h"

#include "cli/diagnostics.h"
#include "cli/layout_thread.h"
#include "cli/standard_input.h"
#include "core/headless_host.h"
#include "core/nk2_load.h"
#include "core/streamed_structure.h"
#include "core/structure_load.h"

#include <algorithm>
#include <string_view>

namespace quillet::cli {
namespace {

// The rows the scan gives for the file.
core::AddressRows scannedRows(std::string_view bytes, const core::LoadOptions& options) {
    core::HeadlessHost scanned;
    core::loadNk2(bytes, options, scanned);
    return scanned.rows();
}

// Appends the scanned rows for the addresses the layout did not give (letter case aside), each
// once; returns how many.
std::size_t addScannedRows(const core::AddressRows& scanned, core::FirstAddresses& layout,
                           core::RowSink& rows) {
    std::size_t added = 0;
    for (const core::AddressRow& row : scanned) {
        if (!row.address.empty() && layout.firstSight(row.address)) {
            rows.append(row.name, row.address, row.type, row.byHand);
            ++added;
        }
    }
    return added;
}

// Adds a row for each address of the part not seen before, as a grid would show it: the reader
// leaves no tab in these texts, so no cell moves, but a NUL still ends one; an entry that would
// show nothing gives no row.
void addLayoutRows(const core::AddressPart& part, core::FirstAddresses& first,
                   core::RowSink& rows) {
    for (const std::size_t i : first.newIn(part)) {
        const std::string_view name = core::cutAtNul(part.name(i));
        const std::string_view address = core::cutAtNul(part.address(i));
        if (!name.empty() || !address.empty()) {
            rows.append(name, address, core::typeText(part.type(i)), false);
        }
    }
}

// A reading of standard input's bytes, already in memory, as if from a file.
core::ReadSource memorySource(std::string_view& bytes) {
    return [&bytes](int, char* into, std::size_t size) {
        const std::size_t count = std::min(size, bytes.size());
        std::copy_n(bytes.data(), count, into);
        bytes.remove_prefix(count);
        return static_cast<ssize_t>(count);
    };
}

} // namespace

bool loadByLayout(const std::string& path, const ConvertOptions& options,
                  const InputReading& reading, std::size_t sizeHint, core::RowSink& rows,
                  core::FileIdentities& inputs, std::ostream& err) {
    // Standard input is read whole first; a file is read a block at a time on the other thread,
    // never whole unless the scan must help.
    core::FileBytes whole;
    if (path == "-") {
        whole = readWholeStream(stdin);
        if (!whole.ok) {
            problem(err) << core::couldNotOpenText(path, whole.reason) << "\n";
            return false;
        }
    }
    LayoutThread layout([&](const core::AddressPartTaker& give) {
        if (path != "-") {
            return core::streamStructureFile(path, reading.limit, options.load, reading.source,
                                             give);
        }
        std::string_view rest = whole.bytes;
        return core::streamStructure(memorySource(rest), 0, whole.bytes.size(), options.load, give);
    });
    core::FirstAddresses firstOfEach(
        core::expectedAddresses(path == "-" ? whole.bytes.size() : sizeHint));
    core::StreamedStructure read = layout.result(
        [&](const core::AddressPart& part) { addLayoutRows(part, firstOfEach, rows); });
    if (!read.ok) {
        problem(err) << core::couldNotOpenText(path, read.reason) << "\n";
        return false;
    }
    inputs.push_back(path == "-" ? whole.identity : read.identity);
    addLayoutRows(read.rest, firstOfEach, rows);
    if (read.structure.leftOutTooLong > 0) {
        warning(err) << path << ": " << read.structure.leftOutTooLong
                     << " entries with an address longer than " << core::kStructureTextLimit
                     << " bytes were left out\n";
    }
    if (options.read != ReadMode::Auto || read.structure.complete) {
        if (!read.structure.complete) {
            warning(err) << path << ": " << core::structureProblemText(read.structure) << "\n";
        }
        return true;
    }
    if (path != "-") {
        whole = core::readFileBytes(path, reading.limit, nullptr, reading.source);
        if (!whole.ok) {
            problem(err) << core::couldNotOpenText(path, whole.reason) << "\n";
            return false;
        }
    }
    // The scan's rows are few (its steps are bounded); the bytes go before they are added.
    const core::AddressRows scanned = scannedRows(whole.bytes, options.load);
    std::string().swap(whole.bytes);
    const std::size_t added = addScannedRows(scanned, firstOfEach, rows);
    if (added == 0 && !read.structure.signature) {
        return true; // no layout and nothing scanned: the file is named as one without addresses
    }
    warning(err) << path << ": "
                 << (read.structure.signature ? core::structureProblemText(read.structure)
                                              : std::string("not an NK2 file by its layout."))
                 << " The scan added " << added << (added == 1 ? " address" : " addresses")
                 << " the layout did not give.\n";
    return true;
}

} // namespace quillet::cli

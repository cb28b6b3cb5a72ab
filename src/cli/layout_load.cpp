#include "cli/layout_load.h"

#include "cli/diagnostics.h"
#include "cli/layout_thread.h"
#include "cli/standard_input.h"
#include "core/nk2_load.h"
#include "core/streamed_structure.h"
#include "core/structure_load.h"

#include <algorithm>
#include <optional>
#include <span>
#include <string_view>
#include <unordered_set>

namespace quillet::cli {
namespace {

// The rows the scan gives for the file.
core::AddressRows scannedRows(std::string_view bytes, const core::LoadOptions& options) {
    core::HeadlessHost scanned;
    core::loadNk2(bytes, options, scanned);
    return scanned.rows();
}

// Appends the scanned rows for the addresses that the rows from `first` on lack (letter case
// aside), numbered on after them; returns how many.
std::size_t addScannedRows(const core::AddressRows& scanned, core::HeadlessHost& loaded,
                           std::size_t first) {
    std::unordered_set<std::string> have;
    for (const core::AddressRow& row : std::span(loaded.rows()).subspan(first)) {
        have.insert(core::addressKey(row.address));
    }
    core::AddressRows extra;
    for (const core::AddressRow& row : scanned) {
        if (!row.address.empty() && have.insert(core::addressKey(row.address)).second) {
            extra.push_back(row);
            extra.back().number =
                std::to_string(loaded.rowCount() + static_cast<int>(extra.size()));
        }
    }
    const std::size_t added = extra.size();
    loaded.appendRows(std::move(extra));
    return added;
}

// The rows of the addresses a layout gives, one per distinct address, numbered on after those
// there were.
class LayoutRows {
public:
    LayoutRows(long before, std::size_t fileSize)
        : before_(before), first_(core::expectedAddresses(fileSize)) {
        // A real cache gives a row every few hundred bytes: room made up front spares the rows
        // from moving as they grow, and the room not used is never touched. Past the size of
        // any real cache, they grow as they come.
        constexpr std::size_t kRealCacheSize = std::size_t{64} << 20;
        rows_.reserve(std::min(fileSize, kRealCacheSize) / 200);
    }

    void add(const core::AddressPart& part) {
        for (const std::size_t i : first_.newIn(part)) {
            const long number = before_ + static_cast<long>(rows_.size()) + 1L;
            if (std::optional<core::AddressRow> row =
                    core::structureRow(part.name(i), part.address(i), part.type(i), number)) {
                rows_.push_back(std::move(*row));
            }
        }
    }
    core::AddressRows take() && { return std::move(rows_); }

private:
    long before_;
    core::FirstAddresses first_;
    core::AddressRows rows_;
};

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
                  const InputReading& reading, std::size_t sizeHint, core::HeadlessHost& loaded,
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
    const std::size_t first = loaded.rows().size();
    LayoutRows rows(loaded.rowCount(), path == "-" ? whole.bytes.size() : sizeHint);
    core::StreamedStructure read =
        layout.result([&rows](const core::AddressPart& part) { rows.add(part); });
    if (!read.ok) {
        problem(err) << core::couldNotOpenText(path, read.reason) << "\n";
        return false;
    }
    inputs.push_back(path == "-" ? whole.identity : read.identity);
    rows.add(read.rest);
    loaded.appendRows(std::move(rows).take());
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
    const std::size_t added = addScannedRows(scanned, loaded, first);
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

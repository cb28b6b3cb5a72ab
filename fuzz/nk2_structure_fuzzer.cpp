#include "core/followed_cell_keys.h"
#include "core/streamed_structure.h"
#include "core/structure_load.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

// Any byte string is a possible NK2 file: the structural reading must finish without reading
// outside it, say where it stopped when it did not read it whole, give at most two addresses
// (Exchange and SMTP) per item it found, and find the same when it reads the file in steps. A
// followed reading that ends on fewer bytes than its steps saw (the input's last byte says how
// many), or on none, counts what those bytes hold. Read a few bytes at a time (the first byte
// says how many), keeping only the item at hand, it gives the same addresses.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quillet::core;
    const std::string_view file(reinterpret_cast<const char*>(data), size);
    const Nk2Structure read = readNk2Structure(file);
    if (read.complete != read.problem.empty() || read.stoppedAt > size ||
        read.itemsRead > read.itemCount || read.items.size() > read.itemsRead) {
        __builtin_trap();
    }
    if (structureAddresses(read, {}).size() > 2 * read.items.size()) {
        __builtin_trap();
    }
    std::size_t visited = 0;
    Nk2ItemReader inSteps([&visited](const Nk2ItemView&) { ++visited; });
    inSteps.readOn(file.substr(0, size / 3));
    inSteps.readOn(file.substr(0, size / 2));
    const Nk2Structure stepped = std::move(inSteps).finish(file);
    if (visited != read.items.size() || stepped.itemsRead != read.itemsRead ||
        stepped.stoppedAt != read.stoppedAt || stepped.problem != read.problem) {
        __builtin_trap();
    }
    const std::string_view shorter = file.substr(0, size == 0 ? 0 : data[size - 1] * size / 256);
    for (const bool readable : {true, false}) {
        FollowedCellKeys followed({}, size);
        followed.readOn(file.substr(0, size / 2));
        followed.readOn(file);
        followed.finish(readable ? std::optional(shorter) : std::nullopt);
        const std::size_t expected = readable ? missedAddressCount(shorter, {}, {}) : 0;
        if (followed.missedAmong({}) != expected) {
            __builtin_trap();
        }
    }
    std::size_t at = 0;
    const std::size_t piece = size == 0 ? 1 : 1 + data[0] % 64;
    const auto streamed = streamStructure(
        [&](int, char* into, std::size_t wanted) {
            const std::size_t count = std::min({wanted, piece, size - at});
            std::copy_n(data + at, count, into);
            at += count;
            return static_cast<ssize_t>(count);
        },
        0, size, {});
    const std::size_t kept = FirstAddresses(0).newIn(streamed.rest).size();
    if (!streamed.ok || streamed.structure.itemsRead != read.itemsRead ||
        streamed.structure.stoppedAt != read.stoppedAt ||
        streamed.structure.problem != read.problem || kept != structureAddresses(read, {}).size()) {
        __builtin_trap();
    }
    return 0;
}

#include "core/structure_load.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

// Any byte string is a possible NK2 file: the structural reading must finish without reading
// outside it, say where it stopped when it did not read it whole, give at most two addresses
// (Exchange and SMTP) per item it found, and find the same when it reads the file in steps.
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
    return 0;
}

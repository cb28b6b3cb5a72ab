#include "core/structure_load.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

// Any byte string is a possible NK2 file: the structural reading must finish without reading
// outside it, say where it stopped when it did not read it whole, and give at most two addresses
// (Exchange and SMTP) per item it found.
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
    return 0;
}

#pragma once

#include "core/nk2_load.h"
#include "core/structure_load.h"

#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string_view>

namespace quillet::core {

// The structural reading of a file fed by a reading that may end in any way: the bytes so far a
// step at a time, then the whole file, a shorter view than the steps saw, or nothing when the
// reading failed. Gives what readStructureAddresses gives for the file it ends on.
class FollowedStructure {
public:
    // Where the addresses go a part at a time, in file order, as they are found, so that rows
    // can be made of them meanwhile. When the file comes back shorter than the steps saw, the
    // reading starts again from the file's start: startAgain says that the parts given so far
    // no longer count.
    struct Parts {
        std::function<void(NamedAddresses part)> take;
        std::function<void()> startAgain;
    };

    // Without parts, every address comes with the finished reading.
    FollowedStructure(const LoadOptions& options, std::size_t fileSize, Parts parts = {});

    void readOn(std::string_view bytesSoFar);

    // The reading of the whole file, or nothing when it could not be read. Its addresses are
    // those not given as parts.
    std::optional<StructureRead> finish(std::optional<std::string_view> file);

private:
    // The addresses and the reader that feeds them, made again when the file comes back shorter.
    struct Reading {
        Reading(const LoadOptions& options, std::size_t fileSize);
        StructureAddresses addresses;
        Nk2ItemReader reader;
    };
    void readOnAndGive(std::string_view bytesSoFar);

    LoadOptions options_;
    Parts parts_;
    std::unique_ptr<Reading> reading_;
    std::size_t seen_ = 0;
};

} // namespace quillet::core

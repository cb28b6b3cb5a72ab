#pragma once

#include "core/nk2_load.h"
#include "core/structure_load.h"

#include <cstddef>
#include <optional>
#include <string_view>

namespace quillet::core {

// StructureCellKeys fed by a reading that may end in any way: the bytes so far a step at a time,
// then the whole file, a shorter view than the steps saw, or nothing when the reading failed.
class FollowedCellKeys {
public:
    FollowedCellKeys(const LoadOptions& options, std::size_t fileSize);

    void readOn(std::string_view bytesSoFar);

    // The whole file, or nothing when it could not be read; then missedAmong counts nothing.
    void finish(std::optional<std::string_view> file);

    std::size_t missedAmong(const AddressKeys& shown);

private:
    LoadOptions options_;
    std::optional<StructureCellKeys> keys_;
    std::size_t seen_ = 0;
    bool read_ = false;
};

} // namespace quillet::core

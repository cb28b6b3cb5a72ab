#pragma once

#include "core/address_row.h"
#include "core/structure_load.h"

#include <cstddef>
#include <span>
#include <utility>
#include <vector>

namespace quillet::core {

// What a structural reading does to a list that already has rows: an address a row holds
// (letter case aside) is not added again; the row takes the reading's name (when it has one),
// letter case and type and keeps its number, unless the user added or edited it by hand.
struct StructureMerge {
    std::vector<std::pair<std::size_t, AddressRow>> improved; // row index, its cells now
    NamedAddresses added;                                     // the addresses no row holds
};
StructureMerge mergeStructure(std::span<const AddressRow> rows, NamedAddresses addresses);

} // namespace quillet::core

#include "core/structure_merge.h"

#include <string>
#include <unordered_map>

namespace quillet::core {

StructureMerge mergeStructure(std::span<const AddressRow> rows, NamedAddresses addresses) {
    // Each address of the reading by its key; the reading holds each key once.
    std::unordered_map<std::string, std::size_t> byKey;
    byKey.reserve(addresses.size());
    for (std::size_t i = 0; i < addresses.size(); ++i) {
        byKey.emplace(addressKey(addresses[i].address), i);
    }
    std::vector<bool> listed(addresses.size(), false);
    StructureMerge merge;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const auto found = byKey.find(addressKey(rows[r].address));
        if (found == byKey.end()) {
            continue;
        }
        listed[found->second] = true;
        if (rows[r].byHand) {
            continue;
        }
        const NamedAddress& entry = addresses[found->second];
        AddressRow row = rows[r];
        if (!entry.name.empty()) {
            row.name = entry.name;
        }
        row.address = entry.address;
        row.type = typeText(entry.type);
        if (!(row == rows[r])) {
            merge.improved.emplace_back(r, std::move(row));
        }
    }
    for (std::size_t i = 0; i < addresses.size(); ++i) {
        if (!listed[i]) {
            merge.added.push_back(std::move(addresses[i]));
        }
    }
    return merge;
}

} // namespace quillet::core

#include "core/scan_review.h"

#include "core/structure_load.h"

#include <unordered_map>
#include <vector>

namespace quillet::core {
namespace {

std::string counted(std::size_t count, std::string_view one, std::string_view many) {
    return std::to_string(count) + " " + std::string(count == 1 ? one : many);
}

} // namespace

ScanReview reviewScan(std::string_view file, const LoadOptions& options,
                      std::span<const AddressRow> shown) {
    const Nk2Structure structure = readNk2Structure(file);
    const NamedAddresses addresses = structureAddresses(structure, options);
    ScanReview review;
    review.nk2 = structure.signature;
    review.complete = structure.complete;
    if (structure.signature && !structure.complete) {
        review.damage = structureProblemText(structure);
    }
    std::unordered_map<std::string, std::size_t> byKey;
    for (std::size_t i = 0; i < addresses.size(); ++i) {
        byKey.emplace(addressKey(cutAtNul(addresses[i].address)), i);
    }
    std::vector<bool> seen(addresses.size(), false);
    for (const AddressRow& row : shown) {
        const auto found = byKey.find(addressKey(row.address));
        if (found == byKey.end() || seen[found->second]) {
            continue;
        }
        seen[found->second] = true;
        const NamedAddress& entry = addresses[found->second];
        review.unnamed += row.name.empty() && !cutAtNul(entry.name).empty() ? 1 : 0;
        review.otherCase += row.address != cutAtNul(entry.address) ? 1 : 0;
    }
    for (const bool s : seen) {
        review.missed += s ? 0 : 1;
    }
    return review;
}

std::string reviewNote(const ScanReview& review, std::string_view readEveryEntryShortcut) {
    std::string gives;
    const auto add = [&gives](const std::string& part) {
        gives += (gives.empty() ? "" : ", ") + part;
    };
    if (review.missed > 0) {
        add(counted(review.missed, "more address", "more addresses"));
    }
    if (review.unnamed > 0) {
        add(counted(review.unnamed, "name", "names"));
    }
    if (review.otherCase > 0) {
        add(counted(review.otherCase, "address in its own letter case",
                    "addresses in their own letter case"));
    }
    std::string note;
    if (!review.damage.empty()) {
        note = "The file is damaged. " + review.damage;
    }
    if (!gives.empty()) {
        note += (note.empty() ? "" : " ") + std::string("File, Read Every Entry... (") +
                std::string(readEveryEntryShortcut) + ") gives " + gives + ".";
    }
    return note;
}

} // namespace quillet::core

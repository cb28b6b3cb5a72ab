#pragma once

#include "core/address_row.h"
#include "core/nk2_load.h"

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace quillet::core {

// What the file's structure says about the rows a scan left: how many of its addresses no row
// shows, how many rows lack a name it gives, how many show an address in other letter case
// than it does, and whether and where the structure itself stops.
struct ScanReview {
    std::size_t missed = 0;
    std::size_t unnamed = 0;
    std::size_t otherCase = 0;
    bool nk2 = false;      // the file starts as an NK2 file does
    bool complete = false; // and its structure reads whole
    std::string damage;    // where and why it stops, when it does
};
ScanReview reviewScan(std::string_view file, const LoadOptions& options,
                      std::span<const AddressRow> shown);

// The banner's note on a review, empty when the scan got everything right: what Read Every
// Entry (named with its shortcut) gives, and where a damaged file stops.
std::string reviewNote(const ScanReview& review, std::string_view readEveryEntryShortcut);

} // namespace quillet::core

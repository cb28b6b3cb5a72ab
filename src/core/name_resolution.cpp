#include "core/name_resolution.h"

#include "core/address_row.h"
#include "core/cp1252.h"
#include "core/nk2_scan.h"
#include "core/percent.h"

#include <algorithm>

namespace quillet::core {
namespace {

// A one-off entry ID: the provider UID, whose fourth to sixth bytes are the name marker, a
// 16-bit version, a 16-bit flag word, then the display name. Positions are 1-based, from the
// marker's first byte.
constexpr long kMarkerInUid = 3; // UID bytes before the marker
constexpr long kUidEnd = static_cast<long>(kOneOffProviderUid.size()) - kMarkerInUid - 1;
constexpr long kFlagsHighByte = kUidEnd + 4; // past the version, little-endian
constexpr long kNameStart = kFlagsHighByte + 1;

// The bit 0x80 of the flag word's high byte is MAPI's Unicode flag.
bool isUnicodeOneOff(std::string_view file, long marker) {
    const std::string_view flagHigh =
        bytesBetween(file, marker + kFlagsHighByte, marker + kFlagsHighByte);
    return bytesBetween(file, marker - kMarkerInUid, marker + kUidEnd) == kOneOffProviderUid &&
           !flagHigh.empty() && (static_cast<unsigned char>(flagHigh.front()) & 0x80) != 0;
}

// The location of the address at index k; past the last one, as an empty list item reads, 0.
long locationAt(const LoadLists& lists, std::size_t k) {
    return k < lists.smtpLocations.size() ? lists.smtpLocations[k] : 0;
}

// The locations the name step will look up: one per found address, up to the step limit.
std::vector<long> searchedLocations(const LoadLists& lists) {
    std::vector<long> locations;
    const std::size_t count =
        std::min(lists.smtpFound.listCount(), static_cast<std::size_t>(kStepLimit) + 2);
    locations.reserve(count);
    for (std::size_t k = 0; k < count; ++k) {
        locations.push_back(locationAt(lists, k));
    }
    return locations;
}

} // namespace

NameMarkers::NameMarkers(std::string_view file, std::vector<long> searchedFrom) {
    std::sort(searchedFrom.begin(), searchedFrom.end());
    searchedFrom.erase(std::unique(searchedFrom.begin(), searchedFrom.end()), searchedFrom.end());
    found_.reserve(searchedFrom.size());
    long lastMarker = 0;
    std::size_t next = file.find(kNameMarker, 2);
    for (const long position : searchedFrom) {
        while (next != std::string_view::npos && static_cast<long>(next) + 1 <= position) {
            lastMarker = static_cast<long>(next) + 1;
            next = file.find(kNameMarker, next + 1);
        }
        found_.emplace_back(position, lastMarker);
    }
}

long NameMarkers::lastAtOrBefore(long position) const {
    const auto at = std::lower_bound(found_.begin(), found_.end(), std::pair{position, 0L});
    return at != found_.end() && at->first == position ? at->second : 0;
}

std::string resolveName(std::string_view file, const NameMarkers& markers, long location) {
    const long marker = markers.lastAtOrBefore(location);
    if (marker == 0) {
        return {};
    }
    // The span is as long as the stretch from the marker through the location.
    const std::string_view span = bytesBetween(file, marker + kNameStart, location + kNameStart);
    if (span.size() >= kNameLimit) {
        return {};
    }
    // Only the text before the first NUL (or 0x0000 unit) ever reaches a row.
    return isUnicodeOneOff(file, marker) ? decodeUtf16le(span) : decodeCp1252(cutAtNul(span));
}

void nameStep(LoadContext& load) {
    LoadLists& lists = load.lists;
    load.steps = -1;
    load.host.setBusy(true);
    load.showStatus(BannerMessage::ResolvingStart);
    if (lists.smtpFound.empty()) {
        load.percent = 0;
    } else {
        const NameMarkers markers(load.file, searchedLocations(lists));
        do {
            load.countStep();
            const long k = load.steps;
            load.host.setBusy(true);
            load.percent = percentOf(static_cast<double>(k + 2),
                                     static_cast<double>(lists.smtpFound.listCount()));
            load.host.wait(WaitTicks(1));
            load.showStatus(BannerMessage::Resolving);
            const long location = locationAt(lists, static_cast<std::size_t>(k));
            lists.smtpNames.addItem(resolveName(load.file, markers, location));
            load.host.setEntryCount(static_cast<long>(lists.smtpNames.listCount()));
        } while (lists.smtpNames.listCount() < lists.smtpFound.listCount() &&
                 load.steps <= kStepLimit);
    }
    load.host.setEntryCount(load.host.rowCount() + 1L);
    for (const std::string& name : lists.smtpNames.items()) {
        lists.names.addItem(name);
    }
}

} // namespace quillet::core

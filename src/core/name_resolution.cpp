#include "core/name_resolution.h"

#include "core/cp1252.h"
#include "core/nk2_scan.h"
#include "core/percent.h"
#include "core/row_text.h"

#include <algorithm>
#include <charconv>

namespace quillet::core {
namespace {

// The one-off entry ID's flag word follows the provider UID and a 16-bit version; the bit 0x80
// of its high byte (the UID's 16th byte after the marker) is MAPI's Unicode flag.
bool isUnicodeOneOff(std::string_view file, long marker) {
    const std::string_view flagHigh = bytesBetween(file, marker + 16, marker + 16);
    return bytesBetween(file, marker - 3, marker + 12) == kOneOffProviderUid && !flagHigh.empty() &&
           (static_cast<unsigned char>(flagHigh.front()) & 0x80) != 0;
}

// The number a smtpLocations text holds; a text that is not one reads as 0.
long locationNumber(const std::string& text) {
    long value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

// The locations the name step will look up: one per found address, up to the step limit.
std::vector<long> searchedLocations(const LoadLists& lists) {
    std::vector<long> locations;
    const std::size_t count =
        std::min(lists.smtpFound.listCount(), static_cast<std::size_t>(kStepLimit) + 2);
    locations.reserve(count);
    for (std::size_t k = 0; k < count; ++k) {
        locations.push_back(locationNumber(lists.smtpLocations.item(k)));
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
    const std::string_view span = bytesBetween(file, marker + 17, location + 17);
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
            load.percent = percentOf(k + 2, static_cast<double>(lists.smtpFound.listCount()));
            load.host.wait(WaitTicks(1));
            load.showStatus(BannerMessage::Resolving);
            const long location =
                locationNumber(lists.smtpLocations.item(static_cast<std::size_t>(k)));
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

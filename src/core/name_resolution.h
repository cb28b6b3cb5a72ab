#pragma once

#include "core/load_context.h"

#include <string>
#include <string_view>
#include <vector>

namespace quillet::core {

// The bytes A4 BE A3, inside the provider UID of a one-off entry ID, that open a display name.
inline constexpr std::string_view kNameMarker = "\xA4\xBE\xA3";

// The provider UID of a one-off entry ID; the name marker is its fourth to sixth byte.
inline constexpr std::string_view kOneOffProviderUid{
    "\x81\x2B\x1F\xA4\xBE\xA3\x10\x19\x9D\x6E\x00\xDD\x01\x0F\x54\x02", 16};

// A name span of this many bytes or more gives an empty name.
inline constexpr std::size_t kNameLimit = 200;

// The name marker each backward search will find, worked out in one pass over the file for the
// positions that will be searched from: it keeps one marker per search, never every marker of
// the file, so a file made of markers costs no more memory than a few rows.
class NameMarkers {
public:
    NameMarkers(std::string_view file, std::vector<long> searchedFrom);

    // The 1-based position of the last marker that the backward search from `position`, one of
    // the positions given, meets: positions `position` down to 3 are tried (a marker at 1 or 2
    // is not found). 0 if none, or when `position` was not given.
    long lastAtOrBefore(long position) const;

private:
    std::vector<std::pair<long, long>> found_; // (searched from, marker), by the first
};

// The display name for the SMTP address whose SMTP location is `location`, as UTF-8: the bytes
// from 17 past the name marker through 17 past the location, up to its terminator. Empty when no
// marker is found or the span has 200 bytes or more. A span behind the marker of a one-off entry
// ID flagged as Unicode is UTF-16LE (ending at a 0x0000 unit); any other is Windows-1252 (ending
// at a NUL).
std::string resolveName(std::string_view file, const NameMarkers& markers, long location);

// The name step: one name per item of smtpFound into smtpNames, then appended to names.
void nameStep(LoadContext& load);

} // namespace quillet::core

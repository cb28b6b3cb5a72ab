#include "core/address_row.h"
#include "core/name_resolution.h"

#include <gtest/gtest.h>
#include <string>

using namespace std::string_literals;
using quillet::core::kNameMarker;
using quillet::core::kOneOffProviderUid;
using quillet::core::NameMarkers;

namespace {

// A file of `size` distinct-looking letters, so a name shows which positions it came from.
std::string letters(std::size_t size) {
    std::string file(size, '.');
    for (std::size_t i = 0; i < size; ++i) {
        file[i] = static_cast<char>('a' + i % 26);
    }
    return file;
}

// Writes bytes at a 1-based position.
void put(std::string& file, long position, std::string_view bytes) {
    file.replace(static_cast<std::size_t>(position - 1), bytes.size(), bytes);
}

std::string nameAt(const std::string& file, long location) {
    return quillet::core::resolveName(file, NameMarkers(file, {location}), location);
}

} // namespace

TEST(NameResolution, NameRunsFrom17PastTheMarkerTo17PastTheLocation) {
    std::string file = letters(120);
    put(file, 40, kNameMarker);
    // Marker 10 bytes before L = 50: the 11 bytes at positions 57 to 67.
    EXPECT_EQ(nameAt(file, 50), file.substr(56, 11));
    // The nearest marker before the location wins; one at L itself is found too.
    put(file, 45, kNameMarker);
    EXPECT_EQ(nameAt(file, 50), file.substr(61, 6));
    EXPECT_EQ(nameAt(file, 45), file.substr(61, 1));
    // A name running past the end keeps only the bytes that exist.
    EXPECT_EQ(nameAt(file, 110), file.substr(61, 59));
}

TEST(NameResolution, NoMarkerGivesAnEmptyName) {
    EXPECT_EQ(nameAt(letters(100), 50), "");
    // The search stops before position 2: a marker there counts as not found...
    std::string file = letters(100);
    put(file, 2, kNameMarker);
    EXPECT_EQ(nameAt(file, 50), "");
    // ...while one at position 3 is found.
    put(file, 3, kNameMarker);
    EXPECT_EQ(nameAt(file, 50), file.substr(19, 48));
}

TEST(NameResolution, SpansOf200BytesOrMoreGiveAnEmptyName) {
    std::string file = letters(600);
    put(file, 100, kNameMarker);
    EXPECT_EQ(nameAt(file, 298).size(), 199u); // positions 117 to 315
    EXPECT_EQ(nameAt(file, 299), "");
}

TEST(NameResolution, UnicodeOneOffNamesAreUtf16) {
    // Provider UID, version, flag word 0x9001 (high byte 0x90 at marker + 16), then the name.
    auto oneOff = [](std::string_view flagWord, std::string_view name) {
        return "...."s + std::string(kOneOffProviderUid) + "\0\0"s + std::string(flagWord) +
               std::string(name) + std::string(40, '.');
    };
    const std::string zoe = "Z\0o\0\xEB\0\0\0S\0"s; // "Zoë", terminator, then more
    const long marker = 8;                          // the UID starts at 5
    const std::string wide = oneOff("\x01\x90", zoe);
    EXPECT_EQ(nameAt(wide, marker + 20), "Zo\u00EB");
    // Flag word 0x0000: one character per byte, so the grid shows the first letter only.
    const std::string narrow = oneOff("\0\0"s, zoe);
    EXPECT_EQ(quillet::core::cutAtNul(nameAt(narrow, marker + 20)), "Z");
    // A span with an odd length drops its last byte; an unpaired surrogate becomes U+FFFD.
    EXPECT_EQ(nameAt(oneOff("\x01\x90", "A\0\x00\xD8"s + "B"), marker + 4), "A\uFFFD");
    // Without the whole provider UID around the marker the name stays 8-bit.
    std::string broken = wide;
    broken[5] = 'X';
    EXPECT_EQ(quillet::core::cutAtNul(nameAt(broken, marker + 20)), "Z");
}

TEST(NameResolution, MarkersAreFoundForEverySearchedPositionInOnePass) {
    std::string file;
    for (int i = 0; i < 10000; ++i) {
        file += "ab";
        file += quillet::core::kNameMarker;
    }
    // Markers lie at 3, 8, 13, ...: the one at or before each position is found.
    const NameMarkers markers(file, {49998, 2, 3, 7, 8, 49998});
    EXPECT_EQ(markers.lastAtOrBefore(2), 0);
    EXPECT_EQ(markers.lastAtOrBefore(3), 3);
    EXPECT_EQ(markers.lastAtOrBefore(7), 3);
    EXPECT_EQ(markers.lastAtOrBefore(8), 8);
    EXPECT_EQ(markers.lastAtOrBefore(49998), 49998);
    EXPECT_EQ(markers.lastAtOrBefore(100), 0); // never asked for
}

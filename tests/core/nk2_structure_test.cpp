#include "core/cp1252.h"
#include "core/nk2_structure.h"
#include "nk2_generator.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using quillet::core::AddressType;
using quillet::core::Nk2Item;
using quillet::core::Nk2Structure;
using quillet::core::readNk2Structure;
using quillet::testdata::EntryKind;
using quillet::testdata::Nk2Entry;
using quillet::testdata::nk2File;

namespace quillet::core {
bool operator==(const Nk2Item& a, const Nk2Item& b) {
    return a.displayName == b.displayName && a.type == b.type && a.address == b.address &&
           a.smtpAddress == b.smtpAddress;
}
void PrintTo(const Nk2Item& item, std::ostream* out) {
    *out << "{" << item.displayName << ", " << (item.type == AddressType::Smtp ? "SMTP" : "EX")
         << ", " << item.address << "}";
}
} // namespace quillet::core

namespace {

// A control character other than NUL reads as a blank.
std::string blanked(std::string text) {
    for (char& c : text) {
        if (c != '\0' && static_cast<unsigned char>(c) < 0x20) {
            c = ' ';
        }
    }
    return text;
}

// What the reader must return for an entry the generator wrote.
Nk2Item expectedItem(const Nk2Entry& entry) {
    Nk2Item item;
    item.displayName = blanked(entry.displayName);
    item.address = blanked(entry.address);
    if (entry.kind == EntryKind::Exchange) {
        const std::string marker = "cn=Recipients/cn=";
        item.type = AddressType::Exchange;
        item.address = entry.address.substr(entry.address.find(marker) + marker.size());
    }
    return item;
}

std::vector<Nk2Item> expectedItems(const std::vector<Nk2Entry>& entries, std::size_t count) {
    std::vector<Nk2Item> items;
    for (std::size_t i = 0; i < count; ++i) {
        items.push_back(expectedItem(entries[i]));
    }
    return items;
}

std::vector<Nk2Entry> allWide(std::vector<Nk2Entry> entries) {
    for (Nk2Entry& entry : entries) {
        entry.unicode = true;
    }
    return entries;
}

// Where item k starts: the size of a file of the first k entries, less its 12-byte footer.
std::size_t itemOffset(const std::vector<Nk2Entry>& entries, std::size_t k) {
    return nk2File({entries.begin(), entries.begin() + static_cast<std::ptrdiff_t>(k)}).size() - 12;
}

void putU32(std::string& bytes, std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        bytes[at + static_cast<std::size_t>(i)] = static_cast<char>((value >> (8 * i)) & 0xFF);
    }
}

} // namespace

TEST(Nk2Structure, ReturnsEveryGeneratedEntryWithItsName) {
    using quillet::testdata::realisticEntries;
    const std::vector<std::vector<Nk2Entry>> sets = {
        realisticEntries(1, 0, 1),
        quillet::testdata::sampleEntries(),
        quillet::testdata::entriesWithNulAndTab(),
        realisticEntries(800, 200, 2),
        allWide(realisticEntries(800, 200, 3)),
        realisticEntries(8000, 2000, 4),
        allWide(realisticEntries(40000, 10000, 5)),
        realisticEntries(40000, 10000, 6),
    };
    for (const auto& entries : sets) {
        const Nk2Structure read = readNk2Structure(nk2File(entries));
        EXPECT_TRUE(read.complete) << read.problem;
        EXPECT_EQ(read.itemCount, entries.size());
        EXPECT_EQ(read.itemsRead, entries.size());
        ASSERT_EQ(read.items.size(), entries.size());
        for (std::size_t i = 0; i < entries.size(); ++i) {
            ASSERT_EQ(read.items[i], expectedItem(entries[i])) << "entry " << i;
        }
    }
    // Padding values do not disturb the reading.
    const auto sample = quillet::testdata::sampleEntries();
    EXPECT_EQ(readNk2Structure(nk2File(sample, {300})).items, expectedItems(sample, sample.size()));
}

TEST(Nk2Structure, ACutFileGivesTheWholeItemsBeforeTheCut) {
    const auto entries = quillet::testdata::sampleEntries();
    const std::string file = nk2File(entries);
    std::vector<std::size_t> ends;
    for (std::size_t k = 1; k <= entries.size(); ++k) {
        ends.push_back(itemOffset(entries, k));
    }
    for (std::size_t length = 0; length < file.size(); ++length) {
        const Nk2Structure read = readNk2Structure(std::string_view(file).substr(0, length));
        const auto whole = static_cast<std::size_t>(
            std::upper_bound(ends.begin(), ends.end(), length) - ends.begin());
        ASSERT_FALSE(read.complete) << length;
        ASSERT_FALSE(read.problem.empty());
        ASSERT_LE(read.stoppedAt, length);
        ASSERT_EQ(read.items, expectedItems(entries, length < 16 ? 0 : whole)) << length;
    }
}

TEST(Nk2Structure, DamageStopsAtTheDamagedItemWithAMessage) {
    const auto entries = quillet::testdata::realisticEntries(40, 10, 11);
    const std::string good = nk2File(entries);
    for (const std::size_t k : {0u, 7u, 49u}) {
        const std::size_t item = itemOffset(entries, k);
        const std::size_t firstValue = item + 4;

        std::string zeroed = good;
        std::fill_n(zeroed.begin() + static_cast<std::ptrdiff_t>(firstValue), 64, '\0');
        Nk2Structure read = readNk2Structure(zeroed);
        EXPECT_EQ(read.items, expectedItems(entries, k));
        EXPECT_EQ(read.stoppedAt, firstValue);
        EXPECT_EQ(read.problem, "unknown value type 0x0");

        std::string badType = good;
        badType[firstValue] = '\x99';
        read = readNk2Structure(badType);
        EXPECT_EQ(read.items, expectedItems(entries, k));
        EXPECT_EQ(read.problem, "unknown value type 0x99");

        // The first value is the display name, a text whose size follows its 16-byte entry.
        std::string hugeSize = good;
        putU32(hugeSize, firstValue + 16, 0xFFFFFFF0);
        read = readNk2Structure(hugeSize);
        EXPECT_EQ(read.items, expectedItems(entries, k));
        EXPECT_EQ(read.stoppedAt, firstValue + 16);
        EXPECT_FALSE(read.complete);

        std::string oddSize = good; // the name as UTF-16, of an odd number of bytes
        oddSize[firstValue] = '\x1F';
        oddSize[firstValue + 16] = static_cast<char>(oddSize[firstValue + 16] | 1);
        read = readNk2Structure(oddSize);
        EXPECT_EQ(read.items, expectedItems(entries, k));
        EXPECT_EQ(read.stoppedAt, firstValue + 16);
        EXPECT_EQ(read.problem, "a UTF-16 text of odd size");

        std::string tooManyValues = good;
        putU32(tooManyValues, item, 0x10000000);
        read = readNk2Structure(tooManyValues);
        EXPECT_EQ(read.items, expectedItems(entries, k));
        EXPECT_EQ(read.stoppedAt, item);
    }

    std::string oneTooMany = good;
    putU32(oneTooMany, 12, static_cast<std::uint32_t>(entries.size() + 1));
    Nk2Structure read = readNk2Structure(oneTooMany);
    EXPECT_EQ(read.items, expectedItems(entries, entries.size()));
    EXPECT_FALSE(read.complete);
    // The footer's zero value count is no entry: entries are counted as the file holds them.
    EXPECT_EQ(quillet::core::structureProblemText(read),
              "Read 50 of 51 entries; stopped at byte " + std::to_string(good.size() - 12) +
                  ": the header counts 51 entries, the file holds 50.");

    std::string oneTooFew = good;
    putU32(oneTooFew, 12, static_cast<std::uint32_t>(entries.size() - 1));
    read = readNk2Structure(oneTooFew);
    EXPECT_EQ(read.items, expectedItems(entries, entries.size() - 1));
    EXPECT_EQ(read.problem, "no footer after the last item");

    read = readNk2Structure(good + "x");
    EXPECT_EQ(read.items.size(), entries.size());
    EXPECT_EQ(read.problem, "bytes after the footer");
}

TEST(Nk2Structure, OtherFilesAreRefusedAtTheirFirstByte) {
    for (const std::string& file :
         {std::string(), std::string("\x0D\xF0\xAD"), std::string(100, 'x'),
          quillet::testdata::hostileRandomFile(4000, 3)}) {
        const Nk2Structure read = readNk2Structure(file);
        EXPECT_TRUE(read.items.empty());
        EXPECT_EQ(read.stoppedAt, 0u);
        EXPECT_EQ(read.problem, "not an NK2 file (no signature)");
    }
}

// A file still coming in is read in steps on the bytes so far; whatever the steps, the items
// visited and the result are those of one reading of the whole file, damaged or not.
TEST(Nk2Structure, ReadingInStepsGivesWhatOneReadingGives) {
    const auto entries = quillet::testdata::realisticEntries(300, 100, 12);
    const std::string good = nk2File(entries);
    std::string badType = good;
    badType[itemOffset(entries, 150) + 4] = '\x99';
    const std::vector<std::string> files = {
        good,
        nk2File(allWide(quillet::testdata::sampleEntries())),
        good.substr(0, good.size() / 2),
        badType,
        good + "x",
        std::string("\x0D\xF0\xAD\xBA", 4),
        quillet::testdata::hostileRandomFile(3000, 4),
    };
    const auto copy = [](std::vector<Nk2Item>& items) {
        return [&items](const quillet::core::Nk2ItemView& item) {
            items.push_back({std::string(item.displayName), item.type, std::string(item.address),
                             std::string(item.smtpAddress)});
        };
    };
    for (const std::string& file : files) {
        const Nk2Structure once = readNk2Structure(file);
        for (const std::size_t step : {1u, 7u, 500u, 4096u}) {
            std::vector<Nk2Item> items;
            quillet::core::Nk2ItemReader reader(copy(items));
            for (std::size_t end = 0; end < file.size(); end += step) {
                reader.readOn(std::string_view(file).substr(0, end));
            }
            const Nk2Structure stepped = std::move(reader).finish(file);
            EXPECT_EQ(items, once.items) << step;
            EXPECT_EQ(stepped.itemCount, once.itemCount);
            EXPECT_EQ(stepped.itemsRead, once.itemsRead);
            EXPECT_EQ(stepped.complete, once.complete);
            EXPECT_EQ(stepped.stoppedAt, once.stoppedAt);
            EXPECT_EQ(stepped.problem, once.problem) << step;
        }
    }
}

namespace {

std::string u32le(std::uint32_t value) {
    std::string bytes;
    for (int i = 0; i < 4; ++i) {
        bytes += static_cast<char>((value >> (8 * i)) & 0xFF);
    }
    return bytes;
}

// One value entry: tag, reserved, union; then whatever data its type carries.
std::string value(std::uint32_t tag, std::string data = {}) {
    return u32le(tag) + u32le(0xDEADBEEF) + std::string(8, '\0') + data;
}
std::string sized(const std::string& bytes) {
    return u32le(static_cast<std::uint32_t>(bytes.size())) + bytes;
}
std::string wideText(const std::string& utf8) {
    return sized(quillet::core::encodeUtf16le(utf8) + std::string(2, '\0'));
}

// A file of one item made of these values, with a footer whose extra block holds `extra`.
std::string oneItemFile(const std::vector<std::string>& values, const std::string& extra = {}) {
    std::string file = std::string("\x0D\xF0\xAD\xBA", 4) + u32le(10) + u32le(1) + u32le(1);
    file += u32le(static_cast<std::uint32_t>(values.size()));
    for (const std::string& v : values) {
        file += v;
    }
    return file + sized(extra) + std::string(8, '\x01');
}

} // namespace

// Every value type Outlook writes is read past; what a row shows comes out cleaned.
TEST(Nk2Structure, ReadsEveryValueTypeAndCleansWhatARowShows) {
    const std::string address = value(0x3003001F, wideText("ann@example.org"));
    const std::string longName(3000, 'n');
    const struct {
        const char* what;
        std::vector<std::string> values;
        std::string extra;
        std::string name; // expected; "-" when the entry is left out
    } cases[] = {
        {"guid", {value(0x00010048, std::string(16, '\x02')), address}, "", ""},
        {"multi-valued texts and binaries",
         {value(0x8000101F, u32le(2) + wideText("a") + wideText("bc")),
          value(0x8001101E, u32le(1) + sized(std::string("x\0", 2))),
          value(0x80021102, u32le(3) + sized("b1") + sized("") + sized("b3")), address},
         "",
         ""},
        {"extra information before the trailer", {address}, "extra", ""},
        {"quoted name", {value(0x3001001F, wideText("'Gavin Kline'")), address}, "", "Gavin Kline"},
        {"control characters",
         {value(0x3001001F, wideText("Mallory\tceo\r\n")), address},
         "",
         "Mallory ceo  "},
        {"long name",
         {value(0x3001001E, sized(longName + '\0')), address},
         "",
         longName.substr(0, 1024)},
        {"long address", {value(0x3003001E, sized(std::string(2000, 'a') + '\0'))}, "", "-"},
    };
    for (const auto& c : cases) {
        const Nk2Structure read = readNk2Structure(oneItemFile(c.values, c.extra));
        EXPECT_TRUE(read.complete) << c.what << ": " << read.problem;
        if (c.name == "-") {
            EXPECT_TRUE(read.items.empty()) << c.what;
            EXPECT_EQ(read.leftOutTooLong, 1u) << c.what;
            continue;
        }
        ASSERT_EQ(read.items.size(), 1u) << c.what;
        EXPECT_EQ(read.items[0].displayName, c.name) << c.what;
        EXPECT_EQ(read.items[0].address, "ann@example.org") << c.what;
    }
}

// A cache laid out as Outlook writes it: every entry, its name without quotes, its letter case.
TEST(Nk2Structure, ReadsWhatOutlookWrites) {
    const auto entries = quillet::testdata::outlookEntries(60, 9);
    const Nk2Structure read = readNk2Structure(quillet::testdata::outlookFile(entries, 9));
    EXPECT_TRUE(read.complete) << read.problem;
    EXPECT_EQ(read.items, expectedItems(entries, entries.size()));
}

#include "core/cp1252.h"
#include "core/headless_host.h"
#include "core/streamed_structure.h"
#include "core/structure_load.h"
#include "nk2_generator.h"
#include "support/load_options.h"
#include "support/recording_host.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <gtest/gtest.h>
#include <string>
#include <unordered_set>
#include <vector>

using quillet::core::loadNk2Structure;
using quillet::core::LoadOptions;
using quillet::core::readNk2Structure;
using quillet::testdata::exchangeEntry;
using quillet::testdata::nk2File;
using quillet::testdata::smtpEntry;
using quillet::testing::kBoth;
using quillet::testing::kDomainOnly;
using quillet::testing::kSmtpOnly;
using quillet::testing::RecordingHost;
using Texts = std::vector<std::string>;

namespace {

std::vector<std::string> addressColumn(const quillet::core::HeadlessHost& host) {
    std::vector<std::string> addresses;
    for (const auto& row : host.rows()) {
        addresses.push_back(row.address);
    }
    return addresses;
}

// Rows that show these addresses.
quillet::core::AddressRows shown(const std::vector<std::string>& addresses) {
    quillet::core::AddressRows rows;
    for (const std::string& address : addresses) {
        rows.push_back({.number = {}, .name = {}, .address = address, .type = {}});
    }
    return rows;
}

} // namespace

TEST(StructureLoad, AppendsEveryEntryOnceWithItsNameAndNumbersOn) {
    const std::string file = nk2File({
        smtpEntry("Mary Smith", "mary@example.org"),
        exchangeEntry("Paul Jones", "/o=Example/ou=Site/cn=Recipients/cn=pjones"),
        smtpEntry("王芳", "wang.fang@example.cn", true),
        smtpEntry("Second Mary", "MARY@example.org"), // the same address: the first name stays
        smtpEntry("Zoë", "zoë@example.fr", true),
    });
    RecordingHost host;
    const auto structure = loadNk2Structure(file, kBoth, host);
    EXPECT_TRUE(structure.complete);
    EXPECT_EQ(host.rows(),
              (Texts{"1\tMary Smith\tmary@example.org\tSMTP\t", "2\tPaul Jones\tpjones\tEX\t",
                     "3\t王芳\twang.fang@example.cn\tSMTP\t", "4\tZoë\tzoë@example.fr\tSMTP\t"}));
    // Browse's banners: the loading notice, then its closing step.
    const Texts messages = host.messages();
    EXPECT_EQ(messages.front(), "Loading file: 0% done.");
    EXPECT_EQ(messages.back(), "Displaying List: 100% done.");
    EXPECT_EQ(host.lastEntryCount(), 4);

    loadNk2Structure(file, kDomainOnly, host);
    loadNk2Structure(file, kSmtpOnly, host);
    ASSERT_EQ(host.rows().size(), 8u);
    EXPECT_EQ(host.rows()[4], "5\tPaul Jones\tpjones\tEX\t");
    EXPECT_EQ(host.rows()[5], "6\tMary Smith\tmary@example.org\tSMTP\t");
    EXPECT_TRUE(host.lists().addresses.empty());
    EXPECT_TRUE(host.lists().names.empty());
}

// A window pauses the reading and the closing step whenever it likes; what arrives is the same.
TEST(StructureLoad, PausesChangeNothingButThePauses) {
    class PausingHost : public RecordingHost {
    public:
        bool pauseDue() const override { return true; }
    };
    const std::string file = nk2File(quillet::testdata::realisticEntries(3000, 800, 3));
    RecordingHost steady;
    PausingHost pausing;
    for (RecordingHost* host : {&steady, static_cast<RecordingHost*>(&pausing)}) {
        host->appendRow(quillet::core::rowFromText("1\tAlready\tthere@example.org\t"));
        loadNk2Structure(file, kBoth, *host);
    }
    ASSERT_EQ(pausing.rows().size(), 3801u);
    EXPECT_EQ(pausing.rows(), steady.rows());
    EXPECT_EQ(pausing.messages().back(), "Displaying List: 100% done.");
    EXPECT_EQ(pausing.lastEntryCount(), 3801);
    EXPECT_GT(pausing.waits(), steady.waits() + 3800);
}

TEST(StructureLoad, CountsTheAddressesTheScanDidNotFind) {
    // Enough Exchange markers to use up the scans' shared step budget.
    const auto entries = quillet::testdata::realisticEntries(6000, 3200, 21);
    const std::string file = nk2File(entries);
    quillet::core::HeadlessHost scanned;
    quillet::core::loadNk2(file, kBoth, scanned);
    const auto structure = readNk2Structure(file);

    std::unordered_set<std::string> found;
    for (const std::string& address : addressColumn(scanned)) {
        found.insert(quillet::core::addressKey(address));
    }
    std::size_t notFound = 0;
    for (const auto& entry : entries) {
        const std::string& address = entry.address;
        const std::string shown = entry.kind == quillet::testdata::EntryKind::Smtp
                                      ? address
                                      : address.substr(address.find("cn=Recipients/cn=") + 17);
        notFound += found.count(quillet::core::addressKey(shown)) == 0 ? 1 : 0;
    }
    const std::size_t missed = missedAddressCount(file, kBoth, shown(addressColumn(scanned)));
    EXPECT_EQ(missed, notFound);
    EXPECT_GT(missed, 5000u);

    // What the structural load appends covers every address.
    quillet::core::HeadlessHost everything;
    loadNk2Structure(file, kBoth, everything);
    EXPECT_EQ(everything.rows().size(), entries.size());
    EXPECT_EQ(missedAddressCount(file, kBoth, shown(addressColumn(everything))), 0u);
    EXPECT_EQ(missedAddressCount(file, kSmtpOnly, {}), 6000u);
}

TEST(StructureLoad, AddressKeyFoldsLettersOnly) {
    using quillet::core::addressKey;
    EXPECT_EQ(addressKey("Mary.SMITH@Example.ORG"), addressKey("mary.smith@example.org"));
    EXPECT_EQ(addressKey("ZOË@X.FR"), addressKey("zoë@x.fr"));
    EXPECT_EQ(addressKey("王@X.CN"), addressKey("王@x.cn"));
    EXPECT_NE(addressKey("a@x.org"), addressKey("b@x.org"));
    // Windows-1252 letters fold beside ASCII ones; text with no Windows-1252 form folds ASCII.
    EXPECT_EQ(addressKey("ŠTEFAN.ÖZ@X.SK"), addressKey("štefan.öz@x.sk"));
    EXPECT_NE(addressKey("ŠTEFAN.ÖZ@X.SK"), addressKey("stefan.oz@x.sk"));
    EXPECT_EQ(addressKey("ÀB王@X"), "Àb王@x");
}

// The grid cuts a row's cells at a NUL, so an address reaches the grid cut short and only that
// text counts as shown; a control character in a name or an address is a blank and moves no
// cell.
TEST(StructureLoad, MissedAddressesAreComparedAsTheGridShowsTheirRows) {
    const std::string file = nk2File({
        smtpEntry("Plain", "plain@example.org"),
        smtpEntry("Tab\tIn Name", "moved@example.org"),
        smtpEntry("Cut", std::string("cut@example.org\0tail", 21)),
        smtpEntry("Split", "split@example.org\tmore"),
    });
    const auto structure = readNk2Structure(file);
    ASSERT_TRUE(structure.complete) << structure.problem;
    const std::vector<std::string> asShown = {"PLAIN@example.org", "moved@example.org",
                                              "cut@example.org", "split@example.org more"};
    EXPECT_EQ(missedAddressCount(file, kBoth, shown(asShown)), 0u);
    EXPECT_EQ(missedAddressCount(file, kBoth, shown({"plain@example.org", "moved@example.org"})),
              2u);
}

namespace {

// One value of an item: a text by property id, 8-bit or UTF-16.
struct Text {
    std::uint16_t property;
    std::string utf8;
    bool wide = false;
};

// Items of texts, in a file with the format's header and footer.
std::string fileWithItems(const std::vector<std::vector<Text>>& items) {
    std::string file("\x0D\xF0\xAD\xBA\x0A\0\0\0\0\0\0\0", 12);
    const auto u32 = [&file](std::uint32_t value) {
        for (int i = 0; i < 4; ++i) {
            file += static_cast<char>((value >> (8 * i)) & 0xFF);
        }
    };
    u32(static_cast<std::uint32_t>(items.size()));
    for (const auto& texts : items) {
        u32(static_cast<std::uint32_t>(texts.size()));
        for (const auto& [property, utf8, wide] : texts) {
            const std::string bytes =
                wide ? quillet::core::encodeUtf16le(utf8) + std::string(2, '\0') : utf8 + '\0';
            u32((wide ? 0x001Fu : 0x001Eu) | static_cast<std::uint32_t>(property) << 16);
            file.append(12, '\0');
            u32(static_cast<std::uint32_t>(bytes.size()));
            file += bytes;
        }
    }
    file.append(12, '\0');
    return file;
}

std::string fileWithOneItem(const std::vector<Text>& texts) {
    return fileWithItems({texts});
}

} // namespace

TEST(StructureLoad, AnExchangeEntryGivesItsSmtpAddressToo) {
    const std::string dn = "/o=Example/ou=Site/CN=RECIPIENTS/CN=ann";
    const std::string both = fileWithOneItem(
        {{0x3001, "Ann Lee"}, {0x3002, "EX"}, {0x3003, dn}, {0x39FE, "ann@example.org"}});
    const auto structure = readNk2Structure(both);
    ASSERT_TRUE(structure.complete) << structure.problem;
    ASSERT_EQ(structure.items.size(), 1u);
    EXPECT_EQ(structure.items[0].address, "ann");
    EXPECT_EQ(structure.items[0].smtpAddress, "ann@example.org");

    const auto rows = [&](const LoadOptions& options) {
        RecordingHost host;
        loadNk2Structure(both, options, host);
        return host.rows();
    };
    EXPECT_EQ(rows(kBoth), (Texts{"1\tAnn Lee\tann\tEX\t", "2\tAnn Lee\tann@example.org\tSMTP\t"}));
    EXPECT_EQ(rows(kSmtpOnly), (Texts{"1\tAnn Lee\tann@example.org\tSMTP\t"}));
    EXPECT_EQ(rows(kDomainOnly), (Texts{"1\tAnn Lee\tann\tEX\t"}));

    // Without an address type the address tells; other types are no recipient of ours.
    EXPECT_EQ(readNk2Structure(fileWithOneItem({{0x3003, dn}})).items.at(0).type,
              quillet::core::AddressType::Exchange);
    EXPECT_EQ(readNk2Structure(fileWithOneItem({{0x3003, "bo@x.org"}})).items.at(0).type,
              quillet::core::AddressType::Smtp);
    EXPECT_TRUE(
        readNk2Structure(fileWithOneItem({{0x3002, "FAX"}, {0x3003, "123"}})).items.empty());
    EXPECT_TRUE(readNk2Structure(fileWithOneItem({{0x3001, "No Address"}})).items.empty());
}

// Texts are decoded into buffers kept from item to item: nothing may carry over, and UTF-16 texts
// keep their inner NULs and non-ASCII characters wherever they stand.
TEST(StructureLoad, EachItemGetsOnlyItsOwnTexts) {
    using namespace std::string_literals;
    const std::string file = fileWithItems({
        {{0x3001, "Zoë\0Tail"s, true}, {0x3003, "/o=X/cn=Recipients/cn=bé"s, true}},
        {{0x3003, "cut@x.org\0more"s, true}},
        {{0x3001, "Only A Name"}},
        {{0x3001, "\xED\xA0\x80 Lone"s, true}, {0x3002, "smtp", true}, {0x3003, "lone@x.org"}},
        {{0x3003, "CUT@x.org"}},
    });
    const auto structure = readNk2Structure(file);
    ASSERT_TRUE(structure.complete) << structure.problem;
    ASSERT_EQ(structure.items.size(), 4u);
    EXPECT_EQ(structure.items[0].displayName, "Zoë\0Tail"s);
    EXPECT_EQ(structure.items[0].address, "bé");
    EXPECT_EQ(structure.items[1].displayName, "");
    EXPECT_EQ(structure.items[1].address, "cut@x.org\0more"s);
    EXPECT_EQ(structure.items[2].displayName, "\uFFFD Lone");
    EXPECT_EQ(structure.items[2].type, quillet::core::AddressType::Smtp);

    // The count, read without keeping the items, finds the same addresses; two cells may show
    // one text.
    EXPECT_EQ(missedAddressCount(file, kBoth, {}),
              quillet::core::structureAddresses(structure, kBoth).size());
    EXPECT_EQ(missedAddressCount(file, kBoth, shown({"BÉ", "cut@x.org", "lone@x.org"})), 0u);
}

// Read a block at a time, keeping only what the item being read needs, the layout gives what a
// reading of the whole file gives, however the bytes come: one at a time, in odd sizes, whole;
// with an item larger than a block, a damaged item, a large footer, bytes after the footer, a read
// that fails, a file past the limit.
TEST(StructureLoad, AStreamedReadingGivesWhatTheWholeFileHolds) {
    std::vector<quillet::testdata::Nk2Entry> entries;
    for (int i = 0; i < 300; ++i) {
        entries.push_back(smtpEntry("Person " + std::to_string(i),
                                    "p" + std::to_string(i % 250) + "@x.org", i % 2 == 0));
    }
    entries.push_back(smtpEntry(std::string(300000, 'N'), "long@x.org", true));
    entries.push_back(exchangeEntry("Ex", "/o=X/cn=Recipients/cn=ex", "ex@x.org"));
    const std::string file = nk2File(entries);
    const std::string damaged = file.substr(0, file.size() * 3 / 4);
    // After the last item: a large extra-information block, or bytes no footer accounts for.
    const std::size_t footerAt = file.size() - 12;
    const std::string extraBlock = file.substr(0, footerAt) + std::string("\xE0\x93\x04\x00", 4) +
                                   std::string(300000, 'E') + file.substr(footerAt + 4);
    const std::string trailing = file + std::string(300000, 'J');
    struct Case {
        std::string_view bytes;
        std::size_t piece;                // the most one read gives
        std::size_t failAfter = SIZE_MAX; // a read from here on fails
        std::size_t limit = SIZE_MAX;
    };
    for (const Case& c :
         {Case{file, 1}, Case{file, 4093}, Case{file, file.size()}, Case{damaged, 65536},
          Case{file, 65536, 100000}, Case{file, 65536, SIZE_MAX, 200000}}) {
        std::size_t at = 0;
        const quillet::core::ReadSource source = [&](int, char* into, std::size_t size) {
            if (at >= c.failAfter) {
                errno = EIO;
                return ssize_t{-1};
            }
            const std::size_t count = std::min({size, c.piece, c.bytes.size() - at});
            std::copy_n(c.bytes.data() + at, count, into);
            at += count;
            return static_cast<ssize_t>(count);
        };
        Texts parts;
        quillet::core::FirstAddresses first(0);
        const auto keep = [&](const quillet::core::AddressPart& part) {
            for (const std::size_t i : first.newIn(part)) {
                parts.emplace_back(part.address(i));
            }
        };
        const auto read = quillet::core::streamStructure(
            source, 0, c.limit, kBoth, [&](const quillet::core::AddressPart& part) { keep(part); });
        if (c.failAfter != SIZE_MAX || c.limit != SIZE_MAX) {
            EXPECT_FALSE(read.ok);
            EXPECT_EQ(read.reason, c.limit != SIZE_MAX ? quillet::core::tooLargeReason(c.limit)
                                                       : std::strerror(EIO));
            continue;
        }
        ASSERT_TRUE(read.ok) << read.reason;
        const auto whole = readNk2Structure(c.bytes);
        EXPECT_EQ(read.structure.complete, whole.complete);
        EXPECT_EQ(read.structure.itemsRead, whole.itemsRead);
        EXPECT_EQ(read.structure.stoppedAt, whole.stoppedAt);
        EXPECT_EQ(read.structure.problem, whole.problem);
        Texts expected;
        for (const auto& entry : quillet::core::structureAddresses(whole, kBoth)) {
            expected.push_back(entry.address);
        }
        keep(read.rest);
        EXPECT_EQ(parts, expected) << c.piece;
    }
}

#include "nk2_generator.h"

#include "core/cp1252.h"

#include <algorithm>
#include <array>
#include <random>
#include <string_view>
#include <utility>

namespace quillet::testdata {
namespace {

using namespace std::string_view_literals;

// MAPI property types and the tags of the properties a cache row carries.
enum : std::uint32_t { PtLong = 0x0003, PtString8 = 0x001E, PtUnicode = 0x001F, PtBinary = 0x0102 };
enum : std::uint32_t {
    PrEntryId = 0x0FFF,
    PrInstanceKey = 0x0FF6,
    PrRecordKey = 0x0FF9,
    PrDisplayName = 0x3001,
    PrAddrType = 0x3002,
    PrEmailAddress = 0x3003,
    PrSearchKey = 0x300B,
    PrDisplayType = 0x3900,
    PrSmtpAddress = 0x39FE,
    PrNickNameWeight = 0x6001,
    PrDropDownDisplayName = 0x6003,
};

constexpr std::string_view kOneOffUid =
    "\x81\x2B\x1F\xA4\xBE\xA3\x10\x19\x9D\x6E\x00\xDD\x01\x0F\x54\x02"sv;
constexpr std::string_view kExchangeUid =
    "\xDC\xA7\x40\xC8\xC0\x42\x10\x1A\xB4\xB9\x08\x00\x2B\x2F\xE1\x82"sv;

constexpr std::uint64_t kLastWritten = 0x01DA3C457689C000;

void putU16(std::string& out, std::uint32_t value) {
    out += static_cast<char>(value & 0xFF);
    out += static_cast<char>((value >> 8) & 0xFF);
}

void putU32(std::string& out, std::uint32_t value) {
    putU16(out, value & 0xFFFF);
    putU16(out, value >> 16);
}

std::string upperAscii(std::string text) {
    for (char& c : text) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return text;
}

// One row: its property count, then each property as a 16-byte value (tag, reserved, value
// union) followed, for variable-sized types, by the size and the bytes.
class Row {
public:
    void binary(std::uint32_t id, std::string_view bytes) { sized(id, PtBinary, bytes); }
    void text(std::uint32_t id, std::string_view utf8, bool unicode) {
        sized(id, unicode ? PtUnicode : PtString8, encodedText(utf8, unicode));
    }
    // A value of a variable-sized type whose bytes are given as the file holds them.
    void sized(std::uint32_t id, std::uint32_t type, std::string_view bytes) {
        header(id, type, 0);
        putU32(data_, static_cast<std::uint32_t>(bytes.size()));
        data_ += bytes;
    }
    void number(std::uint32_t id, std::uint32_t value) { header(id, PtLong, value); }

    void appendTo(std::string& out) const {
        putU32(out, count_);
        out += data_;
    }

    // A string as the file stores it, terminator included.
    static std::string encodedText(std::string_view utf8, bool unicode) {
        return unicode ? core::encodeUtf16le(utf8) + std::string(2, '\0')
                       : core::encodeCp1252(utf8) + '\0';
    }

private:
    void header(std::uint32_t id, std::uint32_t type, std::uint32_t value) {
        putU32(data_, (id << 16) | type);
        putU32(data_, 0);
        putU32(data_, value);
        putU32(data_, 0);
        ++count_;
    }

    std::uint32_t count_ = 0;
    std::string data_;
};

std::string oneOffEntryId(const Nk2Entry& entry) {
    std::string id(4, '\0');
    id += kOneOffUid;
    putU16(id, 0);
    putU16(id, entry.unicode ? 0x9001 : 0x0000);
    id += Row::encodedText(entry.displayName, entry.unicode);
    id += Row::encodedText("SMTP", entry.unicode);
    id += Row::encodedText(entry.address, entry.unicode);
    return id;
}

std::string exchangeEntryId(const Nk2Entry& entry) {
    std::string id(4, '\0');
    id += kExchangeUid;
    putU32(id, 1); // version
    putU32(id, 0); // a mail user
    id += core::encodeCp1252(entry.address) + '\0';
    return id;
}

std::string instanceKey(std::size_t rowIndex) {
    std::string key;
    putU32(key, static_cast<std::uint32_t>(rowIndex + 1));
    return key;
}

// The marker-bearing values sit directly before a binary property, whose tag starts with the
// 0x02 byte that ends an address, as in the caches Outlook writes.
void fillRow(Row& row, const Nk2Entry& entry, std::size_t rowIndex) {
    const bool wide = entry.unicode;
    const std::string dropDown = entry.displayName + " <" + entry.address + ">";
    row.text(PrDisplayName, entry.displayName, wide);
    if (entry.kind == EntryKind::Smtp) {
        row.text(PrAddrType, "SMTP", wide);
        row.text(PrEmailAddress, entry.address, wide);
        row.text(PrDropDownDisplayName, dropDown, wide);
        row.text(PrSmtpAddress, entry.address, wide);
        row.binary(PrEntryId, oneOffEntryId(entry));
        row.binary(PrSearchKey, "SMTP:" + upperAscii(core::encodeCp1252(entry.address)) + '\0');
    } else {
        row.text(PrAddrType, "EX", wide);
        row.text(PrEmailAddress, entry.address, wide);
        row.binary(PrEntryId, exchangeEntryId(entry));
        row.binary(PrSearchKey, "EX:" + upperAscii(core::encodeCp1252(entry.address)) + '\0');
    }
    row.binary(PrInstanceKey, instanceKey(rowIndex));
    row.number(PrDisplayType, 0);
    row.number(PrNickNameWeight, 1000);
}

std::string padding(std::size_t size) {
    std::string bytes(size, 'a');
    for (std::size_t i = 0; i < size; ++i) {
        bytes[i] = static_cast<char>('a' + i % 26);
    }
    return bytes;
}

template <typename T> void shuffle(std::vector<T>& items, std::mt19937& random) {
    for (std::size_t i = items.size(); i > 1; --i) {
        std::swap(items[i - 1], items[random() % i]);
    }
}

} // namespace

Nk2Entry smtpEntry(std::string name, std::string address, bool unicode) {
    return {EntryKind::Smtp, std::move(name), std::move(address), unicode};
}

Nk2Entry exchangeEntry(std::string name, std::string distinguishedName, bool unicode) {
    return {EntryKind::Exchange, std::move(name), std::move(distinguishedName), unicode};
}

namespace {

// The header of a file of version 10.0 with that many rows.
std::string fileStart(std::size_t rows) {
    std::string out = "\x0D\xF0\xAD\xBA";
    putU32(out, 0x0A);
    putU32(out, 0);
    putU32(out, static_cast<std::uint32_t>(rows));
    return out;
}

// The footer: a row of no values, then the time of the last write (a fixed FILETIME,
// 2024-01-01 00:00 UTC, so the same entries always give the same bytes).
void appendFooter(std::string& out) {
    putU32(out, 0);
    putU32(out, static_cast<std::uint32_t>(kLastWritten & 0xFFFFFFFF));
    putU32(out, static_cast<std::uint32_t>(kLastWritten >> 32));
}

} // namespace

std::string nk2File(const std::vector<Nk2Entry>& entries, const Layout& layout) {
    std::string out = fileStart(entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        Row row;
        fillRow(row, entries[i], i);
        if (layout.paddingPerRow > 0) {
            row.binary(PrRecordKey, padding(layout.paddingPerRow));
        }
        row.appendTo(out);
    }
    appendFooter(out);
    return out;
}

std::string longNameFile(std::size_t nameBytes) {
    const std::vector<Nk2Entry> around = realisticEntries(2, 0, 1);
    std::string out = fileStart(3);
    Row first;
    fillRow(first, around[0], 0);
    first.appendTo(out);

    const Nk2Entry entry = smtpEntry("Long name", "long.name@example.org", true);
    std::string name(nameBytes & ~std::size_t{1}, '\0');
    constexpr std::string_view kRepeated = "Long name ";
    for (std::size_t unit = 0; unit < name.size() / 2; ++unit) {
        name[2 * unit] = kRepeated[unit % kRepeated.size()];
    }
    Row hostile;
    hostile.sized(PrDisplayName, PtUnicode, name);
    std::string().swap(name);
    hostile.text(PrAddrType, "SMTP", true);
    hostile.text(PrEmailAddress, entry.address, true);
    hostile.binary(PrEntryId, oneOffEntryId(entry));
    hostile.binary(PrSearchKey, "SMTP:" + upperAscii(entry.address) + '\0');
    hostile.appendTo(out);

    Row last;
    fillRow(last, around[1], 2);
    last.appendTo(out);
    appendFooter(out);
    return out;
}

namespace {

// One property of an Outlook-written entry, as the 16-byte value and its data.
std::string outlookValue(std::uint32_t tag, std::uint32_t reserved, std::uint64_t value,
                         std::string_view data = {}) {
    std::string out;
    putU32(out, tag);
    putU32(out, reserved);
    putU32(out, static_cast<std::uint32_t>(value & 0xFFFFFFFF));
    putU32(out, static_cast<std::uint32_t>(value >> 32));
    const std::uint16_t type = tag & 0xFFFF;
    if (type == PtUnicode || type == PtBinary) {
        putU32(out, static_cast<std::uint32_t>(data.size()));
        out += data;
    }
    return out;
}

std::string wide(std::string_view utf8) {
    return Row::encodedText(utf8, true);
}

std::string outlookOneOff(std::string_view name, std::string_view address, std::uint16_t flags) {
    std::string id(4, '\0');
    id += kOneOffUid;
    putU16(id, 0);
    putU16(id, flags);
    id += wide(name) + wide("SMTP") + wide(address);
    return id;
}

// Whether the entry's name is kept in quotes (the name itself has none).
bool quotedInFile(std::size_t index) {
    return index % 7 == 3;
}

std::string outlookEntry(const Nk2Entry& entry, std::size_t index, std::mt19937& random) {
    const std::string& address = entry.address;
    const std::string shown =
        quotedInFile(index) ? "'" + entry.displayName + "'" : entry.displayName;
    const auto reserved = [&random] { return static_cast<std::uint32_t>(random()); };
    constexpr std::uint32_t kNotFound = 0x8004010F;
    std::vector<std::string> values = {
        outlookValue(0x0C150003, reserved(), 1),
        outlookValue(0x39FE000A, reserved(), kNotFound),
        outlookValue(0x3A00000A, reserved(), kNotFound),
        outlookValue(0x3A710003, reserved(), 0),
        outlookValue(0x3A40000B, reserved(), 0),
        outlookValue(0x39000003, reserved(), 0),
        outlookValue(0x300B0102, reserved(), 0, "SMTP:" + upperAscii(address) + '\0'),
        outlookValue(0x0FF90102, reserved(), 0, outlookOneOff(entry.displayName, address, 0x8001)),
        outlookValue(0x0FFF0102, reserved(), 0, outlookOneOff(entry.displayName, address, 0x9001)),
        outlookValue(0x5FF70102, reserved(), 0, outlookOneOff(entry.displayName, address, 0x8000)),
        outlookValue(0x0FFE0003, reserved(), 6),
        outlookValue(0x3003001F, reserved(), 0, wide(address)),
        outlookValue(0x3002001F, reserved(), 0, wide("SMTP")),
        outlookValue(0x3001001F, reserved(), 0, wide(shown)),
        outlookValue(0x5FFF0003, reserved(), 0),
        outlookValue(0x5FDE0003, reserved(), 0),
        outlookValue(0x5FF6001F, reserved(), 0, wide(entry.displayName)),
        outlookValue(0x5FDF0003, reserved(), 0),
        outlookValue(0x6002000B, reserved(), 1),
        outlookValue(0x6003001F, reserved(), 0, wide(entry.displayName + "  <" + address + ">")),
        outlookValue(0x60040003, reserved(),
                     std::array<std::uint32_t, 5>{24576, 12288, 10240, 8704, 2048}[index % 5]),
    };
    for (const std::uint32_t tag :
         {0x5FFD0003U, 0x5FF20003U, 0x5FEF0003U, 0x5FF50003U, 0x5FEB0003U}) {
        if (random() % 3 != 0) {
            values.push_back(outlookValue(tag, reserved(), 0));
        }
    }
    const std::size_t typed = 1 + random() % 3;
    for (std::size_t i = 0; i < typed; ++i) {
        values.push_back(outlookValue(0x6001001F, reserved(), 0, wide(address.substr(0, 3 + i))));
    }
    shuffle(values, random);
    std::string out;
    putU32(out, static_cast<std::uint32_t>(values.size()));
    for (const std::string& value : values) {
        out += value;
    }
    return out;
}

} // namespace

std::string outlookFile(const std::vector<Nk2Entry>& entries, std::uint32_t seed) {
    std::mt19937 random(seed);
    std::string out = "\x0D\xF0\xAD\xBA";
    putU32(out, 0x0A);
    putU32(out, 1);
    putU32(out, static_cast<std::uint32_t>(entries.size()));
    for (std::size_t i = 0; i < entries.size(); ++i) {
        out += outlookEntry(entries[i], i, random);
    }
    putU32(out, 0); // no extra information
    putU32(out, static_cast<std::uint32_t>(kLastWritten & 0xFFFFFFFF));
    putU32(out, static_cast<std::uint32_t>(kLastWritten >> 32));
    return out;
}

std::vector<Nk2Entry> outlookEntries(std::size_t count, std::uint32_t seed) {
    std::vector<Nk2Entry> entries = realisticEntries(count, 0, seed);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        entries[i].unicode = true;
        if (i % 5 == 1) {
            entries[i].displayName = entries[i].address;
        }
    }
    return entries;
}

std::string autocompleteStream(std::vector<Nk2Entry> entries) {
    for (Nk2Entry& entry : entries) {
        entry.unicode = true;
    }
    return nk2File(entries);
}

std::vector<Nk2Entry> sampleEntries() {
    const std::string site = "/o=Example/ou=First Administrative Group/cn=Recipients/cn=";
    return {
        smtpEntry("Mary Smith", "mary.smith@example.org"),
        exchangeEntry("Paul Jones", site + "pjones"),
        smtpEntry("José Núñez", "jose.nunez@example.es"),
        smtpEntry("Łukasz Żak", "lukasz.zak@example.pl", true),
        exchangeEntry("Anna Müller", site + "amuller"),
        smtpEntry("王芳", "wang.fang@example.cn", true),
        smtpEntry("Tom O'Brien", "tom@obrien.example.ie"),
        exchangeEntry("Ren Tanaka", site + "rtanaka", true),
        smtpEntry("Αλέξης Παππάς", "alexis@example.gr", true),
        smtpEntry("Zoë Dubois", "zoe.dubois@example.fr", true),
        smtpEntry("Björn Ström", "bjorn.strom@example.se"),
        smtpEntry("Help Desk", "helpdesk@example.org"),
    };
}

std::vector<Nk2Entry> realisticEntries(std::size_t smtpCount, std::size_t exchangeCount,
                                       std::uint32_t seed) {
    static constexpr std::array<std::string_view, 12> first = {"Mary",  "Paul",   "Anna", "James",
                                                               "Linda", "Omar",   "Chen", "Sofia",
                                                               "Ivan",  "Fatima", "Noah", "Eva"};
    static constexpr std::array<std::string_view, 12> last = {"Smith",  "Jones", "Garcia", "Müller",
                                                              "Rossi",  "Novak", "Kim",    "Silva",
                                                              "Dubois", "Nowak", "Brown",  "Lopez"};
    static constexpr std::array<std::string_view, 6> wide = {"Łukasz Żak", "王芳",    "Αλέξης",
                                                             "Дмитрий",    "Zoë Ærø", "Nguyễn Văn"};
    static constexpr std::array<std::string_view, 4> domains = {"example.org", "example.com",
                                                                "mail.example.net", "corp.example"};
    std::mt19937 random(seed);
    std::vector<Nk2Entry> entries;
    for (std::size_t i = 0; i < smtpCount; ++i) {
        const std::string_view given = first[random() % first.size()];
        const std::string_view family = last[random() % last.size()];
        const std::string address = std::string(given) + "." + std::to_string(i) + "@" +
                                    std::string(domains[random() % domains.size()]);
        if (i % 3 == 2) {
            entries.push_back(smtpEntry(std::string(wide[random() % wide.size()]), address, true));
        } else {
            entries.push_back(smtpEntry(std::string(given) + " " + std::string(family), address));
        }
    }
    for (std::size_t i = 0; i < exchangeCount; ++i) {
        const std::string_view given = first[random() % first.size()];
        const std::string_view family = last[random() % last.size()];
        entries.push_back(
            exchangeEntry(std::string(given) + " " + std::string(family),
                          "/o=Example/ou=Exchange Administrative Group/cn=Recipients/cn=" +
                              std::string(1, given[0]) + "user" + std::to_string(i)));
    }
    shuffle(entries, random);
    return entries;
}

std::vector<Nk2Entry> unicodeEntries(std::size_t count, std::uint32_t seed) {
    static constexpr std::array<std::string_view, 12> names = {
        "Smith, Mary",    "Ops; Night Shift",
        "Ann \"Jo\" Lee", "Back\\Slash, Überwald office; Ærøskøbing 長い名前の部署と課",
        "Two\r\nLines",   "Line\nFeed",
        "王芳",           "Дмитрий Иванов",
        "Αλέξης Παππάς",  "محمد علي",
        "Nguyễn Văn Ánh", "Zoë, Ærø; \"Ünïcødé\" 🎉",
    };
    std::mt19937 random(seed);
    std::vector<Nk2Entry> entries;
    for (std::size_t i = 0; i < count; ++i) {
        const std::string name =
            std::string(names[random() % names.size()]) + " " + std::to_string(i);
        if (i % 10 == 9) {
            entries.push_back(exchangeEntry(
                name, "/o=Example/ou=Site/cn=Recipients/cn=user" + std::to_string(i), true));
        } else {
            entries.push_back(smtpEntry(name, "user" + std::to_string(i) + "@example.org", true));
        }
    }
    shuffle(entries, random);
    return entries;
}

std::string limitsFile() {
    // Each 8-bit Exchange row holds three Exchange markers, each SMTP row one "SMTP:".
    return nk2File(realisticEntries(9500, 3200, 9000));
}

std::string manyRowsFile() {
    // 2,700 Exchange markers and 6,100 "SMTP:" stay within the scan's 9000 steps.
    return nk2File(realisticEntries(6100, 900, 7000), Layout{.paddingPerRow = 263});
}

std::string hostileRandomFile(std::size_t size, std::uint32_t seed) {
    static constexpr std::array<std::string_view, 6> markers = {
        "cn=Recipients/cn=", "CN=RECIPIENTS/CN=", "SMTP:", "\xA4\xBE\xA3", kOneOffUid, "\x02"};
    std::mt19937 random(seed);
    std::string bytes(size, '\0');
    for (char& byte : bytes) {
        byte = static_cast<char>(random() & 0xFF);
    }
    auto plant = [&](std::string_view marker, std::size_t at) {
        if (at + marker.size() <= size) {
            bytes.replace(at, marker.size(), marker);
        }
    };
    for (std::size_t at = 17; at + 32 < size; at += 8 + random() % 64) {
        plant(markers[random() % markers.size()], at);
    }
    plant(markers[0], 0);
    if (size >= 5) {
        plant(markers[2], size - 5);
    }
    return bytes;
}

std::string fileWithoutTerminators(const std::vector<Nk2Entry>& entries) {
    std::string bytes = nk2File(entries);
    std::replace(bytes.begin(), bytes.end(), '\x02', '\x03');
    return bytes;
}

std::vector<Nk2Entry> entriesWithNulAndTab() {
    using namespace std::string_literals;
    return {
        smtpEntry("Ann\tLee", "ann.lee@example.org"),
        smtpEntry("Bob\0Hidden"s, "bob@example.org"),
        smtpEntry("Tab Address", "tab\taddr@example.org"),
        smtpEntry("Nul Address", "nul\0addr@example.org"s),
        smtpEntry("Wide\tTab", "wide.tab@example.org", true),
        exchangeEntry("Cyrus", "/o=Example/ou=Site/cn=Recipients/cn=cy\0rus"s),
        smtpEntry("", "nameless@example.org"),
    };
}

} // namespace quillet::testdata

#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Writes NK2 files laid out like Outlook's autocomplete cache, for tests, benchmarks, the fuzz
// corpus and the sample in examples/. Texts are given as UTF-8.
namespace quillet::testdata {

enum class EntryKind { Smtp, Exchange };

struct Nk2Entry {
    EntryKind kind = EntryKind::Smtp;
    std::string displayName;
    std::string address;  // an SMTP address, or the X.500 distinguished name of an Exchange entry
    bool unicode = false; // strings as UTF-16LE and the one-off flag word 0x9001 (Outlook 2003+)
};

Nk2Entry smtpEntry(std::string name, std::string address, bool unicode = false);
Nk2Entry exchangeEntry(std::string name, std::string distinguishedName, bool unicode = false);

// Padding added to every row as an extra binary property free of any marker byte, to set the
// file's size without changing what the reader finds.
struct Layout {
    std::size_t paddingPerRow = 0;
};

// Header (magic, version 10.0, row count), one row of property values per entry, then the
// 12-byte footer (a zero value count and a fixed last-written time). An SMTP row carries a one-off
// entry ID (display name, "SMTP", address) directly followed by its search key "SMTP:" +
// upper-cased address; an Exchange row carries its distinguished name as e-mail address (8-bit rows
// only), in its entry ID and, upper-cased, in its search key "EX:...".
std::string nk2File(const std::vector<Nk2Entry>& entries, const Layout& layout = {});

// How Outlook 2003/2007 itself writes a cache: header version 10.1, every text Unicode, 21 to 25
// properties per entry in an order shuffled per entry (the search key before the entry ID in
// some, after it in others, with other long properties between), error values where the SMTP
// address property would be, three one-off entry IDs, arbitrary reserved fields, the typed text
// once to three times, a weight, and the footer. A few display names are stored in single
// quotes (the recipient display name without them), some are the bare address. SMTP entries
// only; the names the entries give are what a reader should show.
std::string outlookFile(const std::vector<Nk2Entry>& entries, std::uint32_t seed);

// Entries as outlookFile writes them best: realistic SMTP people, every fifth named by its
// address, every seventh with a name Outlook keeps in quotes (the quotes are not in the name).
std::vector<Nk2Entry> outlookEntries(std::size_t count, std::uint32_t seed);

// An Outlook 2010+ autocomplete stream as tools export it from the mailbox (commonly
// Stream_Autocomplete_*.dat): the same layout as an NK2 file, with every row's strings in
// Unicode as those versions write them.
std::string autocompleteStream(std::vector<Nk2Entry> entries);

// The entries of examples/sample.nk2: SMTP and Exchange entries, 8-bit and Unicode names.
std::vector<Nk2Entry> sampleEntries();

// Made-up people, shuffled by seed; unicode entries come every third SMTP entry.
std::vector<Nk2Entry> realisticEntries(std::size_t smtpCount, std::size_t exchangeCount,
                                       std::uint32_t seed);

// count Unicode entries, one in ten Exchange, shuffled by seed, whose names hold what a
// vCard must escape (commas, semicolons, backslashes, line breaks), quotes and letters of
// many scripts.
std::vector<Nk2Entry> unicodeEntries(std::size_t count, std::uint32_t seed);

// About 9,500 Exchange and 9,500 SMTP markers in about 5 MB: enough to reach both step limits.
std::string limitsFile();

// 7,000 entries (6,100 SMTP, a third of them with Unicode names, and 900 Exchange) in about
// 5 MB, each row padded to about 700 bytes: a large cache the scan reads whole.
std::string manyRowsFile();

// Random bytes sprinkled with every marker the reader knows (Exchange, SMTP, name marker,
// one-off provider UID), an Exchange marker on the first byte and an SMTP marker ending on the
// last one.
std::string hostileRandomFile(std::size_t size, std::uint32_t seed);

// Three SMTP entries, the middle one's display name (PR_DISPLAY_NAME alone) `nameBytes` bytes of
// UTF-16 ("Long name " over and over, no terminator): a value far beyond any real one, for the
// readers' and the converter's memory.
std::string longNameFile(std::size_t nameBytes);

// A realistic file with every 0x02 byte changed to 0x03, so no address ever ends.
std::string fileWithoutTerminators(const std::vector<Nk2Entry>& entries);

// Entries whose names and addresses hold NUL and tab characters.
std::vector<Nk2Entry> entriesWithNulAndTab();

} // namespace quillet::testdata

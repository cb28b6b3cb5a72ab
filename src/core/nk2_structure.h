#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// Reads an NK2 file (or an Outlook 2010+ autocomplete stream) by its layout instead of scanning
// for markers: a 16-byte header (signature, major and minor version, item count), the items
// (each a value count and that many 16-byte value entries; texts and binaries followed by their
// byte size and bytes, a GUID by its 16 bytes, multi-valued ones by a count and each value) and
// a footer (the size of an extra-information block, the block, and 8 bytes of trailer).
namespace quillet::core {

enum class AddressType { Smtp, Exchange };

// The longest name or address kept, in bytes of UTF-8: far beyond any real one (an SMTP address
// has at most 254 characters), small enough that no hostile value reaches a cell or a file
// whole. A longer name is cut there; an entry with a longer address is left out.
inline constexpr std::size_t kStructureTextLimit = 1024;

// What one item says about a recipient. Texts are UTF-8 and hold no control character but NUL;
// a display name in one pair of single quotes comes without them.
struct Nk2Item {
    std::string displayName;
    AddressType type = AddressType::Smtp;
    std::string address;     // SMTP: the address; Exchange: the text after "cn=Recipients/cn="
    std::string smtpAddress; // an Exchange item's SMTP address, when it holds one
};

// The same as views into texts that stay valid only while the item is being visited.
struct Nk2ItemView {
    std::string_view displayName;
    AddressType type = AddressType::Smtp;
    std::string_view address;
    std::string_view smtpAddress;
};

struct Nk2Structure {
    std::vector<Nk2Item> items;       // items with an SMTP or Exchange address, in file order
    std::uint32_t itemCount = 0;      // as the header says
    std::uint32_t itemsRead = 0;      // whole items read before the end or the first inconsistency
    bool complete = false;            // header, every item and the footer read as the format says
    bool signature = false;           // the file starts as an NK2 file does
    std::size_t stoppedAt = 0;        // byte offset of the first inconsistency
    std::string problem;              // what was wrong there; empty when complete
    std::uint32_t leftOutTooLong = 0; // entries whose address is longer than any real one
};

// Reads the file up to its end or its first inconsistency; never reads outside `file`. Items
// are taken only whole, so a damaged item adds nothing.
Nk2Structure readNk2Structure(std::string_view file);

// The same reading in steps, for a file still coming in, and without keeping the items: each is
// handed to `visit` as it is read. readOn reads the whole items the bytes so far hold (the start
// of the file, growing from call to call); finish reads the rest of the whole file and returns
// what readNk2Structure would, its items left empty.
class Nk2ItemReader {
public:
    explicit Nk2ItemReader(std::function<void(const Nk2ItemView&)> visit);
    ~Nk2ItemReader();
    Nk2ItemReader(const Nk2ItemReader&) = delete;
    Nk2ItemReader& operator=(const Nk2ItemReader&) = delete;

    void readOn(std::string_view bytesSoFar);
    Nk2Structure finish(std::string_view file) &&;

    // The same over a window of the file, so that a reading need not keep the whole file: the
    // bytes from offset `start` on, reaching back at least to neededFrom() and on as far as the
    // file has come (in finish, to its end).
    void readOn(std::string_view window, std::size_t start);
    Nk2Structure finish(std::string_view window, std::size_t start) &&;
    // The offset of the first byte the reading still needs: where the item it waits for starts.
    std::size_t neededFrom() const;
    // Whether the reading ended at an inconsistency: no more bytes can change what it gives.
    bool stopped() const;

private:
    class Reader;
    std::unique_ptr<Reader> reader_;
};

// "Read N of M entries; stopped at byte X: PROBLEM." for an incomplete reading.
std::string structureProblemText(const Nk2Structure& structure);

} // namespace quillet::core

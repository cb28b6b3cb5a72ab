#include "core/nk2_structure.h"

#include "core/cp1252.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cstring>
#include <functional>
#include <optional>

namespace quillet::core {
namespace {

constexpr std::string_view kSignature = "\x0D\xF0\xAD\xBA";
constexpr std::size_t kHeaderSize = 16;
constexpr std::size_t kValueEntrySize = 16;
constexpr std::size_t kTrailerSize = 8; // after the extra-information block

// MAPI value types: those whose value sits in the entry's 8-byte data array, those whose bytes
// follow the entry, preceded by their size, a GUID's 16 bytes, and the multi-valued forms of
// binary and text (a count of values, then each as its single-valued form).
enum : std::uint16_t {
    TypeString8 = 0x001E,
    TypeUnicode = 0x001F,
    TypeGuid = 0x0048,
    TypeMultiple = 0x1000,
};
constexpr std::size_t kGuidSize = 16;

// The types whose value sits in the entry's 8-byte data array: 16-bit and 32-bit integers, float,
// double, currency, application time, error code, boolean, 64-bit integer (all below 64, as bits)
// and FILETIME.
constexpr std::uint64_t kFixedSizeTypes = 1U << 0x02 | 1U << 0x03 | 1U << 0x04 | 1U << 0x05 |
                                          1U << 0x06 | 1U << 0x07 | 1U << 0x0A | 1U << 0x0B |
                                          1U << 0x14;
constexpr std::uint16_t kTypeFileTime = 0x0040;
// The types whose bytes follow the entry, preceded by their size: embedded object, 8-bit and
// UTF-16 text (below 64, as bits) and binary.
constexpr std::uint64_t kVariableSizeTypes = 1U << 0x0D | 1U << TypeString8 | 1U << TypeUnicode;
constexpr std::uint16_t kTypeBinary = 0x0102;

// Whether the type is one of a set of types below 64, worked out without a branch: real caches
// order their properties differently from item to item, so the next value's type cannot be
// foreseen.
bool isAmong(std::uint64_t types, std::uint16_t type) {
    const std::uint64_t bit = (types >> (type & 63)) & 1;
    return (bit & static_cast<std::uint64_t>(type < 64)) != 0;
}

bool isFixedSize(std::uint16_t type) {
    return isAmong(kFixedSizeTypes, type) | (type == kTypeFileTime);
}

bool isVariableSize(std::uint16_t type) {
    return isAmong(kVariableSizeTypes, type) | (type == kTypeBinary);
}

// The properties a recipient's row is made of.
enum : std::uint16_t {
    PropDisplayName = 0x3001,
    PropAddressType = 0x3002,
    PropEmailAddress = 0x3003,
    PropSmtpAddress = 0x39FE,
};

// The little-endian number stored at `at`: on a little-endian machine one load, so that the
// reading's chain from one value's size to the next value's type stays short.
template <typename Number> Number littleEndianAt(std::string_view bytes, std::size_t at) {
    Number value = 0;
    if constexpr (std::endian::native == std::endian::little) {
        std::memcpy(&value, bytes.data() + at, sizeof value);
    } else {
        for (std::size_t i = sizeof value; i-- > 0;) {
            value = static_cast<Number>(value << 8 | static_cast<unsigned char>(bytes[at + i]));
        }
    }
    return value;
}

std::uint16_t u16At(std::string_view bytes, std::size_t at) {
    return littleEndianAt<std::uint16_t>(bytes, at);
}

std::uint32_t u32At(std::string_view bytes, std::size_t at) {
    return littleEndianAt<std::uint32_t>(bytes, at);
}

// A control character but NUL as a blank: no text may move a row's cells (a NUL cuts the cell
// where it stands).
char blankIfControl(unsigned char c) {
    return static_cast<char>(c != 0 && c < 0x20 ? ' ' : c);
}

// Copies `count` characters of `step` bytes each (1, or 2 for UTF-16LE) as one byte each, control
// characters blanked; whether every one was ASCII. One pass without an early exit over memory that
// cannot overlap, so that the compiler makes it wide instructions: names and addresses are mostly
// ASCII throughout.
template <std::size_t step>
bool narrowAscii(const unsigned char* __restrict from, std::size_t count,
                 unsigned char* __restrict to) {
    unsigned char high = 0;
    for (std::size_t at = 0; at < count; ++at) {
        const unsigned char low = from[step * at];
        high |= static_cast<unsigned char>(low & 0x80);
        if constexpr (step == 2) {
            high |= from[step * at + 1];
        }
        to[at] = low != 0 && low < 0x20 ? ' ' : low;
    }
    return high == 0;
}

// The text as ASCII into `text`, control characters blanked; false, with `text` unspecified, when
// it is not ASCII.
bool narrowAscii(std::string_view bytes, bool wide, std::string& text) {
    const auto* from = reinterpret_cast<const unsigned char*>(bytes.data());
    text.resize(wide ? bytes.size() / 2 : bytes.size());
    auto* to = reinterpret_cast<unsigned char*>(text.data());
    return wide ? narrowAscii<2>(from, text.size(), to) : narrowAscii<1>(from, text.size(), to);
}

// UTF-16LE to UTF-8; NUL characters inside the text are kept.
void decodeWide(std::string_view bytes, std::string& text) {
    text.clear();
    std::size_t start = 0;
    while (start <= bytes.size()) {
        std::size_t nul = start;
        while (nul + 1 < bytes.size() && (bytes[nul] != '\0' || bytes[nul + 1] != '\0')) {
            nul += 2;
        }
        if (nul + 1 >= bytes.size()) {
            text += decodeUtf16le(bytes.substr(start));
            break;
        }
        text += decodeUtf16le(bytes.substr(start, nul - start));
        text += '\0';
        start = nul + 2;
    }
}

// Whether a value holds more characters than a name or an address kept from it may.
bool isTooLong(std::uint16_t type, std::string_view bytes) {
    return bytes.size() / (type == TypeUnicode ? 2 : 1) > kStructureTextLimit + 1;
}

// Decodes into `text`, whose buffer is kept from item to item: without the terminator, at most
// kStructureTextLimit bytes of UTF-8, cut at a character's start, with every control character
// but NUL as a blank.
void decodeText(std::uint16_t type, std::string_view bytes, std::string& text) {
    const bool wide = type == TypeUnicode;
    const std::string_view terminator =
        wide ? std::string_view("\0\0", 2) : std::string_view("\0", 1);
    bytes = bytes.substr(0, (wide ? 2 : 1) * (kStructureTextLimit + 1));
    if (bytes.ends_with(terminator)) {
        bytes.remove_suffix(terminator.size());
    }
    if (narrowAscii(bytes, wide, text)) {
        text.resize(std::min(text.size(), kStructureTextLimit));
        return;
    }
    if (wide) {
        decodeWide(bytes, text);
    } else {
        text = decodeCp1252(bytes);
    }
    if (text.size() > kStructureTextLimit) {
        std::size_t cut = kStructureTextLimit;
        while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) {
            --cut;
        }
        text.resize(cut);
    }
    for (char& c : text) {
        c = blankIfControl(static_cast<unsigned char>(c));
    }
}

// The name without one pair of single quotes around it, as Outlook sometimes stores it.
std::string_view withoutQuotes(std::string_view name) {
    if (name.size() >= 2 && name.front() == '\'' && name.back() == '\'') {
        return name.substr(1, name.size() - 2);
    }
    return name;
}

std::string hex(std::uint16_t value) {
    std::array<char, 4> digits{};
    const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), value, 16).ptr;
    return "0x" + std::string(digits.data(), end);
}

bool equalsIgnoringCase(std::string_view text, std::string_view lower) {
    return text.size() == lower.size() &&
           std::equal(text.begin(), text.end(), lower.begin(), [](char a, char b) {
               return foldCp1252(static_cast<unsigned char>(a)) == static_cast<unsigned char>(b);
           });
}

// Where the text after "cn=Recipients/cn=" (in any letter case) starts, if it holds one. A
// distinguished name holds few '=', so only the places around them are compared.
std::optional<std::size_t> afterRecipients(std::string_view dn) {
    constexpr std::string_view marker = "cn=recipients/cn=";
    constexpr std::size_t equalsAt = 2;
    for (std::size_t at = dn.find('=', equalsAt); at != std::string_view::npos;
         at = dn.find('=', at + 1)) {
        if (equalsIgnoringCase(dn.substr(at - equalsAt, marker.size()), marker)) {
            return at - equalsAt + marker.size();
        }
    }
    return std::nullopt;
}

// The texts of one item that make a recipient; the buffers are reused for every item.
struct ItemTexts {
    std::string displayName;
    std::string addressType;
    std::string emailAddress;
    std::string smtpAddress;
    bool tooLong = false; // an address or its type longer than any real one

    void clear() {
        displayName.clear();
        addressType.clear();
        emailAddress.clear();
        smtpAddress.clear();
        tooLong = false;
    }

    // The item as a recipient, or nothing when it holds no SMTP or Exchange address.
    std::optional<Nk2ItemView> recipient() const {
        const bool typeSmtp = equalsIgnoringCase(addressType, "smtp");
        const bool typeExchange = equalsIgnoringCase(addressType, "ex");
        const auto cn = afterRecipients(emailAddress);
        Nk2ItemView item;
        item.displayName = withoutQuotes(displayName);
        if (typeExchange || (addressType.empty() && cn)) {
            item.type = AddressType::Exchange;
            item.address = std::string_view(emailAddress).substr(cn.value_or(0));
            item.smtpAddress = smtpAddress;
        } else if (typeSmtp || addressType.empty()) {
            item.address = emailAddress.empty() ? smtpAddress : emailAddress;
        }
        if (item.address.empty()) {
            return std::nullopt;
        }
        return item;
    }
};

} // namespace

class Nk2ItemReader::Reader {
public:
    explicit Reader(std::function<void(const Nk2ItemView&)> visit) : visit_(std::move(visit)) {}

    // Reads on from where the last call stopped. Where the bytes end inside an item, a step
    // leaves the item for the next call and the last step stops there.
    void read(std::string_view window, std::size_t start, bool last) {
        window_ = window;
        start_ = start;
        last_ = last;
        if (stopped_) {
            return;
        }
        if (!headerRead_) {
            if (window_.size() < kHeaderSize && !last_) {
                return;
            }
            if (window_.size() < kHeaderSize ||
                window_.substr(0, kSignature.size()) != kSignature) {
                stop(0, "not an NK2 file (no signature)");
                return;
            }
            result_.signature = true;
            result_.itemCount = u32(12);
            at_ = kHeaderSize;
            headerRead_ = true;
        }
        while (result_.itemsRead < result_.itemCount) {
            const std::size_t itemStart = at_;
            switch (readItem()) {
            case Step::Done:
                ++result_.itemsRead;
                break;
            case Step::Later:
                at_ = itemStart;
                return;
            case Step::Stopped:
                stopped_ = true;
                return;
            }
        }
        // The footer: the size of an extra-information block, the block, the trailer. Only its
        // first four bytes are read; of the rest only how many there are counts.
        if (!extra_ && left(at_) >= 4) {
            extra_ = u32(at_);
        }
        if (!last_) {
            return;
        }
        stopped_ = true;
        const std::size_t rest = left(at_);
        const std::uint64_t extra = extra_.value_or(0);
        const std::uint64_t footer = 4 + extra + kTrailerSize;
        if (rest == footer) {
            result_.complete = true;
        } else if (rest > footer && extra == 0) {
            fail(at_ + footer, "bytes after the footer");
        } else {
            fail(at_, "no footer after the last item");
        }
    }

    Nk2Structure result() && { return std::move(result_); }

    // The file's offset from which the reading still needs bytes: none once the footer's size
    // is known.
    std::size_t neededFrom() const { return extra_ ? start_ + window_.size() : at_; }
    bool stopped() const { return stopped_; }

private:
    enum class Step { Done, Later, Stopped };

    // How many bytes at hand from a file offset on, and the numbers stored there.
    std::size_t left(std::size_t offset) const { return start_ + window_.size() - offset; }
    std::uint16_t u16(std::size_t offset) const { return u16At(window_, offset - start_); }
    std::uint32_t u32(std::size_t offset) const { return u32At(window_, offset - start_); }

    Step readItem() {
        if (left(at_) < 4) {
            return ends(at_, "the file ends inside an item");
        }
        const std::uint32_t valueCount = u32(at_);
        if (valueCount == 0) {
            // What follows the last entry: the header counts entries the file does not hold.
            return fail(at_, "the header counts " + std::to_string(result_.itemCount) +
                                 " entries, the file holds " + std::to_string(result_.itemsRead));
        }
        if (valueCount > (left(at_) - 4) / kValueEntrySize) {
            return ends(at_, "more values than the file has room for");
        }
        at_ += 4;
        texts_.clear();
        for (std::uint32_t i = 0; i < valueCount; ++i) {
            if (readPlainValue()) {
                continue;
            }
            if (const Step step = readValue(); step != Step::Done) {
                return step;
            }
        }
        if (texts_.tooLong) {
            ++result_.leftOutTooLong;
        } else if (const auto item = texts_.recipient()) {
            visit_(*item);
        }
        return Step::Done;
    }

    // Reads any value, the careful way.
    Step readValue() {
        if (left(at_) < kValueEntrySize) {
            return ends(at_, "the file ends inside a value");
        }
        const std::uint16_t type = u16(at_);
        const std::uint16_t property = u16(at_ + 2);
        at_ += kValueEntrySize;
        if (isFixedSize(type)) {
            return Step::Done;
        }
        if (type == TypeGuid) {
            if (left(at_) < kGuidSize) {
                return ends(at_, "the file ends inside a GUID");
            }
            at_ += kGuidSize;
            return Step::Done;
        }
        const bool multiple = (type & TypeMultiple) != 0;
        const auto single = static_cast<std::uint16_t>(type & ~TypeMultiple);
        if (!isVariableSize(single) || (multiple && single == 0x000D)) {
            return fail(at_ - kValueEntrySize, "unknown value type " + hex(type));
        }
        std::uint32_t count = 1;
        if (multiple) {
            if (left(at_) < 4) {
                return ends(at_, "the file ends before a value's count");
            }
            count = u32(at_);
            if (count > (left(at_) - 4) / 4) {
                return ends(at_, "more values than the file has room for");
            }
            at_ += 4;
        }
        for (std::uint32_t i = 0; i < count; ++i) {
            const std::size_t sizeAt = at_;
            if (left(sizeAt) < 4) {
                return ends(sizeAt, "the file ends before a value's size");
            }
            const std::uint32_t size = u32(sizeAt);
            if (size > left(sizeAt) - 4) {
                return ends(sizeAt, "a value's size runs past the end of the file");
            }
            if (single == TypeUnicode && size % 2 != 0) {
                return fail(sizeAt, "a UTF-16 text of odd size");
            }
            // Of several texts the first stands for the property.
            if (i == 0 && (single == TypeString8 || single == TypeUnicode)) {
                keepText(property, single, window_.substr(sizeAt + 4 - start_, size));
            }
            at_ = sizeAt + 4 + size;
        }
        return Step::Done;
    }

    // Reads a value held in its entry or sized after it, the common kinds, when its entry and
    // size are at hand and hold no surprise; false, with nothing read, otherwise. Which kind
    // comes next cannot be foreseen, so it is worked out into the step taken, not branched on.
    bool readPlainValue() {
        if (left(at_) < kValueEntrySize + 4) {
            return false;
        }
        const std::uint16_t type = u16(at_);
        const std::uint16_t property = u16(at_ + 2);
        const bool held = isFixedSize(type);
        const bool counted = isVariableSize(type);
        if (!held && !counted) {
            return false;
        }
        const std::uint32_t size = u32(at_ + kValueEntrySize);
        const std::size_t follows = (std::size_t{4} + size) & (std::size_t{0} - counted);
        if (follows > left(at_) - kValueEntrySize || (type == TypeUnicode && size % 2 != 0)) {
            return false;
        }
        const std::size_t textAt = at_ + kValueEntrySize + 4;
        at_ += kValueEntrySize + follows;
        const bool text = (type == TypeString8) | (type == TypeUnicode);
        const bool wanted = (static_cast<std::uint16_t>(property - PropDisplayName) <= 2) |
                            (property == PropSmtpAddress);
        if (text & wanted) {
            keepText(property, type, window_.substr(textAt - start_, size));
        }
        return true;
    }

    void keepText(std::uint16_t property, std::uint16_t type, std::string_view bytes) {
        std::string* address = nullptr;
        switch (property) {
        case PropDisplayName:
            decodeText(type, bytes, texts_.displayName); // a long name is cut
            return;
        case PropAddressType:
            address = &texts_.addressType;
            break;
        case PropEmailAddress:
            address = &texts_.emailAddress;
            break;
        case PropSmtpAddress:
            address = &texts_.smtpAddress;
            break;
        default:
            return;
        }
        // A cut address would be another address: the entry is left out instead.
        if (isTooLong(type, bytes)) {
            texts_.tooLong = true;
        } else {
            decodeText(type, bytes, *address);
        }
    }

    // The bytes end too soon: in the last step the file does, before that only the part read.
    Step ends(std::size_t offset, std::string problem) {
        return last_ ? fail(offset, std::move(problem)) : Step::Later;
    }

    Step fail(std::size_t offset, std::string problem) {
        result_.stoppedAt = offset;
        result_.problem = std::move(problem);
        return Step::Stopped;
    }

    void stop(std::size_t offset, std::string problem) {
        fail(offset, std::move(problem));
        stopped_ = true;
    }

    std::function<void(const Nk2ItemView&)> visit_;
    // The bytes at hand: those of the file from offset start_ on.
    std::string_view window_;
    std::size_t start_ = 0;
    bool last_ = false;
    bool headerRead_ = false;
    bool stopped_ = false;
    std::size_t at_ = 0;
    std::optional<std::uint32_t> extra_; // the footer's extra-information size, once read
    ItemTexts texts_;
    Nk2Structure result_;
};

Nk2ItemReader::Nk2ItemReader(std::function<void(const Nk2ItemView&)> visit)
    : reader_(std::make_unique<Reader>(std::move(visit))) {}

Nk2ItemReader::~Nk2ItemReader() = default;

void Nk2ItemReader::readOn(std::string_view bytesSoFar) {
    reader_->read(bytesSoFar, 0, false);
}

Nk2Structure Nk2ItemReader::finish(std::string_view file) && {
    return std::move(*this).finish(file, 0);
}

void Nk2ItemReader::readOn(std::string_view window, std::size_t start) {
    reader_->read(window, start, false);
}

Nk2Structure Nk2ItemReader::finish(std::string_view window, std::size_t start) && {
    reader_->read(window, start, true);
    return std::move(*reader_).result();
}

std::size_t Nk2ItemReader::neededFrom() const {
    return reader_->neededFrom();
}

bool Nk2ItemReader::stopped() const {
    return reader_->stopped();
}

Nk2Structure readNk2Structure(std::string_view file) {
    std::vector<Nk2Item> items;
    Nk2Structure structure =
        Nk2ItemReader([&items](const Nk2ItemView& item) {
            items.push_back({std::string(item.displayName), item.type, std::string(item.address),
                             std::string(item.smtpAddress)});
        }).finish(file);
    structure.items = std::move(items);
    return structure;
}

std::string structureProblemText(const Nk2Structure& structure) {
    return "Read " + std::to_string(structure.itemsRead) + " of " +
           std::to_string(structure.itemCount) + " entries; stopped at byte " +
           std::to_string(structure.stoppedAt) + ": " + structure.problem + ".";
}

} // namespace quillet::core

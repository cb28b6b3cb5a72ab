#include "core/nk2_structure.h"

#include "core/cp1252.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <optional>

namespace quillet::core {
namespace {

constexpr std::string_view kSignature = "\x0D\xF0\xAD\xBA";
constexpr std::size_t kHeaderSize = 16;
constexpr std::size_t kValueEntrySize = 16;
constexpr std::size_t kFooterSize = 12;

// MAPI value types: those whose value sits in the entry's 8-byte data array, and those whose
// bytes follow the entry, preceded by their size.
enum : std::uint16_t { TypeString8 = 0x001E, TypeUnicode = 0x001F };

bool isFixedSize(std::uint16_t type) {
    switch (type) {
    case 0x0002: // 16-bit integer
    case 0x0003: // 32-bit integer
    case 0x0004: // float
    case 0x0005: // double
    case 0x0006: // currency
    case 0x0007: // application time
    case 0x000A: // error code
    case 0x000B: // boolean
    case 0x0014: // 64-bit integer
    case 0x0040: // FILETIME
        return true;
    default:
        return false;
    }
}

bool isVariableSize(std::uint16_t type) {
    switch (type) {
    case 0x000D: // embedded object
    case TypeString8:
    case TypeUnicode:
    case 0x0048: // GUID
    case 0x0102: // binary
        return true;
    default:
        return false;
    }
}

// The properties a recipient's row is made of.
enum : std::uint16_t {
    PropDisplayName = 0x3001,
    PropAddressType = 0x3002,
    PropEmailAddress = 0x3003,
    PropSmtpAddress = 0x39FE,
};

std::uint16_t u16At(std::string_view bytes, std::size_t at) {
    return static_cast<std::uint16_t>(static_cast<unsigned char>(bytes[at]) |
                                      static_cast<unsigned char>(bytes[at + 1]) << 8);
}

std::uint32_t u32At(std::string_view bytes, std::size_t at) {
    return u16At(bytes, at) | static_cast<std::uint32_t>(u16At(bytes, at + 2)) << 16;
}

// UTF-16LE to UTF-8 without the terminator; NUL characters inside the text are kept.
std::string decodeWide(std::string_view bytes) {
    if (bytes.size() >= 2 && bytes.substr(bytes.size() - 2) == std::string_view("\0\0", 2)) {
        bytes.remove_suffix(2);
    }
    std::string text;
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
    return text;
}

std::string decodeText(std::uint16_t type, std::string_view bytes) {
    if (type == TypeUnicode) {
        return decodeWide(bytes);
    }
    if (!bytes.empty() && bytes.back() == '\0') {
        bytes.remove_suffix(1);
    }
    return decodeCp1252(bytes);
}

std::string hex(std::uint16_t value) {
    std::array<char, 4> digits{};
    const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), value, 16).ptr;
    return "0x" + std::string(digits.data(), end);
}

bool equalsIgnoringCase(std::string_view text, std::string_view lower) {
    return text.size() == lower.size() &&
           std::equal(text.begin(), text.end(), lower.begin(), [](char a, char b) {
               return foldCp1252(static_cast<unsigned char>(a)) == b;
           });
}

// Where the text after "cn=Recipients/cn=" (in any letter case) starts, if it holds one.
std::optional<std::size_t> afterRecipients(std::string_view dn) {
    constexpr std::string_view marker = "cn=recipients/cn=";
    for (std::size_t at = 0; at + marker.size() <= dn.size(); ++at) {
        if (equalsIgnoringCase(dn.substr(at, marker.size()), marker)) {
            return at + marker.size();
        }
    }
    return std::nullopt;
}

// The texts of one item that make a recipient.
struct ItemTexts {
    std::string displayName;
    std::string addressType;
    std::string emailAddress;
    std::string smtpAddress;

    // The item as a recipient, or nothing when it holds no SMTP or Exchange address.
    std::optional<Nk2Item> recipient() && {
        const bool typeSmtp = equalsIgnoringCase(addressType, "smtp");
        const bool typeExchange = equalsIgnoringCase(addressType, "ex");
        const auto cn = afterRecipients(emailAddress);
        Nk2Item item;
        item.displayName = std::move(displayName);
        if (typeExchange || (addressType.empty() && cn)) {
            item.type = AddressType::Exchange;
            item.address = cn ? emailAddress.substr(*cn) : std::move(emailAddress);
            item.smtpAddress = std::move(smtpAddress);
        } else if (typeSmtp || addressType.empty()) {
            item.address = emailAddress.empty() ? std::move(smtpAddress) : std::move(emailAddress);
        }
        if (item.address.empty()) {
            return std::nullopt;
        }
        return item;
    }
};

class Reader {
public:
    explicit Reader(std::string_view file) : file_(file) {}

    Nk2Structure read() {
        if (file_.size() < kHeaderSize || file_.substr(0, kSignature.size()) != kSignature) {
            return stop(0, "not an NK2 file (no signature)");
        }
        result_.itemCount = u32At(file_, 12);
        at_ = kHeaderSize;
        while (result_.itemsRead < result_.itemCount) {
            if (!readItem()) {
                return std::move(result_);
            }
            ++result_.itemsRead;
        }
        if (file_.size() - at_ < kFooterSize || u32At(file_, at_) != 0) {
            return stop(at_, "no footer after the last item");
        }
        if (file_.size() - at_ > kFooterSize) {
            return stop(at_ + kFooterSize, "bytes after the footer");
        }
        result_.complete = true;
        return std::move(result_);
    }

private:
    bool readItem() {
        if (file_.size() - at_ < 4) {
            return fail(at_, "the file ends inside an item");
        }
        const std::uint32_t valueCount = u32At(file_, at_);
        if (valueCount > (file_.size() - at_ - 4) / kValueEntrySize) {
            return fail(at_, "more values than the file has room for");
        }
        at_ += 4;
        ItemTexts texts;
        for (std::uint32_t i = 0; i < valueCount; ++i) {
            if (!readValue(texts)) {
                return false;
            }
        }
        if (auto item = std::move(texts).recipient()) {
            result_.items.push_back(std::move(*item));
        }
        return true;
    }

    bool readValue(ItemTexts& texts) {
        if (file_.size() - at_ < kValueEntrySize) {
            return fail(at_, "the file ends inside a value");
        }
        const std::uint16_t type = u16At(file_, at_);
        const std::uint16_t property = u16At(file_, at_ + 2);
        if (isFixedSize(type)) {
            at_ += kValueEntrySize;
            return true;
        }
        if (!isVariableSize(type)) {
            return fail(at_, "unknown value type " + hex(type));
        }
        const std::size_t sizeAt = at_ + kValueEntrySize;
        if (file_.size() - sizeAt < 4) {
            return fail(sizeAt, "the file ends before a value's size");
        }
        const std::uint32_t size = u32At(file_, sizeAt);
        if (size > file_.size() - sizeAt - 4) {
            return fail(sizeAt, "a value's size runs past the end of the file");
        }
        if (type == TypeUnicode && size % 2 != 0) {
            return fail(sizeAt, "a UTF-16 text of odd size");
        }
        const std::string_view bytes = file_.substr(sizeAt + 4, size);
        if (type == TypeString8 || type == TypeUnicode) {
            keepText(texts, property, type, bytes);
        }
        at_ = sizeAt + 4 + size;
        return true;
    }

    static void keepText(ItemTexts& texts, std::uint16_t property, std::uint16_t type,
                         std::string_view bytes) {
        switch (property) {
        case PropDisplayName:
            texts.displayName = decodeText(type, bytes);
            break;
        case PropAddressType:
            texts.addressType = decodeText(type, bytes);
            break;
        case PropEmailAddress:
            texts.emailAddress = decodeText(type, bytes);
            break;
        case PropSmtpAddress:
            texts.smtpAddress = decodeText(type, bytes);
            break;
        default:
            break;
        }
    }

    bool fail(std::size_t offset, std::string problem) {
        result_.stoppedAt = offset;
        result_.problem = std::move(problem);
        return false;
    }

    Nk2Structure stop(std::size_t offset, std::string problem) {
        fail(offset, std::move(problem));
        return std::move(result_);
    }

    std::string_view file_;
    std::size_t at_ = 0;
    Nk2Structure result_;
};

} // namespace

Nk2Structure readNk2Structure(std::string_view file) {
    return Reader(file).read();
}

std::string structureProblemText(const Nk2Structure& structure) {
    return "Read " + std::to_string(structure.itemsRead) + " of " +
           std::to_string(structure.itemCount) + " entries; stopped at byte " +
           std::to_string(structure.stoppedAt) + ": " + structure.problem + ".";
}

} // namespace quillet::core

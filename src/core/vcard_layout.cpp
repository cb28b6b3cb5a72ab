#include "core/vcard_layout.h"

#include "core/address_row.h"
#include "core/name_uuid.h"

namespace quillet::core {
namespace {

bool isUtf8Continuation(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

bool isControlCharacter(char byte) {
    const auto code = static_cast<unsigned char>(byte);
    return code < 0x20 || code == 0x7F;
}

void appendCard(std::string& out, std::string_view name, std::string_view address) {
    // A name of control characters only is as good as none.
    std::string shownName = escapedVcardText(name);
    if (shownName.empty()) {
        shownName = escapedVcardText(address);
    }
    out += "BEGIN:VCARD\r\nVERSION:3.0\r\n";
    out += foldedVcardLine("FN:" + shownName);
    // The whole name goes into the family name: splitting it into given and family names
    // would be guesswork for most of the world's names.
    out += foldedVcardLine("N:" + shownName + ";;;;");
    out += foldedVcardLine("EMAIL;TYPE=INTERNET:" + escapedVcardText(address));
    // The same address gives the same card on every export, so that an address book updates
    // the card it has instead of adding another.
    out += "UID:urn:uuid:" + nameUuid(addressKey(address)) + "\r\n";
    out += "END:VCARD\r\n";
}

} // namespace

bool hasInternetAddress(std::string_view address) {
    return address.find('@') != std::string_view::npos;
}

std::string escapedVcardText(std::string_view value) {
    std::string out;
    out.reserve(value.size());
    for (std::size_t i = 0; i < value.size(); ++i) {
        const char c = value[i];
        switch (c) {
        case '\\':
        case ',':
        case ';':
            out += '\\';
            out += c;
            break;
        case '\r':
            if (i + 1 < value.size() && value[i + 1] == '\n') {
                ++i;
            }
            out += "\\n";
            break;
        case '\n':
            out += "\\n";
            break;
        default:
            // vCard text has no form for other control characters, and an importer may
            // refuse the whole file over one; the tab is allowed.
            if (!isControlCharacter(c) || c == '\t') {
                out += c;
            }
        }
    }
    return out;
}

std::string foldedVcardLine(std::string_view line) {
    std::string out;
    out.reserve(line.size() + line.size() / (kVcardLineOctets - 1) * 3 + 2);
    std::size_t room = kVcardLineOctets;
    while (line.size() > room) {
        std::size_t cut = room;
        // Back up to the start of a UTF-8 sequence (at most three bytes); text that is not
        // UTF-8 at all is cut where the line is full.
        while (cut > room - 3 && isUtf8Continuation(line[cut])) {
            --cut;
        }
        if (isUtf8Continuation(line[cut])) {
            cut = room;
        }
        out.append(line.substr(0, cut));
        out += "\r\n ";
        line.remove_prefix(cut);
        room = kVcardLineOctets - 1; // the leading blank takes one octet
    }
    out.append(line);
    out += "\r\n";
    return out;
}

VcardExport vcardExport(std::span<const ContactRow> rows) {
    VcardExport result;
    for (const ContactRow& row : rows) {
        if (!hasInternetAddress(row.address)) {
            ++result.leftOut;
            continue;
        }
        appendCard(result.text, row.name, row.address);
        ++result.cards;
    }
    return result;
}

} // namespace quillet::core

#pragma once

#include "core/contacts_layout.h"

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

// vCard 3.0 (RFC 2426) for address books other than Outlook's. All texts here are UTF-8.
namespace quillet::core {

// Lines are folded so that none is longer than this many octets, line end excluded.
inline constexpr std::size_t kVcardLineOctets = 75;

// An address book can only mail an address with a domain; an Exchange alias has none.
bool hasInternetAddress(std::string_view address);

// A text value with backslashes, commas and semicolons escaped, every line break (CR LF, CR
// or LF) written as \n and the other control characters but the tab left out.
std::string escapedVcardText(std::string_view value);

// The line ended by CR LF, folded into several lines when it is longer than kVcardLineOctets:
// each continuation starts with a blank, and no fold splits a UTF-8 sequence.
std::string foldedVcardLine(std::string_view line);

struct VcardExport {
    std::string text;        // the cards, each line ended by CR LF
    std::size_t cards = 0;   // rows written
    std::size_t leftOut = 0; // rows without an Internet address
};

// One card per row with an Internet address: FN and N from the name (the address when the
// name is empty or only control characters) and the address as EMAIL;TYPE=INTERNET. The
// rows' type is not written.
VcardExport vcardExport(std::span<const ContactRow> rows);

} // namespace quillet::core

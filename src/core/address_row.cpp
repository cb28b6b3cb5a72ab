#include "core/address_row.h"

#include "core/cp1252.h"

#include <array>

namespace quillet::core {
namespace {

constexpr std::array<std::string AddressRow::*, kColumnCount> kCells = {
    &AddressRow::number, &AddressRow::name, &AddressRow::address, &AddressRow::type};

// Copies the bytes with the ASCII letters in lower case; whether every byte was ASCII.
bool lowerAscii(const unsigned char* __restrict from, std::size_t count,
                unsigned char* __restrict to) {
    unsigned char high = 0;
    for (std::size_t at = 0; at < count; ++at) {
        const unsigned char c = from[at];
        high |= c;
        const bool upper = static_cast<unsigned char>(c - 'A') < 26;
        to[at] = static_cast<unsigned char>(upper ? c + ('a' - 'A') : c);
    }
    return high < 0x80;
}

} // namespace

std::string& AddressRow::operator[](Column column) {
    return this->*kCells[static_cast<std::size_t>(column)];
}

const std::string& AddressRow::operator[](Column column) const {
    return this->*kCells[static_cast<std::size_t>(column)];
}

std::string_view cutAtNul(std::string_view text) {
    return text.substr(0, text.find('\0'));
}

AddressRow rowFromText(std::string_view tabJoined) {
    AddressRow row;
    std::size_t start = 0;
    for (std::string AddressRow::*cell : kCells) {
        if (start > tabJoined.size()) {
            break;
        }
        const std::size_t tab = tabJoined.find('\t', start);
        const std::size_t end = tab == std::string_view::npos ? tabJoined.size() : tab;
        row.*cell = cutAtNul(tabJoined.substr(start, end - start));
        start = end + 1;
    }
    return row;
}

AddressRow rowOf(std::string number, std::string name, std::string address) {
    // Mostly nothing moves, and the cells are the texts themselves.
    if (name.find('\t') == std::string::npos && address.find('\t') == std::string::npos) {
        AddressRow row{std::move(number), std::move(name), std::move(address), {}};
        for (std::string* cell : {&row.number, &row.name, &row.address}) {
            cell->resize(cutAtNul(*cell).size());
        }
        return row;
    }
    std::string joined = std::move(number);
    for (const std::string* text : {&name, &address}) {
        joined += '\t';
        joined += *text;
    }
    joined += '\t';
    return rowFromText(joined);
}

std::string addressKey(std::string_view utf8) {
    std::string key;
    addressKey(utf8, key);
    return key;
}

void addressKey(std::string_view utf8, std::string& key) {
    // ASCII is the same in both encodings, and both fold its letters alike: its key is the one
    // pass below, which the compiler makes wide instructions.
    key.resize(utf8.size());
    if (lowerAscii(reinterpret_cast<const unsigned char*>(utf8.data()), utf8.size(),
                   reinterpret_cast<unsigned char*>(key.data()))) {
        return;
    }
    const std::string bytes = encodeCp1252(utf8);
    if (decodeCp1252(bytes) == utf8) {
        key = foldCaseCp1252(bytes);
    }
}

} // namespace quillet::core

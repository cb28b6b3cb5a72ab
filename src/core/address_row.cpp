#include "core/address_row.h"

#include <array>

namespace quillet::core {
namespace {

constexpr std::array<std::string AddressRow::*, kColumnCount> kCells = {
    &AddressRow::number, &AddressRow::name, &AddressRow::address, &AddressRow::type};

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

AddressRow rowOf(std::string_view number, std::string_view name, std::string_view address) {
    // Mostly nothing moves, and the cells are the texts themselves.
    if (name.find('\t') == std::string_view::npos && address.find('\t') == std::string_view::npos) {
        return {std::string(cutAtNul(number)),
                std::string(cutAtNul(name)),
                std::string(cutAtNul(address)),
                {}};
    }
    std::string joined(number);
    for (const std::string_view text : {name, address}) {
        joined += '\t';
        joined += text;
    }
    joined += '\t';
    return rowFromText(joined);
}

} // namespace quillet::core

#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quillet::core {

// The address list's columns, left to right.
enum class Column { Number, Name, Address, Type };
inline constexpr int kColumnCount = 4;

// One entry of the address list: what the grid shows, the search finds and an export writes.
// Texts are UTF-8 and never hold a NUL.
struct AddressRow {
    std::string number;
    std::string name;
    std::string address;
    std::string type;    // empty: an export writes kDefaultEmailType
    bool byHand = false; // added or edited by the user, not as a file gave it

    std::string& operator[](Column column);
    const std::string& operator[](Column column) const;
    bool operator==(const AddressRow&) const = default;
};
using AddressRows = std::vector<AddressRow>;

// The text up to its first NUL.
std::string_view cutAtNul(std::string_view text);

// A row written as its cells joined by tabs: missing cells are empty, text past the fourth cell
// is dropped, and every cell is cut at its first NUL.
AddressRow rowFromText(std::string_view tabJoined);

// A new row as the loader and the Add dialog make it: number, name and address joined by tabs,
// so that a tab inside the name or the address moves the rest of the row one column on.
AddressRow rowOf(std::string number, std::string name, std::string address);

} // namespace quillet::core

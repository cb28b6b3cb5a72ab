#pragma once

#include <array>
#include <string>
#include <string_view>

namespace quillet::core {

inline constexpr int kGridColumns = 4;

// Splits a tab-joined row text into the grid's four cells: missing cells are empty, text past
// the fourth cell is dropped, and every cell is cut at its first NUL (a grid cell never holds one).
std::array<std::string, kGridColumns> splitRowText(std::string_view tabJoined);

// The text up to its first NUL.
std::string_view cutAtNul(std::string_view text);

} // namespace quillet::core

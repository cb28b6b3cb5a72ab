#pragma once

#include "core/address_row.h"

#include <span>
#include <string>
#include <string_view>

namespace quillet::cli {

// The text as a JSON string, quotes included. Control characters, quotes and backslashes are
// escaped, and so are the line separators U+0085, U+2028 and U+2029; a byte that is not part of
// valid UTF-8 becomes U+FFFD, so the result is always valid JSON in UTF-8.
std::string jsonString(std::string_view text);

// One JSON object per row and line: {"number":N,"name":"...","address":"...","type":"..."}.
std::string jsonLines(std::span<const core::AddressRow> rows);

} // namespace quillet::cli

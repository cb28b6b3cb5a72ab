#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace quillet::cli {

// The text as a JSON string, quotes included. Control characters, quotes and backslashes are
// escaped, and so are the line separators U+0085, U+2028 and U+2029; a byte that is not part of
// valid UTF-8 becomes U+FFFD, so the result is always valid JSON in UTF-8.
std::string jsonString(std::string_view text);

// Appends a row as one JSON object on its line:
// {"number":N,"name":"...","address":"...","type":"..."}.
void appendJsonLine(std::string& text, std::size_t number, std::string_view name,
                    std::string_view address, std::string_view type);

} // namespace quillet::cli

#pragma once

#include <array>
#include <string>
#include <string_view>

namespace quillet::core {

// A name-based UUID (RFC 4122 version 5: SHA-1 of a namespace and the name) in its text form,
// e.g. "1b4e28ba-2fa1-51d2-883f-0016d3cca427": the same name gives the same UUID everywhere.
// In Quillet's own namespace:
std::string nameUuid(std::string_view name);
// In another, given by its 16 bytes:
using UuidNamespace = std::array<unsigned char, 16>;
std::string nameUuid(const UuidNamespace& space, std::string_view name);

} // namespace quillet::core

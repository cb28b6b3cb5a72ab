#pragma once

#include <ostream>
#include <string_view>

namespace quillet::cli {

// Writes text to out in one go; on failure says so on err. Returns the exit status.
int writeToStream(std::ostream& out, std::string_view text, std::ostream& err);

} // namespace quillet::cli

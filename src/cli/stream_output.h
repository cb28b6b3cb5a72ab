#pragma once

#include <initializer_list>
#include <ostream>
#include <string_view>

namespace quillet::cli {

// Writes the texts to out one after the other; on failure says so on err. Returns the exit status.
int writeToStream(std::ostream& out, std::initializer_list<std::string_view> texts,
                  std::ostream& err);

} // namespace quillet::cli

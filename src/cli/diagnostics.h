#pragma once

#include <ostream>
#include <string_view>

namespace quillet::cli {

inline constexpr std::string_view kProgram = "quillet-convert";

// Starts a line on standard error that names the program: "quillet-convert: ".
std::ostream& problem(std::ostream& err);
// The same for what went right but deserves a look: "quillet-convert: warning: ".
std::ostream& warning(std::ostream& err);

} // namespace quillet::cli

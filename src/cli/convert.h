#pragma once

#include <ostream>
#include <span>

namespace quillet::cli {

// The whole converter: parses the arguments after the program name, reads every NK2 file,
// loads them one after the other into one grid and prints or exports it. Returns the exit
// status.
int runConverter(std::span<const char* const> arguments, std::ostream& out, std::ostream& err);

} // namespace quillet::cli

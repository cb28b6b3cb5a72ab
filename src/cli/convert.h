#pragma once

#include "core/file_bytes.h"

#include <cstddef>
#include <ostream>
#include <span>

namespace quillet::cli {

// How the input files are read: the system's read up to the size limit, or a test's stand-in
// that fails part-way or never ends.
struct InputReading {
    core::ReadSource source = core::os::systemRead;
    std::size_t limit = core::kInputSizeLimit;
};

// The whole converter: parses the arguments after the program name, reads every NK2 file,
// loads them one after the other into one grid and prints or exports it. Returns the exit
// status.
int runConverter(std::span<const char* const> arguments, std::ostream& out, std::ostream& err,
                 const InputReading& reading = {});

} // namespace quillet::cli

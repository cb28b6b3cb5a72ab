#pragma once

#include "core/file_identity.h"

#include <cstddef>
#include <string>

namespace quillet::core {

// The largest input read: 2 GiB, hundreds of times any real NK2 file (a few megabytes), and
// below what the load's 32-bit positions could address.
inline constexpr std::size_t kInputSizeLimit = std::size_t{2} << 30;

// A whole file's bytes, or the reason why it could not be read.
struct FileBytes {
    bool ok = false;
    std::string bytes;
    std::string reason;      // set when !ok, e.g. "No such file or directory"
    FileIdentity identity{}; // of the file read, when ok
};

// Reads a whole file into memory, opening it for reading only. A file of more than `limit`
// bytes is refused ("File too large: ..."): the read stops there whatever size the system
// reports, so that growing files and endless ones such as some /proc files end too. Running
// out of memory is a reason like any other.
FileBytes readFileBytes(const std::string& path, std::size_t limit = kInputSizeLimit);

// "Could not open " + path + ": " + reason: what the user is told about an unreadable file.
std::string couldNotOpenText(const std::string& path, const std::string& reason);

} // namespace quillet::core

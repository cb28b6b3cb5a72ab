#pragma once

#include <string>

namespace quillet::core {

// A whole file's bytes, or the system's reason why it could not be read.
struct FileBytes {
    bool ok = false;
    std::string bytes;
    std::string reason; // set when !ok, e.g. "No such file or directory"
};

// Reads a whole file into memory, opening it for reading only.
FileBytes readFileBytes(const std::string& path);

// "Could not open " + path + ": " + reason: what the user is told about an unreadable file.
std::string couldNotOpenText(const std::string& path, const std::string& reason);

} // namespace quillet::core

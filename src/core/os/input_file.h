#pragma once

#include "core/file_identity.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <sys/types.h>

namespace quillet::core::os {

// A file opened for reading only, by its UTF-8 path. Only files are opened: a folder gives the
// system's own reason, and a pipe or device (which could block or never end) is refused as
// "Not a regular file" before a byte is read.
class InputFile {
public:
    explicit InputFile(const std::string& path);
    ~InputFile();
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;

    // Why the file could not be opened or read; empty while all is well.
    const std::string& problem() const { return problem_; }
    // What the system reported when the file was opened: only a hint, the file may grow.
    std::uint64_t size() const { return size_; }
    FileIdentity identity() const { return identity_; }

    // What systemRead reads the file through: the descriptor, or on Windows the handle (handles
    // fit in 32 bits, as Windows documents for interop).
    int descriptor() const { return handle_; }

private:
    int handle_ = -1; // a descriptor, or a Windows HANDLE
    std::uint64_t size_ = 0;
    FileIdentity identity_{};
    std::string problem_;
};

// The system's own read, like read(2): how many bytes came, 0 at the end, or -1 with errno set.
ssize_t systemRead(int descriptor, char* into, std::size_t size);

// The file an open stream reads, when it is a regular file (standard input redirected from one).
FileIdentity regularFileIdentity(std::FILE* stream);

} // namespace quillet::core::os

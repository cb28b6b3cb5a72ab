#pragma once

#include <cstdint>
#include <vector>

namespace quillet::core {

// What makes two paths the same file: its device and inode, whatever links lead to it.
struct FileIdentity {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;

    friend bool operator==(const FileIdentity&, const FileIdentity&) = default;
};

// The files a run has read: an export must never be written into one of them.
using FileIdentities = std::vector<FileIdentity>;

} // namespace quillet::core
